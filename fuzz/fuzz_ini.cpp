// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The INI reader on arbitrary file contents: reading never fails, a write is read back as
// written, and lines the program did not touch survive a write and a re-read.

#include "FuzzSupport.h"
#include "core/files/IniFile.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

namespace {

// A name the INI layout can hold: no line breaks, no "=", "[" or "]", no outer blanks.
bool PlainName(std::string_view s) {
    if (s.empty() || s.front() == ' ' || s.front() == '\t' || s.back() == ' ' || s.back() == '\t' ||
        s.front() == ';' || s.front() == '#') {
        return false;
    }
    return s.find_first_of(std::string_view("\r\n=[]\0", 6)) == std::string_view::npos;
}

// A value that reads back unchanged: no line breaks or NUL, no outer blanks or quotes, not too
// long.
bool PlainValue(std::string_view s) {
    if (s.size() > 2047 ||
        s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        return false;
    }
    if (!s.empty() &&
        (s.front() == ' ' || s.front() == '\t' || s.back() == ' ' || s.back() == '\t')) {
        return false;
    }
    return !(s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    static const std::string path = FuzzFile("ini");
    WriteFuzzFile(path, data, size);

    IniFile ini(path);
    const std::string before = ini.Contents();
    FUZZ_CHECK(IniFile(path).Contents() == before);

    // Every key of every section the reader reports reads back as reported.
    for (const char* section : {"Main", "CSVGER", "0", "15", "Ports"}) {
        for (const auto& [key, value] : ini.ReadSectionValues(section)) {
            FUZZ_CHECK(ini.ValueExists(section, key));
            FUZZ_CHECK(ini.ReadString(section, key, "#") == value);
            FUZZ_CHECK(value.size() <= 2047);
        }
        (void)ini.ReadInteger(section, "COMPort", 0);
        (void)ini.ReadInteger(section, "Baudrate", 9600);
    }
    int parsed = 0;
    (void)ParseIniInteger(input.substr(0, 64), parsed);

    // Section, key and value taken from the input itself, so the fuzzer steers them.
    const size_t a = input.find('\x01');
    const size_t b = a == std::string_view::npos ? a : input.find('\x01', a + 1);
    std::string section = "Main";
    std::string key = "TypGeraet";
    std::string value(input.substr(0, 40));
    if (b != std::string_view::npos) {
        section = std::string(input.substr(0, a));
        key = std::string(input.substr(a + 1, b - a - 1));
        value = std::string(input.substr(b + 1, 40));
    }
    if (!PlainName(section) || !PlainName(key)) {
        return 0;
    }
    // The other keys of the section, which the write must leave alone whatever the value holds.
    const auto others = ini.ReadSectionValues(section);
    ini.WriteString(section, key, value);
    IniFile reread(path);
    FUZZ_CHECK(reread.Contents() == ini.Contents());
    if (PlainValue(value)) {
        FUZZ_CHECK(ini.ReadString(section, key, "#") == value);
        FUZZ_CHECK(reread.ReadString(section, key, "#") == value);
    }
    for (const auto& [k, v] : others) {
        if (!SameText(k, key)) {
            FUZZ_CHECK(reread.ReadString(section, k, "#") == v);
        }
    }
    // Only the one line changed or was added (and a header when the section was new): a line
    // break in the value never makes keys or sections of its own.
    const size_t oldLines = static_cast<size_t>(std::count(before.begin(), before.end(), '\n'));
    const std::string after = ini.Contents();
    const size_t newLines = static_cast<size_t>(std::count(after.begin(), after.end(), '\n'));
    FUZZ_CHECK(newLines >= oldLines && newLines <= oldLines + 2);
    return 0;
}
