#include "files/AtomicFile.h"

#include "files/FileErrors.h"

#include <cstdio>
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

std::FILE* CreateNew(const fs::path& p) {
#ifdef _WIN32
    return _wfopen(p.c_str(), L"wbx");
#else
    return std::fopen(p.c_str(), "wbx");
#endif
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

} // namespace

void ReplaceFileContents(const std::string& fileName, const std::string& contents) {
    const fs::path target = ResolveLink(fs::u8path(fileName));
    std::error_code ec;
    const bool exists = fs::exists(target, ec);
    fs::perms perms = fs::perms::unknown;
    if (exists) {
        perms = fs::status(target, ec).permissions();
        if (ec || (perms & fs::perms::owner_write) == fs::perms::none ||
            fs::is_directory(target, ec)) {
            throw EInOutError(UnableToWriteMessage(fileName));
        }
    }

    // Exclusive creation, so that no other file of the same name is ever taken over.
    fs::path temp;
    std::FILE* f = nullptr;
    for (int attempt = 0; attempt < 100 && !f; ++attempt) {
        temp = target;
        temp += ".tmp-" + RandomSuffix();
        f = CreateNew(temp);
    }
    if (!f) {
        throw EInOutError(UnableToWriteMessage(fileName));
    }
    bool ok =
        contents.empty() || std::fwrite(contents.data(), 1, contents.size(), f) == contents.size();
    ok = (std::fflush(f) == 0) && ok;
    ok = (std::fclose(f) == 0) && ok;
    if (ok) {
        // A new file gets the usual rights (umask); a replaced one keeps its own.
        if (perms != fs::perms::unknown) {
            fs::permissions(temp, perms, ec);
        }
        fs::rename(temp, target, ec);
        ok = !ec;
    }
    if (!ok) {
        fs::remove(temp, ec);
        throw EInOutError(UnableToWriteMessage(fileName));
    }
}
