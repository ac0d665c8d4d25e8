// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/AboutText.h"

#include "core/app/WindowTitle.h"
#include "core/files/Utf8Path.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::string FoundAt(const std::string& path) {
    std::error_code ec;
    const fs::path sought = PathFromUtf8(path);
    if (!fs::is_regular_file(sought, ec)) {
        return "nicht gefunden (gesucht: " + path + ")";
    }
    // Only a link of the file itself is worth showing; folders may be links anywhere.
    if (!fs::is_symlink(sought, ec)) {
        return path;
    }
    const fs::path target = fs::canonical(sought, ec);
    if (ec) {
        return path;
    }
    return path + " → " + Utf8FromPath(target);
}

std::string AboutText(const std::string& settingsFile, const std::string& definitionFile,
                      const std::string& helpDocument) {
    return std::string(kProgramTitle) +
           "\n\nFendro ist freie Software: Sie dürfen es unter den Bedingungen der GNU "
           "General Public License, Version 3 oder jeder späteren Version, weitergeben "
           "und verändern; es wird ohne jede Gewährleistung bereitgestellt.\n\n"
           "Einstellungen: " +
           settingsFile + "\nSpaltendefinitionen: " + FoundAt(definitionFile) +
           "\nHilfedokument: " + FoundAt(helpDocument);
}
