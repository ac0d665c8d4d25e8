// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/RecentFiles.h"

#include "core/files/Ansi.h"
#include "core/files/IniFile.h"

#include <algorithm>

namespace {

const char* const kSection = "Zuletzt";

std::string Key(int place) {
    return "Datei" + std::to_string(place + 1);
}

} // namespace

bool RecentFiles::Add(const std::string& name) {
    if (name.empty() || (!names_.empty() && names_.front() == name)) {
        return false;
    }
    // A name the code page cannot hold would come back as another file's name.
    std::string ansi;
    if (!Utf8ToAnsi(name, ansi)) {
        return false;
    }
    Remove(name);
    names_.insert(names_.begin(), name);
    if (names_.size() > static_cast<size_t>(kMax)) {
        names_.resize(kMax);
    }
    return true;
}

bool RecentFiles::Remove(const std::string& name) {
    const auto it = std::find(names_.begin(), names_.end(), name);
    if (it == names_.end()) {
        return false;
    }
    names_.erase(it);
    return true;
}

void RecentFiles::Read(const IniFile& ini) {
    names_.clear();
    for (int place = 0; place < kMax; ++place) {
        const std::string name = AnsiToUtf8(ini.ReadString(kSection, Key(place), ""));
        // A name twice (edited by hand) counts once, at its newer place.
        if (!name.empty() && std::find(names_.begin(), names_.end(), name) == names_.end()) {
            names_.push_back(name);
        }
    }
}

void RecentFiles::Write(IniFile& ini) const {
    for (int place = 0; place < kMax; ++place) {
        const size_t i = static_cast<size_t>(place);
        ini.WriteString(kSection, Key(place), i < names_.size() ? Utf8ToAnsiLossy(names_[i]) : "");
    }
}
