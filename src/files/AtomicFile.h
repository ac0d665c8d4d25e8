#pragma once
// Replacing a file as a whole, so that a crash or a full disk never leaves half of it behind.

#include <string>

// Writes `contents` into a new file beside `fileName` and then puts it in place of `fileName`.
// A target whose write permission is off counts as read-only and is refused, also for root.
// Throws EInOutError("Unable to write to <fileName>"); the old file is then unchanged.
void ReplaceFileContents(const std::string& fileName, const std::string& contents);

// Reads a whole file. Returns false when it does not exist; throws EInOutError when it exists
// but cannot be read.
bool ReadWholeFile(const std::string& fileName, std::string& contents);

bool FileExists(const std::string& fileName);
