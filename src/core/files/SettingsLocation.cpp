// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/SettingsLocation.h"

#include "core/files/AtomicFile.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

bool FolderWritable(const std::string& dir) {
    std::error_code ec;
    const fs::path folder = PathFromUtf8(dir.empty() ? std::string(".") : dir);
    const fs::file_status st = fs::status(folder, ec);
    if (ec || !fs::is_directory(st)) {
        return false;
    }
    // A Windows folder's read-only attribute keeps nothing out (Explorer marks customised
    // folders with it); only the probe tells there.
#ifndef _WIN32
    if ((st.permissions() & fs::perms::owner_write) == fs::perms::none) {
        return false;
    }
#endif
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

namespace {

bool SameName(const fs::path& a, const fs::path& b) {
#ifdef _WIN32
    // Windows names differ in case only on paper.
    return _wcsicmp(a.c_str(), b.c_str()) == 0;
#else
    return a == b;
#endif
}

} // namespace

bool InSystemFolder(const std::string& dir) {
    std::error_code ec;
    const fs::path folder = fs::weakly_canonical(fs::absolute(PathFromUtf8(dir), ec), ec);
    if (ec) {
        return false;
    }
    std::vector<fs::path> system;
#ifdef _WIN32
    for (const char* name : {"ProgramFiles", "ProgramFiles(x86)", "ProgramW6432", "SystemRoot"}) {
        if (const char* value = std::getenv(name)) {
            system.push_back(fs::weakly_canonical(PathFromUtf8(value), ec));
        }
    }
#else
    for (const char* place : {"/usr", "/opt", "/bin", "/sbin", "/lib", "/lib32", "/lib64",
                              "/libx32", "/etc", "/snap", "/app", "/nix"}) {
        system.emplace_back(place);
    }
#endif
    for (const fs::path& top : system) {
        // Component by component, so that /usrlocal is not taken for /usr.
        auto f = folder.begin();
        auto t = top.begin();
        while (t != top.end() && f != folder.end() && !t->empty() && SameName(*f, *t)) {
            ++f;
            ++t;
        }
        if (!top.empty() && (t == top.end() || t->empty())) {
            return true;
        }
    }
    return false;
}

std::string ChooseSettingsFile(const std::string& besideProgram, const std::string& userFile) {
    const fs::path beside = PathFromUtf8(besideProgram);
    const std::string folder = Utf8FromPath(beside.parent_path());
    if (userFile.empty() || (FolderWritable(folder) && !InSystemFolder(folder))) {
        return besideProgram;
    }
    // A folder that cannot be made shows up later as "Unable to write to" on the first write.
    std::error_code ec;
    fs::create_directories(PathFromUtf8(userFile).parent_path(), ec);
    std::string preset;
    try {
        if (!FileExists(userFile) && ReadWholeFile(besideProgram, preset)) {
            ReplaceFileContents(userFile, preset);
        }
    } catch (const EInOutError&) {
        // Without the preset the program starts from its own defaults.
    }
    return userFile;
}
