// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// customer: a customer's request served over a folder of card files, the printed information or
// the deletion (or anonymisation) of every card, with a line in the folder's deletion log.

#include "Commands.h"
#include "OptionArgs.h"
#include "PdfOutput.h"

#include "core/customer/CustomerCards.h"
#include "core/customer/CustomerErasure.h"
#include "core/customer/CustomerReport.h"
#include "core/customer/ErasureLog.h"
#include "core/files/Ansi.h"
#include "core/files/AtomicFile.h"
#include "core/files/ColumnDefs.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"
#include "core/history/MeasurementHistory.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

namespace {

const char* const kUsage = "customer FOLDER NAME STREET TOWN report PDFFILE [--dta COLUMNFILE]\n"
                           "       fendro-tool customer FOLDER NAME STREET TOWN forget "
                           "[--anonymise]";

int Report(const std::string& folder, const CustomerKey& customer, const std::string& pdfFile,
           const std::string& dta) {
    OffscreenApp app;
    if (!FileExists(dta)) {
        return Failure("Datei " + dta + " nicht gefunden");
    }
    const GridLayout layout = BuildGridLayout(ReadColumnDefinitions(dta));
    const CustomerCards found = FindCustomerCards(customer, nullptr, std::string(), false, folder,
                                                  static_cast<int>(layout.captions.size()));
    const CustomerReport report = BuildCustomerReport(found, layout.captions, SystemToday());
    PrintIntoPdf(pdfFile, [&](PrintCanvas& canvas) { PrintCustomerReport(canvas, report); });
    if (found.Count() == 0) {
        std::fprintf(stderr, "Keine Karten zu diesem Kunden gefunden.\n");
    }
    if (!found.skipped.empty()) {
        std::fprintf(stderr, "%s\n", SkippedText(found.skipped).c_str());
    }
    return 0;
}

int Forget(const std::string& folder, const CardTable::Row& cells, ErasureKind kind) {
    const CustomerKey customer = CustomerOf(cells);
    const ErasureStamp stamp = SystemStamp();
    const std::vector<ErasureOutcome> outcomes =
        EraseInFiles(RequestFiles(folder), customer, kind, AnonymousCustomer(stamp.date));
    const char* done = kind == ErasureKind::Delete ? "gel\xC3\xB6scht" : "anonymisiert";
    for (const ErasureOutcome& o : outcomes) {
        if (o.state == ErasureOutcome::Done) {
            std::printf("%s: %d %s %s\n", FileNameOf(o.file).c_str(), o.cards,
                        o.cards == 1 ? "Karte" : "Karten", done);
        }
    }
    if (outcomes.empty()) {
        std::fprintf(stderr, "Keine Karten zu diesem Kunden gefunden.\n");
        return 0;
    }
    // The log says what was done, also when a file failed.
    int code = 0;
    const std::string problems = ErasureProblems(outcomes);
    if (!problems.empty()) {
        std::fputs(problems.c_str(), stderr);
        code = AllDone(outcomes) ? 0 : 1;
    }
    try {
        AppendErasureLog(folder, ErasureLogLine(stamp, kind, outcomes, 0, cells));
    } catch (const EInOutError&) {
        return Failure("Das L\xC3\xB6schprotokoll " + folder + "/" + kErasureLogName +
                       " kann nicht geschrieben werden.");
    }
    return code;
}

} // namespace

int CmdCustomer(const Args& args) {
    const std::optional<OptionArgs> parsed = ParseOptionArgs(args, {"--dta"}, {"--anonymise"});
    if (!parsed || parsed->positional.size() < 5) {
        return UsageError(kUsage);
    }
    const std::vector<std::string>& p = parsed->positional;
    const bool report = p[4] == "report" && p.size() == 6 && p[5] != "--anonymise";
    const bool forget = p[4] == "forget" && parsed->Value("--dta").empty() &&
                        (p.size() == 5 || (p.size() == 6 && p[5] == "--anonymise"));
    // The customer is typed in UTF-8; the cards hold Windows-1252.
    const CardTable::Row cells = {Utf8ToAnsiLossy(p[1]), Utf8ToAnsiLossy(p[2]),
                                  Utf8ToAnsiLossy(p[3])};
    if ((!report && !forget) || CustomerOf(cells) == CustomerKey()) {
        return UsageError(kUsage);
    }
    try {
        std::error_code ec;
        if (!std::filesystem::is_directory(PathFromUtf8(p[0]), ec)) {
            return Failure("Ordner " + p[0] + " nicht gefunden");
        }
        if (report) {
            return Report(p[0], CustomerOf(cells), p[5], DtaOrDefault(*parsed));
        }
        return Forget(p[0], cells, p.size() == 6 ? ErasureKind::Anonymise : ErasureKind::Delete);
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
