// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Customer lists in and out: "Import..." makes cards of a list from a spreadsheet or an office
// program, "Export..." writes cards into a workbook or a CSV file for them.

#include "core/files/Ansi.h"
#include "core/files/AtomicFile.h"
#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"
#include "core/files/ScopeExit.h"
#include "core/files/Utf8Path.h"
#include "core/files/uGlobal.h"
#include "core/interchange/CardExport.h"
#include "core/interchange/ForeignList.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/CardSelection.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "gui/files/uProgressFrm.h"
#include "gui/files/uUeberschreibFrm.h"
#include "gui/interchange/uImportBerichtFrm.h"
#include "gui/interchange/uImportFrm.h"
#include "platform/EventPump.h"
#include "platform/TextCodec.h"
#include "platform/XlsxExport.h"

#include <QFileInfo>
#include <QStatusBar>
#include <QTableView>

#include <fstream>
#include <map>
#include <memory>

namespace {

// The settings file's section for the mapping of the last import, one key per card column.
const char* const kImportSection = "Import";

// From this many rows on the import shows its progress.
constexpr size_t kProgressFrom = 20000;

std::vector<std::string> CaptionsOf(const CardTable& table) {
    std::vector<std::string> captions;
    for (int col = 0; col < table.ColCount(); ++col) {
        captions.push_back(AnsiToUtf8(table.Cell(col, 0)));
    }
    return captions;
}

std::map<int, std::string> RememberedMapping(int colCount) {
    std::map<int, std::string> remembered;
    const IniFile ini(SettingsFileName());
    for (int col = 0; col < colCount; ++col) {
        const std::string text = ini.ReadString(kImportSection, "K" + std::to_string(col), "");
        if (!text.empty()) {
            remembered[col] = AnsiToUtf8(text);
        }
    }
    return remembered;
}

// Every key written is a write of the whole file: columns without a source and without an
// earlier entry get none.
void RememberMapping(const std::vector<std::string>& texts) {
    try {
        IniFile ini(SettingsFileName());
        for (size_t col = 0; col < texts.size(); ++col) {
            const std::string key = "K" + std::to_string(col);
            if (!texts[col].empty() || ini.ValueExists(kImportSection, key)) {
                ini.WriteString(kImportSection, key, Utf8ToAnsiLossy(texts[col]));
            }
        }
    } catch (const EInOutError&) {
        // A settings file that cannot be written was reported at the start; the import goes on
        // without remembering its mapping.
    }
}

QString Suffix(const std::string& fileName) {
    return QFileInfo(FromUtf8(fileName)).suffix().toLower();
}

} // namespace

bool TMainFrm::LooksLikeList(const std::string& fileName) const {
    std::ifstream in(PathFromUtf8(fileName), std::ios::binary);
    std::string head(64 * 1024, '\0');
    in.read(head.data(), static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<size_t>(in.gcount()));
    return LooksLikeForeignList(head, CaptionsOf(Cards()));
}

void TMainFrm::Import1Click() {
    ImportDialog.Title = QStringLiteral("Liste importieren");
    ImportDialog.Filter = QStringLiteral("Listen (*.csv *.CSV *.txt *.TXT *.xlsx *.ods);;"
                                         "Alle Dateien (*)");
    ImportDialog.FileMustExist = true;
    if (!ImportDialog.Execute(this)) {
        return;
    }
    ImportList(ToUtf8(ImportDialog.FileName));
}

bool TMainFrm::ImportList(const std::string& fileName, bool askAboutChanges) {
    const std::vector<std::string> captions = CaptionsOf(Cards());
    std::unique_ptr<ImportSource> source;
    try {
        source = std::make_unique<ImportSource>(fileName);
    } catch (const EImportError& e) {
        ShowMsg(FromUtf8(e.what()));
        return false;
    }
    TImportFrm dialog(*source, captions, RememberedMapping(Cards().ColCount()), this);
    if (!dialog.Execute()) {
        return false;
    }
    RememberMapping(dialog.MappingTexts());
    const bool append = dialog.Append();
    // Replacing the table loses its unsaved changes; they may be saved first, as "Öffnen..."
    // offers. A save that did not happen ends the import.
    if (!append && askAboutChanges && AskSaveChanges()) {
        SaveCardFileAs();
        if (document_.Changed()) {
            return false;
        }
    }
    const SourceRows* rows = nullptr;
    try {
        rows = &dialog.Rows();
    } catch (const EImportError& e) {
        ShowMsg(FromUtf8(e.what()));
        return false;
    }

    const bool showProgress = rows->size() >= kProgressFrom;
    SetCommandsEnabled(false);
    ScopeExit restore([this] {
        ProgressFrm->hide();
        SetCommandsEnabled(true);
    });
    if (showProgress) {
        ProgressFrm->show();
        ProgressFrm->StartProgress(static_cast<int>(rows->size()));
        ProgressFrm->ShowProgress(0);
        HandlePendingMessages();
    }
    unsigned int lastPump = TickCount();
    const ImportResult result =
        ImportCards(*rows, dialog.Plan(), Cards().ColCount(), [&](size_t done) {
            if (!showProgress || TickCount() - lastPump < 10) {
                return;
            }
            ProgressFrm->ShowProgress(static_cast<int>(done));
            HandlePendingMessages();
            lastPump = TickCount();
        });
    ProgressFrm->hide();

    TImportBerichtFrm report(result.report, captions, this);
    if (result.cards.empty()) {
        // Nothing to replace the cards with: the table stays as it was.
        report.Execute();
        return false;
    }
    int first = 1;
    gridModel_->BeginChange();
    if (!append) {
        Cards().SetRowCount(1);
    }
    first = Cards().RowCount();
    for (const CardTable::Row& card : result.cards) {
        Cards().AppendRow(card);
    }
    gridModel_->EndChange();
    if (!append) {
        // The imported cards belong to no card file yet: "Speichern" asks for one.
        document_.SetFileName(std::string());
        SetPlainTitle();
    }
    document_.SetChanged(true);
    ShowCardPage();
    SetCurrentCell(0, first);
    RefreshMeasurementView(first);
    report.Execute();
    return true;
}

void TMainFrm::Export1Click() {
    const std::vector<int> rows =
        RowsToExport(Cards(), SelectedCardRows(*StringGrid1->selectionModel(), Cards().ColCount()));
    if (rows.empty()) {
        ShowMsg(QStringLiteral("Die Tabelle enthält keine Karten zum Exportieren."));
        return;
    }
    ExportDialog.Title = rows.size() + 1 == static_cast<size_t>(Cards().RowCount())
                             ? QStringLiteral("Alle Karten exportieren")
                             : QStringLiteral("%1 ausgewählte Karten exportieren").arg(rows.size());
    ExportDialog.Filter = QStringLiteral("Excel-Arbeitsmappe (*.xlsx);;CSV-Datei (*.csv)");
    ExportDialog.DefaultExt = QStringLiteral("xlsx");
    // The file-exists dialog asks instead.
    ExportDialog.OverwritePrompt = false;
    if (!ExportDialog.Execute(this)) {
        return;
    }
    const std::string fileName = ToUtf8(ExportDialog.FileName);
    const QString suffix = Suffix(fileName);
    if (suffix != QStringLiteral("xlsx") && suffix != QStringLiteral("csv")) {
        ShowMsg(QStringLiteral("Exportiert wird in eine Excel-Arbeitsmappe (.xlsx) oder eine "
                               "CSV-Datei (.csv)."));
        return;
    }
    TSaveMode mode = smOverwrite;
    if (FileExists(fileName)) {
        mode = UeberschreibFrm->Ask();
        if (mode == smCancel) {
            return;
        }
        if (mode == smAppend && suffix == QStringLiteral("xlsx")) {
            ShowMsg(QStringLiteral("An eine Excel-Arbeitsmappe kann nicht angehängt werden. "
                                   "Bitte „Überschreiben“ oder einen anderen Namen wählen."));
            return;
        }
    }
    ExportCards(fileName, rows, mode);
    statusBar()->showMessage(QStringLiteral("%1 Karten exportiert nach %2")
                                 .arg(FromUtf8(GroupedNumber(static_cast<long long>(rows.size()))),
                                      QFileInfo(FromUtf8(fileName)).fileName()),
                             10000);
}

void TMainFrm::ExportCards(const std::string& fileName, const std::vector<int>& rows,
                           TSaveMode mode) {
    std::string bytes;
    if (Suffix(fileName) == QStringLiteral("xlsx")) {
        bytes = CardsXlsx(Cards(), rows);
    } else if (mode == smAppend) {
        std::string old;
        ReadWholeFile(fileName, old);
        bytes = AppendedText(old, CardsCsv(Cards(), rows, false));
    } else {
        bytes = CardsCsv(Cards(), rows);
    }
    ReplaceFileContents(fileName, bytes);
}
