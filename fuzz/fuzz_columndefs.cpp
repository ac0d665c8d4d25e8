// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The column definition file on arbitrary contents: reading never fails, a bad "Page1" width is
// the one expected error, and the layout agrees with the definitions it came from.

#include "FuzzSupport.h"
#include "core/files/ColumnDefs.h"
#include "core/files/FileErrors.h"

#include <climits>
#include <cstdint>

namespace {

bool HasNulWidth(const std::vector<std::string>& values) {
    for (const std::string& v : values) {
        if (GetDefPage(v) == "Page1" && GetDefWidth(v).find('\0') != std::string::npos) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::string path = FuzzFile("dta");
    WriteFuzzFile(path, data, size);

    const std::vector<std::string> values = ReadColumnDefinitions(path);
    size_t page2 = 0;
    for (const std::string& v : values) {
        FUZZ_CHECK(!v.empty() && v.size() <= 255);
        // The three fields and their separating commas make up the whole value.
        const std::string caption = GetDefCaption(v);
        const std::string page = GetDefPage(v);
        const std::string width = GetDefWidth(v);
        if (v.find(',') != std::string::npos && v.find(',', v.find(',') + 1) != std::string::npos) {
            FUZZ_CHECK(caption + "," + page + "," + width == v);
        }
        page2 += page == "Page2" ? 1 : 0;
    }
    try {
        const GridLayout layout = BuildGridLayout(values);
        FUZZ_CHECK(layout.captions.size() == values.size());
        FUZZ_CHECK(layout.provisionalWidths.size() == values.size());
        FUZZ_CHECK(layout.valueCaptions.size() == page2);
        for (size_t i = 0; i < values.size(); ++i) {
            FUZZ_CHECK(layout.captions[i] == GetDefCaption(values[i]));
            if (GetDefPage(values[i]) == "Page1") {
                // Widths whose pixel value overflows are the layout's own choice.
                const long long w = StrToInt(GetDefWidth(values[i]));
                if (w * 7 >= INT_MIN && w * 7 <= INT_MAX) {
                    FUZZ_CHECK(layout.provisionalWidths[i] == w * 7);
                }
            } else {
                FUZZ_CHECK(layout.provisionalWidths[i] == -1);
            }
        }
    } catch (const EConvertError& e) {
        // what() ends at a NUL byte of the width text; the message is complete only without one.
        const std::string message = e.what();
        FUZZ_CHECK(message.rfind("'", 0) == 0);
        FUZZ_CHECK(message.find("is not a valid integer value") != std::string::npos ||
                   HasNulWidth(values));
    }
    return 0;
}
