// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File names travel as UTF-8 in std::string; these turn them into paths and back. C++20 deprecates
// std::filesystem::u8path and makes path::u8string() return std::u8string, so the conversion
// lives here once, right under both C++17 and C++20.

#include <filesystem>
#include <string>
#include <string_view>

inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
#if defined(__cpp_char8_t)
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
#else
    return std::filesystem::u8path(utf8.begin(), utf8.end());
#endif
}

inline std::string Utf8FromPath(const std::filesystem::path& path) {
#if defined(__cpp_char8_t)
    const std::u8string utf8 = path.u8string();
    return std::string(utf8.begin(), utf8.end());
#else
    return path.u8string();
#endif
}
