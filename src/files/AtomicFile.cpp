// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/AtomicFile.h"

#include "files/FileErrors.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <algorithm>

#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

std::string UnableToWriteMessage(const std::string& fileName) {
    return "Unable to write to " + fileName;
}

std::string UnableToReadMessage(const std::string& fileName) {
    return "Unable to read " + fileName;
}

bool FileExists(const std::string& fileName) {
    if (fileName.empty()) {
        return false;
    }
    std::error_code ec;
    return fs::is_regular_file(fs::u8path(fileName), ec);
}

bool ReadWholeFile(const std::string& fileName, std::string& contents) {
    contents.clear();
    if (!FileExists(fileName)) {
        return false;
    }
    std::ifstream in(fs::u8path(fileName), std::ios::binary);
    if (!in) {
        throw EInOutError(UnableToReadMessage(fileName));
    }
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size < 0) {
        throw EInOutError(UnableToReadMessage(fileName));
    }
    in.seekg(0, std::ios::beg);
    contents.resize(static_cast<size_t>(size));
    if (size > 0 && !in.read(contents.data(), size)) {
        throw EInOutError(UnableToReadMessage(fileName));
    }
    return true;
}

namespace {

fs::path ResolveLink(const fs::path& p) {
    std::error_code ec;
    if (fs::is_symlink(p, ec)) {
        const fs::path real = fs::weakly_canonical(p, ec);
        if (!ec) {
            return real;
        }
    }
    return p;
}

std::string RandomSuffix() {
    static std::mt19937_64 gen{std::random_device{}()};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (int k = 0; k < 10; ++k) {
        s += digits[gen() % 36];
    }
    return s;
}

fs::path TempNameFor(const fs::path& target) {
    fs::path temp = target;
    temp += ".tmp-" + RandomSuffix();
    return temp;
}

} // namespace

#ifdef _WIN32

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
    const fs::path given = fs::u8path(fileName);
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

#else

namespace {

bool WriteAll(int fd, const std::string& contents) {
    size_t done = 0;
    while (done < contents.size()) {
        const ssize_t n = ::write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

// Writes into the target itself: for FIFOs and devices, which must stay what they are, and for
// a file whose folder takes no new files. A stream is added to: /dev/stdout may be a file that
// the shell opened for appending.
void WriteIntoTarget(const fs::path& target, const std::string& contents, bool regular,
                     bool syncToDisk, const std::string& fileName) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | (regular ? O_TRUNC : O_APPEND));
    if (fd < 0) {
        throw EInOutError(UnableToWriteMessage(fileName));
    }
    bool ok = WriteAll(fd, contents);
    ok = ok && (!regular || !syncToDisk || ::fsync(fd) == 0);
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        throw EInOutError(UnableToWriteMessage(fileName));
    }
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0666 & ~mask);
}

// The rename is only on disk once the folder is; file systems that cannot sync a folder say so
// with EINVAL and keep their own order.
bool SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    const bool ok = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP;
    ::close(fd);
    return ok;
}

} // namespace

void ReplaceFileContents(const std::string& fileName, const std::string& contents,
                         bool syncToDisk) {
    const fs::path given = fs::u8path(fileName);
    struct stat st {};
    const bool exists = ::stat(given.c_str(), &st) == 0;
    if (exists) {
        // The write permission bit counts also for root, as the read-only attribute does.
        if (S_ISDIR(st.st_mode) || (st.st_mode & S_IWUSR) == 0 ||
            ::access(given.c_str(), W_OK) != 0) {
            throw EInOutError(UnableToWriteMessage(fileName));
        }
        // /dev/stdout and /dev/fd/N name streams even when a file stands behind them.
        if (!S_ISREG(st.st_mode) || fileName.rfind("/dev/", 0) == 0 ||
            fileName.rfind("/proc/", 0) == 0) {
            WriteIntoTarget(given, contents, false, syncToDisk, fileName);
            return;
        }
    }
    const fs::path target = ResolveLink(given);

    // Exclusive creation, so that no other file of the same name is ever taken over; private
    // until complete.
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TempNameFor(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            break;
        }
    }
    if (fd < 0) {
        if (exists && (errno == EACCES || errno == EPERM)) {
            WriteIntoTarget(target, contents, true, syncToDisk, fileName);
            return;
        }
        throw EInOutError(UnableToWriteMessage(fileName));
    }
    bool ok = WriteAll(fd, contents);
    if (ok && exists) {
        // A replaced file keeps its owner and group where the user may give them.
        if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
            (void)::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
        }
    }
    ok = ok && ::fchmod(fd, exists ? (st.st_mode & 07777) : NewFileMode()) == 0;
    ok = ok && (!syncToDisk || ::fsync(fd) == 0);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw EInOutError(UnableToWriteMessage(fileName));
    }
    if (syncToDisk && !SyncFolder(target.parent_path())) {
        throw EInOutError(UnableToWriteMessage(fileName));
    }
}

#endif
