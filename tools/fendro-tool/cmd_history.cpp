// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// history: a customer's measurements from the card files of a folder, as a table for
// spreadsheets and as the printed page.

#include "Commands.h"
#include "OptionArgs.h"
#include "PdfOutput.h"

#include "core/files/Ansi.h"
#include "core/files/AtomicFile.h"
#include "core/files/ColumnDefs.h"
#include "core/files/Utf8Path.h"
#include "core/history/HistoryPage.h"
#include "core/history/HistoryTable.h"
#include "core/history/MeasurementHistory.h"
#include "platform/TextCodec.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

namespace {

const char* const kUsage =
    "history FOLDER NAME STREET TOWN [--csv OUTFILE] [--pdf OUTFILE] [--dta COLUMNFILE]";

void WritePdf(const std::string& pdfFile, const History& history, const std::string& customer,
              const CardTable::Row& captions) {
    PrintIntoPdf(pdfFile,
                 [&](PrintCanvas& canvas) { PrintHistory(canvas, history, customer, captions); });
}

} // namespace

int CmdHistory(const Args& args) {
    const std::optional<OptionArgs> parsed = ParseOptionArgs(args, {"--csv", "--pdf", "--dta"});
    if (!parsed || parsed->positional.size() != 4) {
        return UsageError(kUsage);
    }
    try {
        OffscreenApp app;
        const std::string& folder = parsed->positional[0];
        std::error_code ec;
        if (!std::filesystem::is_directory(PathFromUtf8(folder), ec)) {
            return Failure("Ordner " + folder + " nicht gefunden");
        }
        const std::string dta = DtaOrDefault(*parsed);
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
        if (parsed->Value("--csv").empty()) {
            std::fwrite(table.data(), 1, table.size(), stdout);
        } else {
            ReplaceFileContents(parsed->Value("--csv"), table);
        }
        if (!parsed->Value("--pdf").empty()) {
            WritePdf(parsed->Value("--pdf"), history, CustomerLine(card), layout.captions);
        }
        // Nothing found is no error: the table is empty, and the user is told why.
        const bool none = history.entries.empty() && history.withoutDate == 0;
        for (const std::string& note :
             {std::string(none ? "Keine Karten zu diesem Kunden gefunden." : ""),
              WithoutDateText(history.withoutDate), SkippedText(history.skipped)}) {
            if (!note.empty()) {
                std::fprintf(stderr, "%s\n", note.c_str());
            }
        }
        return 0;
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
