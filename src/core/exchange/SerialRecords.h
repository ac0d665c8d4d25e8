// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The serial device file: a sequence of 168-byte device records, as they are sent to the
// device and as they arrive from it.

#include "core/exchange/uT7Q.h"

#include <string>
#include <vector>

class TransferLines;

// The send record of one card: blanks, name, street and town at 59, 79 and 99 (cut to 20, 20
// and 16 characters), CR LF at the end. With `convert` the texts go into the DOS code page.
std::string SendRecordForCard(const std::string& name, const std::string& street,
                              const std::string& town, bool convert);

// Writes one send record per card line with at least three fields, then pauses for 1 ms.
// Throws EInOutError when a file cannot be read or written; the device file is then unchanged.
void BuildSendRecords(const std::string& cardFile, const std::string& deviceFile, bool convert,
                      const PauseFunction& pause = {});

// Decodes every whole record of the device file (NUL bytes read as blanks) with the fuel table
// of the program's settings file and writes its card line, then "Daten gespeichert". `pause` is
// called with 10 ms per record; `today` (the system clock when empty) dates the records. Throws
// EInOutError when a file cannot be read or written; the card file is then unchanged.
void ConvertReceivedRecords(const std::string& deviceFile, const std::string& cardFile,
                            bool convert, TransferLines& lines, const PauseFunction& pause = {},
                            const TodayFunction& today = {});
