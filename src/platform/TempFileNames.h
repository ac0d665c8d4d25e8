// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Temporary files in a folder of the program's own inside the system's temporary folder.

#include <string>

// The folder "fendro-<user id>" in the system's temporary folder, created readable only by the
// user; empty when it cannot be made or is not certainly ours (a link, another owner).
std::string OwnTempFolder();

// Creates a new, empty file "fendro-<process id>-<prefix><unique>.TMP" in `folder`, only
// readable and writable by the user, and returns its path; empty when no file could be made.
// The name is not predictable, so another user cannot take it first.
std::string MakeTempFileName(const std::string& folder, const std::string& prefix);

// True for a plain file (no link) owned by the user.
bool IsOwnPlainFile(const std::string& name);

// Deletes `name` when it is an own plain file; anything else under the name stays.
void RemoveOwnTempFile(const std::string& name);

// Deletes the temporary files that runs killed before their end left in `folder`: own plain
// files with the name above whose process is gone. Everything else stays.
void RemoveStaleTempFiles(const std::string& folder);
