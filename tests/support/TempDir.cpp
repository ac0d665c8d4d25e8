// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/TempDir.h"

#include "core/files/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

TempDir::TempDir() {
    std::random_device rd;
    std::mt19937_64 gen(rd());
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ostringstream name;
        name << "fendro-test-" << std::hex << gen();
        const fs::path p = fs::temp_directory_path() / name.str();
        std::error_code ec;
        if (fs::create_directory(p, ec)) {
            path_ = Utf8FromPath(p);
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TempDir::~TempDir() {
    std::error_code ec;
    // Tests may leave read-only files behind; make them removable first.
    for (auto it = fs::recursive_directory_iterator(PathFromUtf8(path_), ec);
         it != fs::recursive_directory_iterator(); it.increment(ec)) {
        // A link is removed as a link; changing its rights would change its target's, which
        // may be /dev/null or another system file.
        if (!it->is_symlink(ec)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        }
    }
    fs::remove_all(PathFromUtf8(path_), ec);
}

std::string TempDir::File(const std::string& name) const {
    return Utf8FromPath(PathFromUtf8(path_) / PathFromUtf8(name));
}

void WriteBytes(const std::string& fileName, const std::string& bytes) {
    std::ofstream out(PathFromUtf8(fileName), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + fileName);
    }
}

std::string ReadBytes(const std::string& fileName) {
    std::ifstream in(PathFromUtf8(fileName), std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + fileName);
    }
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}
