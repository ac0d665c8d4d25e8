// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card files used last, newest first, as the settings file keeps them in [Zuletzt]
// (Datei1 to Datei4, Windows-1252 like the card file of [Main]).

#include <string>
#include <vector>

class IniFile;

class RecentFiles {
public:
    static constexpr int kMax = 4;

    // Native (UTF-8) names.
    const std::vector<std::string>& Names() const { return names_; }

    // Puts `name` first, dropping an earlier place of it and the oldest beyond four. True when
    // the list changed; a name Windows-1252 cannot hold is not taken.
    bool Add(const std::string& name);
    // True when `name` was in the list.
    bool Remove(const std::string& name);

    void Read(const IniFile& ini);
    // Every key is written; places the list does not fill are emptied.
    void Write(IniFile& ini) const;

private:
    std::vector<std::string> names_;
};
