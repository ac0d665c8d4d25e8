// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// ImportTransferFile on an arbitrary file: one card line of 25 fields per line read.

#include "FuzzFiles.h"
#include "core/exchange/TransferFile.h"
#include "core/exchange/TransferLines.h"
#include "core/files/CardFile.h"

#include <cstdlib>

namespace {
struct Sink : TransferLines {
    void AddTransferLine(const std::string&) override { ++count; }
    void ReplaceTransferLine(const std::string&) override {}
    int count = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    const std::string in = FuzzFile("T7QKX.TXT");
    const std::string out = FuzzFile("karten.csv");
    WriteFuzzFile(in, data, size);
    Sink sink;
    ImportTransferFile(in, out, sink);
    int inLines = 0;
    ForEachCardLine(std::string_view(reinterpret_cast<const char*>(data), size),
                    [&](std::string_view) { ++inLines; });
    int outLines = 0;
    bool wide = true;
    std::vector<std::string> parts;
    ForEachCardLine(ReadFuzzFile(out), [&](std::string_view l) {
        ++outLines;
        wide = wide && SplitLine(parts, ",", l) == kCardLineFields;
    });
    if (sink.count != 1 || outLines != inLines || !wide) {
        std::abort();
    }
    return 0;
}
