// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What an import did: how many cards it made, which rows it skipped, and every field it had to
// change, so that the user can check each of them.

#include <string>
#include <vector>

struct FieldChange {
    int row = 0;          // the row of the list, 1-based as a spreadsheet counts it
    int col = 0;          // the card column
    std::string before;   // UTF-8, as the list has it
    std::string after;    // UTF-8, as the card holds it
    unsigned changes = 0; // FitChange bits
};

struct ImportReport {
    int imported = 0;
    int skippedEmpty = 0;
    int cutFields = 0;      // fields cut to their limit
    int adjustedFields = 0; // fields changed otherwise
    int invalidFields = 0;  // values left empty
    std::vector<FieldChange> changes;

    void Add(FieldChange change);
};

// A count with points between thousands, "2.500".
std::string GroupedNumber(long long n);

// "2.500 Karten importiert, 817 Felder gekürzt, 3 Zeilen übersprungen (leer)", with the fields
// changed otherwise and the values left empty named where there are any.
std::string ReportSummary(const ImportReport& report);

// The report as a CSV file for German spreadsheet programs: UTF-8 with a byte order mark, ";",
// the summary line, then one line per changed field under the header
// "Zeile;Spalte;Vorher;Nachher;Änderung". `captions` name the card columns (UTF-8).
std::string ReportCsv(const ImportReport& report, const std::vector<std::string>& captions);
