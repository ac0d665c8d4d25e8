// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/AtomicFile.h"

#include "core/files/AtomicFileSteps.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

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
    return fs::is_regular_file(PathFromUtf8(fileName), ec);
}

bool ReadWholeFile(const std::string& fileName, std::string& contents) {
    contents.clear();
    if (!FileExists(fileName)) {
        return false;
    }
    std::ifstream in(PathFromUtf8(fileName), std::ios::binary);
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

namespace {

std::string RandomSuffix() {
    static std::mt19937_64 gen{std::random_device{}()};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (int k = 0; k < 10; ++k) {
        s += digits[gen() % 36];
    }
    return s;
}

} // namespace

fs::path TempNameFor(const fs::path& target) {
    fs::path temp = target;
    temp += ".tmp-" + RandomSuffix();
    return temp;
}
