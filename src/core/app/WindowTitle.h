// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's caption: "vexa Fendro 3.03", optionally followed by the card file in brackets.

#include <functional>
#include <string>

extern const char* const kProgramTitle; // "vexa Fendro 3.03"

std::string TitleWithFile(const std::string& shownName);

// The file name of a path without its directory.
std::string FileNameOnly(const std::string& path);

// Shortens `path` by dropping directories from the front ("C:\...\c\name.csv", then
// "...\name.csv", then "name.csv") until `fits` accepts it; the bare name is used in any case.
// Both "\" and "/" separate directories; a leading drive ("C:") or root is kept while possible.
std::string ShortenPath(const std::string& path,
                        const std::function<bool(const std::string&)>& fits);
