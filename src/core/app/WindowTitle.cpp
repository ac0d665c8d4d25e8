// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/WindowTitle.h"

#include <vector>

const char* const kProgramTitle = "vexa Fendro 3.03";

std::string TitleWithFile(const std::string& shownName) {
    return std::string(kProgramTitle) + " [" + shownName + "]";
}

namespace {
bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}
} // namespace

std::string FileNameOnly(const std::string& path) {
    const size_t cut = path.find_last_of("\\/");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::string ShortenPath(const std::string& path,
                        const std::function<bool(const std::string&)>& fits) {
    if (fits(path)) {
        return path;
    }
    // The head: a drive "C:" or an empty root before the first separator.
    const size_t first = path.find_first_of("\\/");
    if (first == std::string::npos) {
        return path;
    }
    const std::string head = path.substr(0, first);
    const char sep = path[first];
    std::vector<std::string> parts; // directories after the head, then the name
    size_t pos = first + 1;
    while (pos <= path.size()) {
        size_t next = pos;
        while (next < path.size() && !IsSeparator(path[next])) {
            ++next;
        }
        parts.push_back(path.substr(pos, next - pos));
        pos = next + 1;
    }
    const std::string name = parts.back();
    // Drop directories one by one: head\...\rest.
    for (size_t dropped = 1; dropped < parts.size(); ++dropped) {
        std::string candidate = head + sep + "..." + sep;
        for (size_t i = dropped; i < parts.size(); ++i) {
            candidate += parts[i];
            if (i + 1 < parts.size()) {
                candidate += sep;
            }
        }
        if (fits(candidate)) {
            return candidate;
        }
    }
    const std::string dotted = std::string("...") + sep + name;
    if (fits(dotted)) {
        return dotted;
    }
    return name;
}
