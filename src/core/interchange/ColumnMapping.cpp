// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/ColumnMapping.h"

#include "core/files/Ansi.h"
#include "core/files/CardColumns.h"

#include <algorithm>
#include <initializer_list>

namespace {

// The names, spelled as NormalizedName gives them, that propose the first three columns.
// A list of groups: the first group found alone, else the parts joined.
struct NameRule {
    std::initializer_list<const char*> whole;
    std::initializer_list<const char*> first;
    std::initializer_list<const char*> second;
};

const NameRule kRules[3] = {
    {{"name", "kundenname", "kunde", "name1"}, {"nachname", "familienname", "zuname"}, {"vorname"}},
    {{"strassehausnummer", "strassehausnr", "anschrift", "adresse"},
     {"strasse", "str"},
     {"hausnummer", "hausnr", "nr", "hnr"}},
    {{"plzort"}, {"plz", "postleitzahl"}, {"ort", "wohnort", "stadt"}},
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool HasDigit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), IsDigit);
}

bool KnownName(const std::string& name, const std::vector<std::string>& captions) {
    if (name.empty()) {
        return false;
    }
    for (const NameRule& rule : kRules) {
        for (const auto* group : {&rule.whole, &rule.first, &rule.second}) {
            for (const char* known : *group) {
                if (name == known) {
                    return true;
                }
            }
        }
    }
    return std::any_of(captions.begin(), captions.end(),
                       [&](const std::string& c) { return NormalizedName(c) == name; });
}

std::string_view TrimmedView(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string NormalizedName(std::string_view name) {
    std::string out;
    for (const char32_t c : Utf8ToCodePoints(name)) {
        if ((c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9')) {
            out.push_back(static_cast<char>(c));
        } else if (c >= U'A' && c <= U'Z') {
            out.push_back(static_cast<char>(c - U'A' + U'a'));
        } else if (c == U'ä' || c == U'Ä') {
            out += "ae";
        } else if (c == U'ö' || c == U'Ö') {
            out += "oe";
        } else if (c == U'ü' || c == U'Ü') {
            out += "ue";
        } else if (c == U'ß') {
            out += "ss";
        }
    }
    return out;
}

bool LooksLikeHeader(const SourceRows& rows, const std::vector<std::string>& captions) {
    if (rows.empty()) {
        return false;
    }
    const SourceRow& first = rows.front();
    bool words = false;
    for (const std::string& cell : first) {
        if (KnownName(NormalizedName(cell), captions)) {
            return true;
        }
        if (HasDigit(cell)) {
            return false;
        }
        words = words || !TrimmedView(cell).empty();
    }
    if (!words || rows.size() < 2) {
        return false;
    }
    const SourceRow& second = rows[1];
    return std::any_of(second.begin(), second.end(),
                       [](const std::string& cell) { return HasDigit(cell); });
}

ColumnMapping ProposeMapping(const std::vector<std::string>& header,
                             const std::vector<std::string>& captions) {
    std::vector<std::string> names;
    names.reserve(header.size());
    for (const std::string& h : header) {
        names.push_back(NormalizedName(h));
    }
    std::vector<bool> used(names.size(), false);
    const auto find = [&](std::initializer_list<const char*> group) {
        for (const char* known : group) {
            for (size_t j = 0; j < names.size(); ++j) {
                if (!used[j] && names[j] == known) {
                    return static_cast<int>(j);
                }
            }
        }
        return -1;
    };
    const auto take = [&](ColumnSources& sources, int j) {
        if (j >= 0) {
            used[static_cast<size_t>(j)] = true;
            sources.push_back(j);
        }
    };
    ColumnMapping mapping(captions.size());
    // Captions first: a list exported by the program itself maps back one to one.
    for (size_t c = 0; c < captions.size(); ++c) {
        const std::string caption = NormalizedName(captions[c]);
        // The address columns prefer the joined parts to a bare "Ort" that equals a caption.
        if (caption.empty() || (c < 3 && find(kRules[c].first) >= 0)) {
            continue;
        }
        for (size_t j = 0; j < names.size(); ++j) {
            if (!used[j] && names[j] == caption) {
                take(mapping[c], static_cast<int>(j));
                break;
            }
        }
    }
    for (size_t c = 0; c < 3 && c < captions.size(); ++c) {
        if (!mapping[c].empty()) {
            continue;
        }
        const int whole = find(kRules[c].whole);
        if (whole >= 0) {
            take(mapping[c], whole);
            continue;
        }
        // A house number or a first name alone is no street or name; a town is a town.
        const int first = find(kRules[c].first);
        if (first >= 0 || c == kColTown) {
            take(mapping[c], first);
            take(mapping[c], find(kRules[c].second));
        }
    }
    return mapping;
}

ColumnMapping ProposeByPosition(size_t sourceColumns, size_t cardColumns) {
    ColumnMapping mapping(cardColumns);
    for (size_t c = 0; c < cardColumns && c < sourceColumns; ++c) {
        mapping[c].push_back(static_cast<int>(c));
    }
    return mapping;
}

std::string SourcesText(const ColumnSources& sources, const std::vector<std::string>& header) {
    bool byName = !sources.empty();
    for (const int j : sources) {
        if (j < 0 || static_cast<size_t>(j) >= header.size()) {
            byName = false;
            break;
        }
        const std::string& name = header[static_cast<size_t>(j)];
        const std::string norm = NormalizedName(name);
        const long same = std::count_if(header.begin(), header.end(), [&](const std::string& h) {
            return NormalizedName(h) == norm;
        });
        if (norm.empty() || same != 1 || name.find('+') != std::string::npos ||
            std::all_of(norm.begin(), norm.end(), IsDigit)) {
            byName = false;
            break;
        }
    }
    std::string text;
    for (const int j : sources) {
        if (!text.empty()) {
            text += '+';
        }
        text += byName ? std::string(TrimmedView(header[static_cast<size_t>(j)]))
                       : std::to_string(j + 1);
    }
    return text;
}

bool ParseSources(std::string_view text, const std::vector<std::string>& header, int columnCount,
                  ColumnSources& sources) {
    sources.clear();
    if (TrimmedView(text).empty()) {
        return true;
    }
    size_t start = 0;
    while (start <= text.size()) {
        const size_t plus = std::min(text.find('+', start), text.size());
        const std::string_view part = TrimmedView(text.substr(start, plus - start));
        start = plus + 1;
        const std::string norm = NormalizedName(part);
        int found = -1;
        for (size_t j = 0; j < header.size() && found < 0; ++j) {
            if (!norm.empty() && NormalizedName(header[j]) == norm) {
                found = static_cast<int>(j);
            }
        }
        if (found < 0 && !part.empty() && part.size() <= 6 &&
            std::all_of(part.begin(), part.end(), IsDigit)) {
            const int number = std::stoi(std::string(part));
            if (number >= 1 && number <= columnCount) {
                found = number - 1;
            }
        }
        if (found < 0) {
            return false;
        }
        sources.push_back(found);
    }
    return true;
}

int CardColumnNamed(std::string_view name, const std::vector<std::string>& captions) {
    const std::string_view trimmed = TrimmedView(name);
    if (trimmed.size() > 1 && trimmed.size() <= 4 && (trimmed[0] == 'K' || trimmed[0] == 'k') &&
        std::all_of(trimmed.begin() + 1, trimmed.end(), IsDigit)) {
        const int col = std::stoi(std::string(trimmed.substr(1)));
        return col < static_cast<int>(captions.size()) ? col : -1;
    }
    const std::string norm = NormalizedName(trimmed);
    for (size_t c = 0; c < captions.size(); ++c) {
        if (!norm.empty() && NormalizedName(captions[c]) == norm) {
            return static_cast<int>(c);
        }
    }
    return -1;
}
