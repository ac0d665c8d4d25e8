// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-file write on Windows: devices and pipes are written into, disk files replaced through
// a private copy beside them.

#include "core/files/AtomicFile.h"

#include "core/files/AtomicFileSteps.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <windows.h>

namespace fs = std::filesystem;

namespace {

bool WriteAll(HANDLE h, const std::string& contents) {
    size_t done = 0;
    while (done < contents.size()) {
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(contents.size() - done, 1u << 30));
        DWORD n = 0;
        if (!WriteFile(h, contents.data() + done, chunk, &n, nullptr) || n == 0) {
            return false;
        }
        done += n;
    }
    return true;
}

bool WriteAndClose(HANDLE h, const std::string& contents, bool flush) {
    bool ok = WriteAll(h, contents);
    ok = ok && (!flush || FlushFileBuffers(h));
    return CloseHandle(h) && ok;
}

HANDLE OpenForWriting(const fs::path& p, DWORD disposition) {
    return CreateFileW(p.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

} // namespace

// The read-only attribute is the write permission bit here; the file's rights (its ACL) are
// the folder's, as for any new file. The rename goes through to the disk before it returns,
// which is what syncing the folder does on POSIX.
void ReplaceFileContents(const std::string& fileName, const std::string& contents,
                         bool syncToDisk) {
    const fs::path given = PathFromUtf8(fileName);
    // Devices and pipes (NUL, CON, \\.\pipe\...) must stay what they are: they are written
    // into. Only opening them tells them from disk files.
    const HANDLE device = OpenForWriting(given, OPEN_EXISTING);
    if (device != INVALID_HANDLE_VALUE) {
        if (GetFileType(device) != FILE_TYPE_DISK) {
            if (!WriteAndClose(device, contents, false)) {
                throw EInOutError(UnableToWriteMessage(fileName));
            }
            return;
        }
        CloseHandle(device);
    }
    std::error_code ec;
    const fs::file_status st = fs::status(given, ec);
    const bool exists = fs::exists(st);
    if (exists &&
        (fs::is_directory(st) || (st.permissions() & fs::perms::owner_write) == fs::perms::none)) {
        throw EInOutError(UnableToWriteMessage(fileName));
    }
    const fs::path target = ResolveLink(given);

    // Exclusive creation, so that no other file of the same name is ever taken over.
    fs::path temp;
    HANDLE h = INVALID_HANDLE_VALUE;
    DWORD error = 0;
    for (int attempt = 0; attempt < 100 && h == INVALID_HANDLE_VALUE; ++attempt) {
        temp = TempNameFor(target);
        h = OpenForWriting(temp, CREATE_NEW);
        error = h == INVALID_HANDLE_VALUE ? GetLastError() : 0;
        if (error != 0 && error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) {
            break;
        }
    }
    if (h == INVALID_HANDLE_VALUE) {
        // A folder whose rights allow no new files: a file in it the user may write is written
        // in place.
        if (exists && error == ERROR_ACCESS_DENIED) {
            const HANDLE in = OpenForWriting(target, TRUNCATE_EXISTING);
            if (in == INVALID_HANDLE_VALUE || !WriteAndClose(in, contents, syncToDisk)) {
                throw EInOutError(UnableToWriteMessage(fileName));
            }
            return;
        }
        throw EInOutError(UnableToWriteMessage(fileName));
    }
    bool ok = WriteAndClose(h, contents, syncToDisk);
    ok = ok && MoveFileExW(temp.c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | (syncToDisk ? MOVEFILE_WRITE_THROUGH : 0));
    if (!ok) {
        DeleteFileW(temp.c_str());
        throw EInOutError(UnableToWriteMessage(fileName));
    }
}
