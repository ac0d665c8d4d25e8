// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/interchange/uImportBerichtFrm.h"

#include "core/files/AtomicFile.h"
#include "core/interchange/CardFitting.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Dialogs.h"
#include "gui/app/TFileDialog.h"
#include "platform/TextCodec.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

// A list of a hundred thousand changes would take long to show; the saved report has them all.
constexpr size_t kShownChanges = 20000;

} // namespace

TImportBerichtFrm::TImportBerichtFrm(const ImportReport& report, std::vector<std::string> captions,
                                     QWidget* parent)
    : QDialog(parent), report_(report), captions_(std::move(captions)) {
    setObjectName(QStringLiteral("ImportBerichtFrm"));
    setWindowTitle(QStringLiteral("Import – Bericht"));
    Zusammenfassung = new QLabel(FromUtf8(ReportSummary(report)), this);
    Zusammenfassung->setObjectName(QStringLiteral("Zusammenfassung"));
    Zusammenfassung->setWordWrap(true);
    Zusammenfassung->setTextInteractionFlags(Qt::TextSelectableByMouse);

    Liste = new QTableWidget(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste->setColumnCount(5);
    Liste->setHorizontalHeaderLabels({QStringLiteral("Zeile"), QStringLiteral("Spalte"),
                                      QStringLiteral("Vorher"), QStringLiteral("Nachher"),
                                      QStringLiteral("Änderung")});
    Liste->verticalHeader()->hide();
    Liste->verticalHeader()->setDefaultSectionSize(18);
    const size_t shown = std::min(report.changes.size(), kShownChanges);
    Liste->setRowCount(static_cast<int>(shown));
    for (size_t i = 0; i < shown; ++i) {
        const FieldChange& c = report.changes[i];
        const int row = static_cast<int>(i);
        Liste->setItem(row, 0, new QTableWidgetItem(QString::number(c.row)));
        Liste->setItem(row, 1,
                       new QTableWidgetItem(static_cast<size_t>(c.col) < captions_.size()
                                                ? FromUtf8(captions_[static_cast<size_t>(c.col)])
                                                : QStringLiteral("K%1").arg(c.col)));
        Liste->setItem(row, 2, new QTableWidgetItem(FromUtf8(c.before)));
        Liste->setItem(row, 3, new QTableWidgetItem(FromUtf8(c.after)));
        Liste->setItem(row, 4, new QTableWidgetItem(FromUtf8(FitChangeText(c.changes))));
    }
    Liste->horizontalHeader()->setStretchLastSection(true);
    Liste->resizeColumnsToContents();
    auto* more = new QLabel(this);
    if (report.changes.size() > shown) {
        more->setText(QStringLiteral("Gezeigt werden die ersten %1 Änderungen; der gespeicherte "
                                     "Bericht enthält alle.")
                          .arg(shown));
    }

    auto* buttons = new QDialogButtonBox(this);
    Speichern =
        buttons->addButton(QStringLiteral("Bericht speichern..."), QDialogButtonBox::ActionRole);
    Speichern->setObjectName(QStringLiteral("Speichern"));
    Speichern->setEnabled(!report.changes.empty());
    QPushButton* close =
        buttons->addButton(QStringLiteral("Schließen"), QDialogButtonBox::AcceptRole);
    close->setDefault(true);
    connect(Speichern, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { SaveReportClick(); }); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Zusammenfassung);
    layout->addWidget(Liste, 1);
    layout->addWidget(more);
    layout->addWidget(buttons);
    resize(760, report.changes.empty() ? 160 : 480);
}

void TImportBerichtFrm::Execute() {
    if (DialogAnswers::AnswerForm(*this)) {
        return;
    }
    exec();
}

void TImportBerichtFrm::SaveReportClick() {
    static TFileDialog dialog(TFileDialog::Save);
    dialog.Title = QStringLiteral("Bericht speichern");
    dialog.Filter = QStringLiteral("CSV-Datei (*.csv)");
    dialog.DefaultExt = QStringLiteral("csv");
    dialog.OverwritePrompt = true;
    if (dialog.FileName.isEmpty()) {
        dialog.FileName = QStringLiteral("Importbericht.csv");
    }
    if (!dialog.Execute(this)) {
        return;
    }
    SaveReport(ToUtf8(dialog.FileName));
}

void TImportBerichtFrm::SaveReport(const std::string& fileName) const {
    ReplaceFileContents(fileName, ReportCsv(report_, captions_));
}
