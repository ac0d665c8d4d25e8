// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing a file as a whole, so that a crash or a full disk never leaves half of it behind.

#include <string>

// Writes `contents` into a new file beside `fileName` and then puts it in place of `fileName`.
// The copy of an existing file is private to the user until it is complete; then it gets the
// target's rights, reaches the disk and replaces the target. A new target is made with the rights
// the system gives new files (the umask, a default ACL).
// Refused: a target the user may not write, and one whose write permission is off (read-only,
// also for root). A target that is no regular file (a FIFO, /dev/null, /dev/stdout; on Windows
// NUL or a named pipe) is written into, never replaced; so is a writable target in a folder that
// refuses new files.
// Throws EInOutError("Unable to write to <fileName>"); the old file is then unchanged. Once the
// new file has replaced the target the call succeeds: a folder that cannot be synced after that
// is not reported, since the new contents are in place (only a power cut right then could still
// lose the replacement on some file systems).
// `syncToDisk` false skips the waits for the disk; only for measuring what they cost.
void ReplaceFileContents(const std::string& fileName, const std::string& contents,
                         bool syncToDisk = true);

// Reads a whole file. Returns false when it does not exist; throws EInOutError when it exists
// but cannot be read.
bool ReadWholeFile(const std::string& fileName, std::string& contents);

bool FileExists(const std::string& fileName);
