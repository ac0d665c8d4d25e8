// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/IniFile.h"

#include "core/files/Ansi.h"
#include "core/files/AtomicFile.h"

#include <climits>
#include <cstdint>
#include <unordered_set>

namespace {

constexpr size_t kMaxValueLength = 2047;
constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Lower case in Windows-1252, so that "[Ä]" and "[ä]" name the same section as on Windows.
char Lower(char c) {
    const auto b = static_cast<unsigned char>(c);
    if ((b >= 'A' && b <= 'Z') || (b >= 0xC0 && b <= 0xDE && b != 0xD7)) {
        return static_cast<char>(b + 0x20);
    }
    if (b == 0x8A || b == 0x8C || b == 0x8E) { // Š Œ Ž
        return static_cast<char>(b + 0x10);
    }
    if (b == 0x9F) { // Ÿ
        return static_cast<char>(0xFF);
    }
    return c;
}

// Only ";" starts a comment in the Windows profile format.
bool IsComment(std::string_view trimmed) {
    return !trimmed.empty() && trimmed[0] == ';';
}

// A value must stay on its own line: a line break in it would add keys or sections to the file.
std::string OneLine(std::string_view value) {
    std::string v(value.substr(0, value.find('\0')));
    for (char& c : v) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return v;
}

std::string LowerText(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        c = Lower(c);
    }
    return out;
}

// A header line "[name]" gives its trimmed name.
bool HeaderName(std::string_view line, std::string& name) {
    const std::string t = TrimBlanks(line);
    if (t.size() < 2 || t.front() != '[') {
        return false;
    }
    const size_t close = t.find(']');
    if (close == std::string::npos) {
        return false;
    }
    name = TrimBlanks(std::string_view(t).substr(1, close - 1));
    return true;
}

// A key line "key=value" gives its trimmed key and its raw value.
bool KeyAndValue(std::string_view line, std::string& key, std::string_view& raw) {
    const std::string t = TrimBlanks(line);
    if (t.empty() || t.front() == '[' || IsComment(t)) {
        return false;
    }
    const size_t eq = line.find('=');
    if (eq == std::string::npos) {
        return false;
    }
    key = TrimBlanks(line.substr(0, eq));
    raw = line.substr(eq + 1);
    return true;
}

std::string Unquoted(std::string_view raw) {
    std::string v = TrimBlanks(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return v;
}

std::string CleanValue(std::string_view raw) {
    std::string v = Unquoted(raw);
    if (v.size() > kMaxValueLength) {
        v.resize(kMaxValueLength);
    }
    return v;
}

} // namespace

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

std::string TrimBlanks(std::string_view s) {
    size_t b = 0;
    size_t e = s.size();
    while (b < e && IsBlank(s[b])) {
        ++b;
    }
    while (e > b && IsBlank(s[e - 1])) {
        --e;
    }
    return std::string(s.substr(b, e - b));
}

bool ParseIniInteger(std::string_view text, int& value) {
    std::string t = TrimBlanks(text);
    if (t.empty()) {
        return false;
    }
    bool negative = false;
    size_t i = 0;
    int base = 10;
    if (t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X')) {
        base = 16;
        i = 2;
    } else {
        if (t[i] == '+' || t[i] == '-') {
            negative = t[i] == '-';
            ++i;
        }
        if (i < t.size() && t[i] == '$') {
            base = 16;
            ++i;
        }
    }
    if (i >= t.size()) {
        return false;
    }
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
        const char c = t[i];
        int d = -1;
        if (c >= '0' && c <= '9') {
            d = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        }
        if (d < 0) {
            return false;
        }
        v = v * base + d;
        // Hexadecimal may fill all 32 bits, as the system's conversion allows.
        if (v > (base == 16 ? std::int64_t(UINT32_MAX) : std::int64_t(INT32_MAX) + 1)) {
            return false;
        }
    }
    if (base == 16) {
        v = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    }
    if (negative) {
        v = -v;
    }
    if (v > INT32_MAX || v < INT32_MIN) {
        return false;
    }
    value = static_cast<int>(v);
    return true;
}

IniFile::IniFile(std::string fileName) : fileName_(std::move(fileName)) {
    std::string data;
    if (!ReadWholeFile(fileName_, data)) {
        return;
    }
    // An editor's UTF-8 mark is no part of the first line; it goes back in front on writing, and
    // texts are converted at the boundary so that they stay UTF-8 in such a file.
    size_t start = 0;
    if (data.compare(0, kUtf8Mark.size(), kUtf8Mark) == 0) {
        utf8Mark_ = true;
        start = kUtf8Mark.size();
    }
    // CR LF, CR alone and LF alone each end a line.
    while (start < data.size()) {
        size_t end = data.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            end = data.size();
        }
        lines_.emplace_back(data.substr(start, end - start));
        start = end + (data.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
}

int IniFile::FindSection(std::string_view section) const {
    std::string name;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (HeaderName(lines_[i], name) && SameText(FromFile(name), section)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int IniFile::SectionEnd(int sec) const {
    std::string name;
    size_t i = static_cast<size_t>(sec) + 1;
    while (i < lines_.size() && !HeaderName(lines_[i], name)) {
        ++i;
    }
    return static_cast<int>(i);
}

int IniFile::FindKey(int sec, std::string_view key) const {
    const int end = SectionEnd(sec);
    std::string k;
    std::string_view raw;
    for (int i = sec + 1; i < end; ++i) {
        if (KeyAndValue(lines_[i], k, raw) && SameText(FromFile(k), key)) {
            return i;
        }
    }
    return -1;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view def) const {
    const int sec = FindSection(section);
    if (sec >= 0) {
        const int line = FindKey(sec, key);
        if (line >= 0) {
            std::string k;
            std::string_view raw;
            KeyAndValue(lines_[line], k, raw);
            return CleanValue(FromFile(raw));
        }
    }
    std::string d(def);
    if (d.size() > kMaxValueLength) {
        d.resize(kMaxValueLength);
    }
    return d;
}

int IniFile::ReadInteger(std::string_view section, std::string_view key, int def) const {
    if (!ValueExists(section, key)) {
        return def;
    }
    int v = 0;
    return ParseIniInteger(ReadString(section, key, ""), v) ? v : def;
}

bool IniFile::SectionExists(std::string_view section) const {
    return FindSection(section) >= 0;
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    const int sec = FindSection(section);
    return sec >= 0 && FindKey(sec, key) >= 0;
}

std::vector<std::pair<std::string, std::string>>
IniFile::ReadSectionValues(std::string_view section) const {
    std::vector<std::pair<std::string, std::string>> out;
    const int sec = FindSection(section);
    if (sec < 0) {
        return out;
    }
    const int end = SectionEnd(sec);
    std::string k;
    std::string_view raw;
    std::unordered_set<std::string> seen;
    for (int i = sec + 1; i < end; ++i) {
        if (KeyAndValue(lines_[i], k, raw) && seen.insert(LowerText(FromFile(k))).second) {
            out.emplace_back(FromFile(k), CleanValue(FromFile(raw)));
        }
    }
    return out;
}

void IniFile::WriteString(std::string_view section, std::string_view key,
                          std::string_view newValue) {
    const std::string value = OneLine(newValue);
    std::vector<std::string> before = lines_;
    std::string line = ToFile(key) + "=" + ToFile(value);
    const int sec = FindSection(section);
    if (sec < 0) {
        lines_.push_back("[" + ToFile(section) + "]");
        lines_.push_back(line);
    } else {
        const int at = FindKey(sec, key);
        if (at >= 0) {
            std::string k;
            std::string_view raw;
            KeyAndValue(lines_[at], k, raw);
            // A key that already reads as the value keeps its line (quotes, blanks and all),
            // and a read-only file is not touched.
            if (FromFile(Unquoted(raw)) == value) {
                return;
            }
            // The key and the spacing before the value stay as they were written.
            size_t keep = lines_[at].find('=') + 1;
            while (keep < lines_[at].size() && IsBlank(lines_[at][keep])) {
                ++keep;
            }
            lines_[at] = lines_[at].substr(0, keep) + ToFile(value);
        } else {
            // After the section's last non-blank line, so blank separators stay in place.
            int insert = SectionEnd(sec);
            while (insert > sec + 1 && TrimBlanks(lines_[insert - 1]).empty()) {
                --insert;
            }
            lines_.insert(lines_.begin() + insert, line);
        }
    }
    try {
        ReplaceFileContents(fileName_, Contents());
    } catch (...) {
        lines_ = std::move(before);
        throw;
    }
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

std::string IniFile::FromFile(std::string_view text) const {
    std::string ansi;
    if (utf8Mark_ && Utf8ToAnsi(text, ansi)) {
        return ansi;
    }
    // Without the mark, or bytes that are no UTF-8 (written into such a file by an older
    // version): Windows-1252 as they stand.
    return std::string(text);
}

std::string IniFile::ToFile(std::string_view text) const {
    return utf8Mark_ ? AnsiToUtf8(text) : std::string(text);
}

std::string IniFile::Contents() const {
    std::string out(utf8Mark_ ? kUtf8Mark : std::string_view());
    for (const auto& l : lines_) {
        out += l;
        out += "\r\n";
    }
    return out;
}
