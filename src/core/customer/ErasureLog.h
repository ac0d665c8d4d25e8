// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The deletion log of a folder (Loeschprotokoll.csv): one line per deletion with the date, what
// was done, the files and their cards, and the customer's name, street and town, so that the
// deletion can be repeated after an older backup of the folder is restored. Windows-1252, cells
// joined by ";", lines ended by CR LF, as spreadsheets read it.

#include "core/customer/CustomerErasure.h"
#include "core/exchange/CivilDate.h"

#include <string>
#include <vector>

struct ErasureStamp {
    CivilDate date;
    int hour = 0;
    int minute = 0;
};

// The local date and time now.
ErasureStamp SystemStamp();

// The log's first line.
extern const char* const kErasureLogHeader;

// One line, without its end. `tableCards` are the cards taken from an open table that is not
// the file on disk; `customer` holds name, street and town as on the cards (Windows-1252).
std::string ErasureLogLine(const ErasureStamp& stamp, ErasureKind kind,
                           const std::vector<ErasureOutcome>& outcomes, int tableCards,
                           const CardTable::Row& customer);

// Adds `line` to the log in `folder`, which is made with its first line when missing; the log is
// replaced as a whole. Throws EInOutError.
void AppendErasureLog(const std::string& folder, const std::string& line);
