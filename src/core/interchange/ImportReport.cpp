// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/interchange/ImportReport.h"

#include "core/interchange/CardFitting.h"
#include "core/interchange/CsvWriter.h"

#include <utility>

void ImportReport::Add(FieldChange change) {
    if ((change.changes & kFitInvalid) != 0) {
        ++invalidFields;
    } else if ((change.changes & kFitCut) != 0) {
        ++cutFields;
    } else {
        ++adjustedFields;
    }
    changes.push_back(std::move(change));
}

std::string GroupedNumber(long long n) {
    std::string digits = std::to_string(n < 0 ? -n : n);
    for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) {
        digits.insert(static_cast<size_t>(i), ".");
    }
    return (n < 0 ? "-" : "") + digits;
}

std::string ReportSummary(const ImportReport& report) {
    std::string text = GroupedNumber(report.imported) +
                       (report.imported == 1 ? " Karte importiert, " : " Karten importiert, ") +
                       GroupedNumber(report.cutFields) +
                       (report.cutFields == 1 ? " Feld gekürzt, " : " Felder gekürzt, ");
    if (report.adjustedFields > 0) {
        text += GroupedNumber(report.adjustedFields) +
                (report.adjustedFields == 1 ? " Feld angepasst, " : " Felder angepasst, ");
    }
    if (report.invalidFields > 0) {
        text += GroupedNumber(report.invalidFields) + (report.invalidFields == 1
                                                           ? " ungültiger Wert leer gelassen, "
                                                           : " ungültige Werte leer gelassen, ");
    }
    text +=
        GroupedNumber(report.skippedEmpty) +
        (report.skippedEmpty == 1 ? " Zeile übersprungen (leer)" : " Zeilen übersprungen (leer)");
    return text;
}

std::string ReportCsv(const ImportReport& report, const std::vector<std::string>& captions) {
    const char sep = ';';
    std::string out = kCsvUtf8Mark;
    out += CsvCell(ReportSummary(report), sep) + "\r\n";
    out += CsvLine({"Zeile", "Spalte", "Vorher", "Nachher", "Änderung"}, sep);
    for (const FieldChange& c : report.changes) {
        const std::string column = c.col >= 0 && static_cast<size_t>(c.col) < captions.size()
                                       ? captions[static_cast<size_t>(c.col)]
                                       : "K" + std::to_string(c.col);
        out += CsvLine({std::to_string(c.row), column, c.before, c.after, FitChangeText(c.changes)},
                       sep);
    }
    return out;
}
