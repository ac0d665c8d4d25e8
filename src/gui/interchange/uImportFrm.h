// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The import dialog: how the list is read (encoding, separator, sheet, header line), which
// source columns fill each card column, a preview of the first cards exactly as they will be,
// and whether the cards replace the table or are added to it.

#include "core/interchange/CardImport.h"
#include "platform/ImportSource.h"

#include <QDialog>

#include <array>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

class TImportFrm : public QDialog {
    Q_OBJECT
public:
    // How many source columns one card column may join.
    static constexpr int kJoined = 3;
    // How many cards the preview shows.
    static constexpr int kPreviewRows = 20;

    // `captions` name the card columns (UTF-8); `remembered` holds the mapping of the last
    // import by card column, as SourcesText writes it.
    TImportFrm(ImportSource& source, std::vector<std::string> captions,
               std::map<int, std::string> remembered, QWidget* parent = nullptr);

    // Shows the dialog; true for "Importieren".
    bool Execute();

    SourceChoice Choice() const;
    ImportPlan Plan() const;
    // Whether the cards are added to the table rather than replacing it.
    bool Append() const;
    // The rows as the dialog reads them now. Throws EImportError.
    const SourceRows& Rows();
    // The header names of the list, or none without a header line.
    std::vector<std::string> Header();
    // The mapping as the settings file keeps it, one text per card column.
    std::vector<std::string> MappingTexts();

    QComboBox* Kodierung = nullptr;
    QComboBox* Trennzeichen = nullptr;
    QComboBox* Tabellenblatt = nullptr;
    QCheckBox* Kopfzeile = nullptr;
    QComboBox* Modus = nullptr;
    QLabel* Meldung = nullptr;
    QTableWidget* Vorschau = nullptr;
    // Quelle<col>_<k>: the k-th source column (1 to kJoined) of card column col.
    std::vector<std::array<QComboBox*, kJoined>> Quellen;

private:
    void BuildWindow();
    // The rows were read anew: the column choices, the header and the mapping follow them.
    void ReadRows(bool proposeMapping);
    void FillSourceChoices();
    void SetMapping(const ColumnMapping& mapping);
    ColumnMapping InitialMapping();
    void UpdatePreview();

    ImportSource& source_;
    std::vector<std::string> captions_;
    std::map<int, std::string> remembered_;
    const SourceRows* rows_ = nullptr;
    bool updating_ = false;
};
