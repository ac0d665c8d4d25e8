// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The memory-card transfer file: comma-separated lines in Windows-1252, one per card. The
// program writes name, street and town into fields 36 to 38 for the device to fill in, and reads
// the device's already formatted values back into card lines.

#include "core/exchange/uT7Q.h"

#include <string>
#include <vector>

class TransferLines;

constexpr size_t kTransferLineLength = 510;

// The transfer line for one card (fields of a card line), without its line end.
std::string TransferLineForCard(const std::vector<std::string>& cardFields, int fieldCount);

// The decoded record that one transfer line gives.
TDatenSatz_T7Q RecordFromTransferLine(std::string_view line);

// Writes the transfer file from the card file, then "Daten gespeichert". Does nothing at all
// when the card file does not exist. Throws EInOutError when a file cannot be read or written;
// the transfer file is then unchanged.
void ExportTransferFile(const std::string& transferFile, const std::string& cardFile,
                        TransferLines& lines);

// Writes one card line per line of the transfer file into the card file, then "Bearbeitung
// abgeschlossen". `pause` is called with 1 ms per line. Throws EInOutError when a file cannot be
// read or written; the card file is then unchanged.
void ImportTransferFile(const std::string& transferFile, const std::string& cardFile,
                        TransferLines& lines, const PauseFunction& pause = {});
