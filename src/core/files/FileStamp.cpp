// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileStamp.h"

#include "core/files/Utf8Path.h"

#include <filesystem>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

#ifdef _WIN32

// The C runtime's file times are whole seconds, so a change within the same second would go
// unseen; the file's handle tells the file system's own 100 ns ticks.
FileStamp StampOf(const std::string& fileName) {
    FileStamp s;
    std::error_code ec;
    const fs::path p = PathFromUtf8(fileName);
    if (fileName.empty() || !fs::is_regular_file(p, ec)) {
        return s;
    }
    // No access asked: also a file that another program holds for itself alone.
    const HANDLE h =
        CreateFileW(p.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return s;
    }
    BY_HANDLE_FILE_INFORMATION info;
    const bool ok = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!ok) {
        return s;
    }
    s.exists = true;
    s.size = (std::uintmax_t{info.nFileSizeHigh} << 32) | info.nFileSizeLow;
    s.modified =
        static_cast<std::int64_t>((std::uint64_t{info.ftLastWriteTime.dwHighDateTime} << 32) |
                                  info.ftLastWriteTime.dwLowDateTime);
    return s;
}

#else

FileStamp StampOf(const std::string& fileName) {
    FileStamp s;
    std::error_code ec;
    const fs::path p = PathFromUtf8(fileName);
    if (fileName.empty() || !fs::is_regular_file(p, ec)) {
        return s;
    }
    const std::uintmax_t size = fs::file_size(p, ec);
    if (ec) {
        return s;
    }
    const auto time = fs::last_write_time(p, ec);
    if (ec) {
        return s;
    }
    s.exists = true;
    s.size = size;
    s.modified = static_cast<std::int64_t>(time.time_since_epoch().count());
    return s;
}

#endif

void KnownFile::Remember(const std::string& fileName) {
    name_ = fileName;
    stamp_ = StampOf(fileName);
}

bool KnownFile::ChangedOnDisk(const std::string& fileName) const {
    if (fileName.empty() || fileName != name_) {
        return false;
    }
    const FileStamp now = StampOf(fileName);
    return now.exists && now != stamp_;
}
