// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CardFolder.h"

#include "core/files/AtomicFile.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsCardFileName(const fs::path& p) {
    const std::string ext = p.extension().string();
    return ext == ".csv" || ext == ".CSV";
}

bool SameFile(const fs::path& a, const std::string& b) {
    if (b.empty()) {
        return false;
    }
    std::error_code ec;
    return fs::equivalent(a, PathFromUtf8(b), ec) && !ec;
}

} // namespace

std::vector<std::string> CardFilesIn(const std::string& folder, const std::string& except) {
    std::vector<std::string> files;
    if (folder.empty()) {
        return files;
    }
    std::error_code ec;
    for (fs::directory_iterator it(PathFromUtf8(folder), ec), end; !ec && it != end;
         it.increment(ec)) {
        const fs::path& p = it->path();
        std::error_code typeEc;
        if (IsCardFileName(p) && !it->is_directory(typeEc) && !SameFile(p, except)) {
            files.push_back(Utf8FromPath(p));
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::optional<SkipReason> ReadFolderCardFile(const std::string& fileName, std::string& contents) {
    contents.clear();
    std::error_code ec;
    const auto size = fs::file_size(PathFromUtf8(fileName), ec);
    if (!ec && size > static_cast<std::uintmax_t>(kMaxCardFileBytes)) {
        return SkipReason::TooLarge;
    }
    try {
        if (!ReadWholeFile(fileName, contents)) {
            return SkipReason::Unreadable;
        }
    } catch (const EInOutError&) {
        contents.clear();
        return SkipReason::Unreadable;
    }
    if (std::memchr(contents.data(), 0, contents.size()) != nullptr) {
        contents.clear();
        return SkipReason::NotCardFile;
    }
    return std::nullopt;
}

std::string FolderOf(const std::string& cardFileName) {
    if (cardFileName.empty()) {
        return std::string();
    }
    const fs::path parent = fs::absolute(PathFromUtf8(cardFileName)).parent_path();
    return Utf8FromPath(parent);
}
