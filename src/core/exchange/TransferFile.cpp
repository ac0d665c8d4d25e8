// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/TransferFile.h"

#include "core/exchange/TransferLines.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/FileErrors.h"

namespace {

using R = TDatenSatz_T7Q;

struct FieldSlot {
    int field;
    R::Slot slot;
};

const FieldSlot kImportFields[] = {
    {0, R::Date},           {1, R::Time},         {2, R::O2},           {3, R::Text30},
    {4, R::Text49},         {12, R::FlueGasTemp}, {13, R::AirTemp},     {14, R::Signed35},
    {15, R::CO2},           {16, R::Efficiency},  {17, R::FlueGasLoss}, {18, R::ExcessAir},
    {22, R::ConcUndiluted}, {24, R::Tenths152},   {25, R::Text54},      {31, R::FuelName},
    {32, R::Char43},        {33, R::Char42},      {34, R::Char41},      {35, R::YesNo40},
    {36, R::CustomerName},  {37, R::Street},      {38, R::Town},        {40, R::Text157},
    {41, R::Signed162}};

} // namespace

std::string TransferLineForCard(const std::vector<std::string>& cardFields, int fieldCount) {
    auto field = [&](int i) -> const std::string& {
        static const std::string empty;
        return i < fieldCount ? cardFields[static_cast<size_t>(i)] : empty;
    };
    std::string line(36, ',');
    line += field(0);
    line += ',';
    line += field(1);
    line += ',';
    line += field(2);
    if (line.size() < kTransferLineLength) {
        line.append(kTransferLineLength - line.size(), ',');
    }
    return line;
}

TDatenSatz_T7Q RecordFromTransferLine(std::string_view line) {
    std::vector<std::string> fields;
    const int n = SplitLine(fields, ",", line);
    R r;
    for (const FieldSlot& fs : kImportFields) {
        if (fs.field < n) {
            // A line break inside a field would end the card early when the card file is read.
            r[fs.slot] = CardSafe(fields[static_cast<size_t>(fs.field)]);
        }
    }
    const std::string_view flag = TrimControls(r[R::YesNo40]);
    if (flag == "0") {
        r[R::YesNo40] = "NEIN";
    } else if (flag.empty()) {
        r[R::YesNo40] = "---";
    } else if (flag == "1") {
        r[R::YesNo40] = "JA";
    }
    return r;
}

void ExportTransferFile(const std::string& transferFile, const std::string& cardFile,
                        TransferLines& lines) {
    std::string data;
    if (!ReadWholeFile(cardFile, data)) {
        return;
    }
    std::string out;
    std::vector<std::string> fields;
    ForEachCardLine(data, [&](std::string_view line) {
        const int n = SplitLine(fields, ",", line);
        out += TransferLineForCard(fields, n);
        out += "\r\n";
    });
    ReplaceFileContents(transferFile, out);
    lines.AddTransferLine("Daten gespeichert");
}

void ImportTransferFile(const std::string& transferFile, const std::string& cardFile,
                        TransferLines& lines, const PauseFunction& pause) {
    std::string data;
    if (!ReadWholeFile(transferFile, data)) {
        throw EInOutError(UnableToReadMessage(transferFile));
    }
    std::string out;
    ForEachCardLine(data, [&](std::string_view line) {
        const TDatenSatz_T7Q record = RecordFromTransferLine(line);
        if (pause) {
            pause(1);
        }
        WriteCardLine(out, record, false);
    });
    ReplaceFileContents(cardFile, out);
    lines.AddTransferLine("Bearbeitung abgeschlossen");
}
