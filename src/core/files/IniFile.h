// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own INI access, with the reading rules of the Windows private-profile functions:
// the first "=" splits key and value, blanks and one pair of enclosing quotes are removed,
// section and key names compare without regard to case. Lines the program does not touch stay
// byte for byte. Every write reaches the file at once, which is replaced as a whole. A file that
// starts with a UTF-8 byte order mark keeps it and holds UTF-8 text.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

class IniFile {
public:
    // Reads the file now; a missing file counts as empty. Throws EInOutError when the file
    // exists but cannot be read.
    explicit IniFile(std::string fileName);

    const std::string& FileName() const { return fileName_; }

    // The value of the key, at most 2047 characters, or `def` when the key is missing.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view def) const;
    // Decimal with an optional sign, "0x"/"0X" or "$" hexadecimal; `def` for anything else.
    int ReadInteger(std::string_view section, std::string_view key, int def) const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // The entries of a section in file order; of keys that compare equal only the first counts.
    // Values are as ReadString delivers them.
    std::vector<std::pair<std::string, std::string>>
    ReadSectionValues(std::string_view section) const;

    // Writes the key and stores the file at once. Throws EInOutError("Unable to write to %s").
    // A key that already reads as the value is left as it stands; line breaks in the value
    // become blanks and a NUL ends it.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, int value);

    // The file's bytes as they would be written now.
    std::string Contents() const;

private:
    // Index of the first header line of `section`, or -1.
    int FindSection(std::string_view section) const;
    // Index of the key's line within the section starting at header `sec`, or -1.
    int FindKey(int sec, std::string_view key) const;
    int SectionEnd(int sec) const;
    // Texts of the file as the program holds them (Windows-1252), and back.
    std::string FromFile(std::string_view text) const;
    std::string ToFile(std::string_view text) const;

    std::string fileName_;
    std::vector<std::string> lines_; // as in the file, without line ends
    bool utf8Mark_ = false;          // the file starts with a UTF-8 byte order mark
};

// Helpers shared by readers that follow the same rules.
bool SameText(std::string_view a, std::string_view b);
std::string TrimBlanks(std::string_view s);
// Parses an integer by the INI rules above; returns false when the text is not one.
bool ParseIniInteger(std::string_view text, int& value);
