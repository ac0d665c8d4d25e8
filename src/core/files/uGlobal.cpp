// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/uGlobal.h"

#include <filesystem>

namespace {
std::string gProgramFileName = "fendro";
std::string gSettingsFileName; // empty: beside the program
} // namespace

void SetProgramFileName(const std::string& fileName) {
    gProgramFileName = fileName;
}

const std::string& ProgramFileName() {
    return gProgramFileName;
}

std::string ProgramDir() {
    const auto dir = std::filesystem::u8path(gProgramFileName).parent_path();
    std::string s = dir.u8string();
    if (s.empty()) {
        s = ".";
    }
    const char sep = static_cast<char>(std::filesystem::path::preferred_separator);
    if (s.back() != sep && s.back() != '/') {
        s += sep;
    }
    return s;
}

std::string ProgramFileWithExtension(const std::string& extension) {
    auto p = std::filesystem::u8path(gProgramFileName);
    p.replace_extension(std::filesystem::u8path(extension));
    return p.u8string();
}

std::string SettingsFileName() {
    return gSettingsFileName.empty() ? ProgramFileWithExtension(".ini") : gSettingsFileName;
}

void SetSettingsFileName(const std::string& fileName) {
    gSettingsFileName = fileName;
}

std::string DefinitionFileName() {
    return ProgramFileWithExtension(".DTA");
}
