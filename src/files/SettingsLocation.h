#pragma once
// Where the settings file goes: beside the program, as long as its folder can be written; an
// installed program's folder belongs to the system, so the user's configuration folder is used.

#include <string>

// Whether files can be created and replaced in `dir`. The folder's write permission bit counts
// also for root, as it does for files, and a probe file must be creatable.
bool FolderWritable(const std::string& dir);

// `besideProgram` when its folder is writable; otherwise `userFile`, whose folder is created.
std::string ChooseSettingsFile(const std::string& besideProgram, const std::string& userFile);
