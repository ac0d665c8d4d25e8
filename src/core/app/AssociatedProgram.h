// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program registered to open a file type, as the Windows registry names it.

#include <string>

// Cuts a registered "open" command down to the program path: from the first "%" on, one leading
// double quote, from the next double quote on, then trailing blanks.
std::string ReduceOpenCommand(std::string command);
