// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// ConvertReceivedRecords on an arbitrary device file: one card line per whole record.

#include "FuzzFiles.h"
#include "core/exchange/SerialRecords.h"
#include "core/exchange/TransferLines.h"
#include "core/files/CardFile.h"
#include "core/files/uGlobal.h"

#include <cstdlib>

namespace {
struct Sink : TransferLines {
    void AddTransferLine(const std::string&) override { ++count; }
    void ReplaceTransferLine(const std::string&) override {}
    int count = 0;
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, size_t size) {
    static const bool once = [] {
        SetSettingsFileName(FuzzFile("fehlt.ini"));
        return true;
    }();
    (void)once;
    const std::string in = FuzzFile("geraet.dat");
    const std::string out = FuzzFile("karten.csv");
    WriteFuzzFile(in, data, size);
    Sink sink;
    const bool convert = size % 2 == 1;
    ConvertReceivedRecords(in, out, convert, sink, {}, [] { return CivilDate{2026, 1, 15}; });
    int outLines = 0;
    bool wide = true;
    std::vector<std::string> parts;
    ForEachCardLine(ReadFuzzFile(out), [&](std::string_view l) {
        ++outLines;
        wide = wide && SplitLine(parts, ",", l) == kCardLineFields;
    });
    if (sink.count != 1 || static_cast<size_t>(outLines) != size / kDeviceRecordSize || !wide) {
        std::abort();
    }
    return 0;
}
