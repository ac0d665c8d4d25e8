// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// print-list and print-card: the program's printouts of a card file, into an A4 PDF file.

#include "Commands.h"
#include "OptionArgs.h"
#include "PdfOutput.h"

#include "core/files/CardTable.h"
#include "core/printing/PrintLayout.h"

#include <exception>
#include <optional>

namespace {

const char* const kListUsage = "print-list CSVFILE PDFFILE [--dta COLUMNFILE]";
const char* const kCardUsage = "print-card CSVFILE CARDNUMBER PDFFILE [--dta COLUMNFILE]";

// The card grid's fixed screen widths of the name and street columns.
constexpr int kNameWidth = 130;
constexpr int kStreetWidth = 130;

} // namespace

int CmdPrintList(const Args& args) {
    const std::optional<OptionArgs> parsed = ParseOptionArgs(args, {"--dta"});
    if (!parsed || parsed->positional.size() != 2) {
        return UsageError(kListUsage);
    }
    try {
        OffscreenApp app;
        const std::string& csv = parsed->positional[0];
        const CardTable table = ReadCardTable(csv, DtaOrDefault(*parsed));
        return PrintIntoPdf(parsed->positional[1], [&](PrintCanvas& canvas) {
            PrintList(canvas, table, ListPrintTitle(csv), poPortrait, kNameWidth, kStreetWidth);
        });
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}

int CmdPrintCard(const Args& args) {
    const std::optional<OptionArgs> parsed = ParseOptionArgs(args, {"--dta"});
    // A card number that is no number is a wrong call, like a missing argument.
    if (!parsed || parsed->positional.size() != 3 || !IsDigits(parsed->positional[1])) {
        return UsageError(kCardUsage);
    }
    try {
        OffscreenApp app;
        const CardTable table = ReadCardTable(parsed->positional[0], DtaOrDefault(*parsed));
        const int cards = table.RowCount() - 1;
        int number = 0;
        if (!ParseCardNumber(parsed->positional[1], cards, number)) {
            return Failure("Karte \"" + parsed->positional[1] + "\" gibt es nicht: die Datei hat " +
                           std::to_string(cards) + " Karten");
        }
        return PrintIntoPdf(parsed->positional[2], [&](PrintCanvas& canvas) {
            PrintCard(canvas, table, kCardPrintTitle, number, poPortrait);
        });
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
