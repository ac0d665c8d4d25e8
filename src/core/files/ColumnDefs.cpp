// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/ColumnDefs.h"

#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"

#include <algorithm>
#include <climits>

namespace {
constexpr size_t kMaxDefinitionLength = 255;
}

std::string GetDefCaption(std::string_view value) {
    const size_t c1 = value.find(',');
    return c1 == std::string_view::npos ? std::string() : std::string(value.substr(0, c1));
}

std::string GetDefPage(std::string_view value) {
    const size_t c1 = value.find(',');
    if (c1 == std::string_view::npos) {
        return {};
    }
    const size_t c2 = value.find(',', c1 + 1);
    return c2 == std::string_view::npos ? std::string()
                                        : std::string(value.substr(c1 + 1, c2 - c1 - 1));
}

std::string GetDefWidth(std::string_view value) {
    const size_t c1 = value.find(',');
    if (c1 == std::string_view::npos) {
        return {};
    }
    const size_t c2 = value.find(',', c1 + 1);
    return c2 == std::string_view::npos ? std::string() : std::string(value.substr(c2 + 1));
}

std::vector<std::string> ReadColumnDefinitions(const std::string& fileName) {
    const IniFile ini(fileName);
    std::vector<std::string> values;
    for (auto& [key, value] : ini.ReadSectionValues("CSVGER")) {
        if (value.empty()) {
            continue;
        }
        values.push_back(value.substr(0, kMaxDefinitionLength));
    }
    return values;
}

int StrToInt(std::string_view text) {
    int value = 0;
    // Leading blanks are skipped, trailing ones make the text invalid.
    if (text.empty() || text.back() == ' ' || text.back() == '\t' ||
        !ParseIniInteger(text, value)) {
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    }
    return value;
}

GridLayout BuildGridLayout(const std::vector<std::string>& values) {
    GridLayout layout;
    for (const std::string& value : values) {
        const std::string page = GetDefPage(value);
        layout.captions.push_back(GetDefCaption(value));
        int width = -1;
        if (page == "Page1") {
            // A hostile width must not overflow; the fixed widths replace it anyway.
            const long long pixels = static_cast<long long>(StrToInt(GetDefWidth(value))) * 7;
            width = static_cast<int>(std::clamp<long long>(pixels, INT_MIN, INT_MAX));
        } else if (page == "Page2") {
            layout.valueCaptions.push_back(GetDefCaption(value));
        }
        layout.provisionalWidths.push_back(width);
    }
    return layout;
}
