// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The card-line reader and SplitLine on arbitrary bytes: the pieces put back together give the
// line again, and no line holds a CR or reaches past byte 26.

#include "core/files/CardFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const size_t end = std::min(text.find('\x1A'), text.size());
    size_t covered = 0;
    std::vector<std::string> fields;
    ForEachCardLine(text, [&](std::string_view line) {
        if (line.find('\r') != std::string_view::npos ||
            line.find('\x1A') != std::string_view::npos) {
            std::abort();
        }
        covered += line.size();
        const int n = SplitLine(fields, ",", line);
        std::string joined;
        for (int i = 0; i < n; ++i) {
            joined += (i ? "," : "") + fields[static_cast<size_t>(i)];
        }
        if (n < 1 || joined != line) {
            std::abort();
        }
    });
    if (covered > end) {
        std::abort();
    }
    return 0;
}
