// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Scratch files for fuzz targets that read and write files: one folder per process.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

inline const std::string& FuzzFolder() {
    static const std::string folder = [] {
        const auto p =
            std::filesystem::temp_directory_path() / ("fendro-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(p);
        return p.string();
    }();
    return folder;
}

inline std::string FuzzFile(const std::string& name) {
    return FuzzFolder() + "/" + name;
}

inline void WriteFuzzFile(const std::string& fileName, const unsigned char* data, size_t size) {
    std::ofstream out(fileName, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline std::string ReadFuzzFile(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
