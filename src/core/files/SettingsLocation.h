// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the settings file goes: beside the program, as long as its folder can be written; an
// installed program's folder belongs to the system, so the user's configuration folder is used.

#include <string>

// Whether files can be created and replaced in `dir`: a probe file must be creatable, and on
// POSIX the folder's write permission bit counts also for root, as it does for files.
bool FolderWritable(const std::string& dir);

// Whether `dir` lies in a folder where installed programs live (/usr, /opt, ...; on Windows the
// program files and the system folder), links resolved. Root may write there, but its files
// belong to the package.
bool InSystemFolder(const std::string& dir);

// `besideProgram` when its folder is writable and no system folder; otherwise `userFile`, whose
// folder is created. A user file that does not exist yet starts as a copy of `besideProgram`,
// an administrator's preset, when that exists.
std::string ChooseSettingsFile(const std::string& besideProgram, const std::string& userFile);
