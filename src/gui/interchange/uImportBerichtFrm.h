// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The report after an import: how many cards, how many fields changed and rows skipped, and
// the list of every changed field, which can be saved as a CSV file.

#include "core/interchange/ImportReport.h"

#include <QDialog>

#include <string>
#include <vector>

class QLabel;
class QPushButton;
class QTableWidget;

class TImportBerichtFrm : public QDialog {
    Q_OBJECT
public:
    // `captions` name the card columns (UTF-8).
    TImportBerichtFrm(const ImportReport& report, std::vector<std::string> captions,
                      QWidget* parent = nullptr);

    void Execute();
    // "Bericht speichern...": asks for a file and writes the report there.
    void SaveReportClick();
    // Writes the report as CSV. Throws EInOutError.
    void SaveReport(const std::string& fileName) const;

    QLabel* Zusammenfassung = nullptr;
    QTableWidget* Liste = nullptr;
    QPushButton* Speichern = nullptr;

private:
    const ImportReport& report_;
    std::vector<std::string> captions_;
};
