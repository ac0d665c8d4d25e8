// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The text of "Hilfe / Info über Fendro...": what a user or a support call needs to know about
// this run of the program.

#include <string>

// Where a file the program reads was found: its path, followed by the file it leads to when that
// is a link (an installed program finds its data this way); "nicht gefunden" with the path looked
// at when it is missing.
std::string FoundAt(const std::string& path);

// The title and version, the licence and the three files of this run.
std::string AboutText(const std::string& settingsFile, const std::string& definitionFile,
                      const std::string& helpDocument);
