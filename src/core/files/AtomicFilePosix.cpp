// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-file write on POSIX systems: streams and devices are written into, regular files
// replaced through a private copy beside them that reaches the disk first.

#include "core/files/AtomicFile.h"

#include "core/files/AtomicFileSteps.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

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

// The rename is only on disk once the folder is. Best effort: file systems that cannot sync a
// folder keep their own order, and the new contents are in place by then anyway.
void SyncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void ReplaceFileContents(const std::string& fileName, const std::string& contents,
                         bool syncToDisk) {
    const fs::path given = PathFromUtf8(fileName);
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

    // Exclusive creation, so that no other file of the same name is ever taken over. The copy
    // of an existing file is private until complete; a new file gets from the system the rights
    // of new files (umask, the folder's default ACL), with no need to ask for the process-wide
    // umask, which other threads may be creating files under.
    const mode_t createMode = exists ? 0600 : 0666;
    fs::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = TempNameFor(target);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
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
    ok = ok && (!exists || ::fchmod(fd, st.st_mode & 07777) == 0);
    ok = ok && (!syncToDisk || ::fsync(fd) == 0);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw EInOutError(UnableToWriteMessage(fileName));
    }
    // The new contents are in place: the write has succeeded whatever the folder's sync says,
    // and an error now would claim an unchanged old file that is gone.
    if (syncToDisk) {
        SyncFolder(target.parent_path());
    }
}
