// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// history: a customer's measurements from the card files of a folder, as a table for
// spreadsheets and as the printed page.

#include "Commands.h"
#include "PdfOutput.h"

#include "files/Ansi.h"
#include "files/AtomicFile.h"
#include "files/ColumnDefs.h"
#include "history/HistoryPage.h"
#include "history/HistoryTable.h"
#include "history/MeasurementHistory.h"
#include "platform/TextCodec.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

namespace {

const char* const kUsage =
    "history FOLDER NAME STREET TOWN [--csv OUTFILE] [--pdf OUTFILE] [--dta COLUMNFILE]";

struct HistoryArgs {
    std::vector<std::string> positional;
    std::string csv;
    std::string pdf;
    std::string dta;
};

std::optional<HistoryArgs> ParseArgs(const Args& args) {
    HistoryArgs out;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string* option = args[i] == "--csv"   ? &out.csv
                              : args[i] == "--pdf" ? &out.pdf
                              : args[i] == "--dta" ? &out.dta
                                                   : nullptr;
        if (option != nullptr) {
            if (i + 1 >= args.size() || !option->empty()) {
                return std::nullopt;
            }
            *option = args[++i];
        } else if (args[i].size() > 1 && args[i][0] == '-') {
            return std::nullopt;
        } else {
            out.positional.push_back(args[i]);
        }
    }
    if (out.positional.size() != 4) {
        return std::nullopt;
    }
    return out;
}

void WritePdf(const std::string& pdfFile, const History& history, const std::string& customer,
              const CardTable::Row& captions) {
    PrintIntoPdf(pdfFile,
                 [&](PrintCanvas& canvas) { PrintHistory(canvas, history, customer, captions); });
}

} // namespace

int CmdHistory(const Args& args) {
    const std::optional<HistoryArgs> parsed = ParseArgs(args);
    if (!parsed) {
        return UsageError(kUsage);
    }
    try {
        OffscreenApp app;
        const std::string& folder = parsed->positional[0];
        std::error_code ec;
        if (!std::filesystem::is_directory(std::filesystem::u8path(folder), ec)) {
            return Failure("Ordner " + folder + " nicht gefunden");
        }
        const std::string dta = parsed->dta.empty() ? DefaultDta() : parsed->dta;
        if (!FileExists(dta)) {
            return Failure("Datei " + dta + " nicht gefunden");
        }
        const GridLayout layout = BuildGridLayout(ReadColumnDefinitions(dta));
        // The customer is typed in UTF-8; the cards hold Windows-1252.
        const CardTable::Row card = {Utf8ToAnsiLossy(parsed->positional[1]),
                                     Utf8ToAnsiLossy(parsed->positional[2]),
                                     Utf8ToAnsiLossy(parsed->positional[3])};
        const History history = GatherHistory(CustomerOf(card), nullptr, std::string(), folder,
                                              static_cast<int>(layout.captions.size()));
        const std::string table = HistoryCsv(history, layout.captions);
        if (parsed->csv.empty()) {
            std::fwrite(table.data(), 1, table.size(), stdout);
        } else {
            ReplaceFileContents(parsed->csv, table);
        }
        if (!parsed->pdf.empty()) {
            WritePdf(parsed->pdf, history, CustomerLine(card), layout.captions);
        }
        for (const std::string& note :
             {WithoutDateText(history.withoutDate), SkippedText(history.skipped)}) {
            if (!note.empty()) {
                std::fprintf(stderr, "%s\n", note.c_str());
            }
        }
        return 0;
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
