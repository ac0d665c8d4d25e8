// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Unique temporary files in the system's temporary folder.

#include <string>

// Creates a new, empty file "<prefix><unique>.TMP" in the temporary folder, only readable and
// writable by the user, and returns its path; empty when no file could be made. The name is
// not predictable, so another user cannot take it first.
std::string MakeTempFileName(const std::string& prefix);
