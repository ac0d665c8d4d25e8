// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// certificate: the measurement certificates of one card or of every measured card, into an A4 PDF
// file, as "Datei / Messbescheinigung drucken..." prints them.

#include "Commands.h"
#include "OptionArgs.h"
#include "PdfOutput.h"

#include "core/certificate/CertificatePage.h"
#include "core/files/AtomicFile.h"
#include "core/files/IniFile.h"

#include <exception>
#include <optional>

namespace {

const char* const kUsage =
    "certificate CSVFILE CARDNUMBER|--all PDFFILE [--dta COLUMNFILE] [--ini SETTINGSFILE]";

} // namespace

int CmdCertificate(const Args& args) {
    const std::optional<OptionArgs> parsed = ParseOptionArgs(args, {"--dta", "--ini"}, {"--all"});
    if (!parsed || parsed->positional.size() != 3 || parsed->positional[0] == "--all" ||
        parsed->positional[2] == "--all" ||
        (parsed->positional[1] != "--all" && !IsDigits(parsed->positional[1]))) {
        return UsageError(kUsage);
    }
    const bool all = parsed->positional[1] == "--all";
    try {
        OffscreenApp app;
        const CardTable table = ReadCardTable(parsed->positional[0], DtaOrDefault(*parsed));
        std::vector<int> rows;
        if (all) {
            rows = MeasuredRows(table);
            if (rows.empty()) {
                return Failure("keine Karte mit Messdatum in " + parsed->positional[0]);
            }
        } else {
            const int cards = table.RowCount() - 1;
            int number = 0;
            if (!ParseCardNumber(parsed->positional[1], cards, number)) {
                return Failure("Karte \"" + parsed->positional[1] +
                               "\" gibt es nicht: die Datei hat " + std::to_string(cards) +
                               " Karten");
            }
            if (!HasMeasurementDate(table, number)) {
                return Failure("Karte " + std::to_string(number) +
                               " hat kein Messdatum: ohne Messung gibt es keine Messbescheinigung");
            }
            rows.push_back(number);
        }
        // Without a settings file the fuel table has its first-start names and no sweep's
        // address stands at the top.
        const std::string iniFile =
            parsed->Value("--ini").empty() ? DefaultSettingsFile() : parsed->Value("--ini");
        if (!parsed->Value("--ini").empty() && !FileExists(iniFile)) {
            return Failure("Datei " + iniFile + " nicht gefunden");
        }
        const IniFile ini(iniFile);
        CertificateContext context = ReadCertificateContext(ini);
        // The legal basis looks for the customer's earlier cards beside the file.
        context.cardFileName = parsed->positional[0];
        return PrintIntoPdf(parsed->positional[2], [&](PrintCanvas& canvas) {
            PrintCertificates(canvas, table, rows, context);
        });
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
