// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/FileStamp.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

FileStamp StampOf(const std::string& fileName) {
    FileStamp s;
    std::error_code ec;
    const fs::path p = fs::u8path(fileName);
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
