#include "files/SettingsLocation.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

bool FolderWritable(const std::string& dir) {
    std::error_code ec;
    const fs::path folder = fs::u8path(dir.empty() ? std::string(".") : dir);
    const fs::file_status st = fs::status(folder, ec);
    if (ec || !fs::is_directory(st) ||
        (st.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return false;
    }
    // Permission bits say nothing about other users' folders or read-only mounts: try it.
    const fs::path probe =
        folder / (".fendro-probe-" + std::to_string(std::random_device{}() % 1000000000u));
#ifdef _WIN32
    // The wide name: a narrow one goes through the ANSI code page and loses other characters.
    std::FILE* f = _wfopen(probe.c_str(), L"wbx");
#else
    std::FILE* f = std::fopen(probe.c_str(), "wbx");
#endif
    if (!f) {
        return false;
    }
    std::fclose(f);
    fs::remove(probe, ec);
    return true;
}

std::string ChooseSettingsFile(const std::string& besideProgram, const std::string& userFile) {
    const fs::path beside = fs::u8path(besideProgram);
    if (userFile.empty() || FolderWritable(beside.parent_path().u8string())) {
        return besideProgram;
    }
    // A folder that cannot be made shows up later as "Unable to write to" on the first write.
    std::error_code ec;
    fs::create_directories(fs::u8path(userFile).parent_path(), ec);
    return userFile;
}
