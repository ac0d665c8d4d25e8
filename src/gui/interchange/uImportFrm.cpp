// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/interchange/uImportFrm.h"

#include "core/files/Ansi.h"
#include "core/interchange/CardFitting.h"
#include "gui/app/DialogAnswers.h"
#include "platform/TextCodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

const QColor kChangedCell(255, 236, 160);

QString SourceLabel(const std::vector<std::string>& header, size_t j) {
    if (j < header.size() && !header[j].empty()) {
        return FromUtf8(header[j]);
    }
    return QStringLiteral("Spalte %1").arg(j + 1);
}

} // namespace

TImportFrm::TImportFrm(ImportSource& source, std::vector<std::string> captions,
                       std::map<int, std::string> remembered, QWidget* parent)
    : QDialog(parent), source_(source), captions_(std::move(captions)),
      remembered_(std::move(remembered)) {
    setObjectName(QStringLiteral("ImportFrm"));
    setWindowTitle(
        QStringLiteral("Import – %1").arg(QFileInfo(FromUtf8(source_.FileName())).fileName()));
    BuildWindow();
    ReadRows(true);
}

void TImportFrm::BuildWindow() {
    auto* format = new QFormLayout;
    Kodierung = new QComboBox(this);
    Kodierung->setObjectName(QStringLiteral("Kodierung"));
    Kodierung->addItem(QStringLiteral("UTF-8"), static_cast<int>(TextEncoding::Utf8));
    Kodierung->addItem(QStringLiteral("Windows-1252 (ANSI)"),
                       static_cast<int>(TextEncoding::Windows1252));
    Kodierung->addItem(QStringLiteral("UTF-16 LE"), static_cast<int>(TextEncoding::Utf16LE));
    Kodierung->addItem(QStringLiteral("UTF-16 BE"), static_cast<int>(TextEncoding::Utf16BE));
    Trennzeichen = new QComboBox(this);
    Trennzeichen->setObjectName(QStringLiteral("Trennzeichen"));
    Trennzeichen->addItem(QStringLiteral("Semikolon ;"), QStringLiteral(";"));
    Trennzeichen->addItem(QStringLiteral("Komma ,"), QStringLiteral(","));
    Trennzeichen->addItem(QStringLiteral("Tabulator"), QStringLiteral("\t"));
    Tabellenblatt = new QComboBox(this);
    Tabellenblatt->setObjectName(QStringLiteral("Tabellenblatt"));
    for (const std::string& sheet : source_.Sheets()) {
        Tabellenblatt->addItem(FromUtf8(sheet));
    }
    const SourceChoice& detected = source_.Detected();
    Kodierung->setCurrentIndex(Kodierung->findData(static_cast<int>(detected.encoding)));
    Trennzeichen->setCurrentIndex(Trennzeichen->findData(QString(QLatin1Char(detected.separator))));
    if (source_.IsSpreadsheet()) {
        format->addRow(QStringLiteral("Tabellenblatt:"), Tabellenblatt);
        Kodierung->hide();
        Trennzeichen->hide();
    } else {
        format->addRow(QStringLiteral("Zeichenkodierung:"), Kodierung);
        format->addRow(QStringLiteral("Trennzeichen:"), Trennzeichen);
        Tabellenblatt->hide();
    }
    Kopfzeile = new QCheckBox(QStringLiteral("Erste Zeile enthält die Spaltennamen"), this);
    Kopfzeile->setObjectName(QStringLiteral("Kopfzeile"));
    format->addRow(Kopfzeile);
    Modus = new QComboBox(this);
    Modus->setObjectName(QStringLiteral("Modus"));
    Modus->addItem(QStringLiteral("Karten der Tabelle ersetzen"), QStringLiteral("Ersetzen"));
    Modus->addItem(QStringLiteral("An die Tabelle anhängen"), QStringLiteral("Anhängen"));
    format->addRow(QStringLiteral("Importierte Karten:"), Modus);

    auto* mapping = new QWidget;
    auto* grid = new QGridLayout(mapping);
    grid->addWidget(new QLabel(QStringLiteral("<b>Spalte der Kartei</b>")), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("<b>aus Spalte der Liste (mehrere mit Leerzeichen "
                                              "verbunden)</b>")),
                    0, 1, 1, 2 * kJoined - 1);
    Quellen.resize(captions_.size());
    for (size_t c = 0; c < captions_.size(); ++c) {
        const int line = static_cast<int>(c) + 1;
        grid->addWidget(new QLabel(FromUtf8(captions_[c])), line, 0);
        for (int k = 0; k < kJoined; ++k) {
            auto* box = new QComboBox(mapping);
            box->setObjectName(QStringLiteral("Quelle%1_%2").arg(c).arg(k + 1));
            box->setMinimumContentsLength(14);
            box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
            Quellen[c][static_cast<size_t>(k)] = box;
            if (k > 0) {
                grid->addWidget(new QLabel(QStringLiteral("+")), line, 2 * k);
            }
            grid->addWidget(box, line, 2 * k + 1);
            connect(box, &QComboBox::currentIndexChanged, this, [this] { UpdatePreview(); });
        }
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(mapping);
    scroll->setWidgetResizable(true);
    scroll->setMinimumHeight(220);

    Meldung = new QLabel(this);
    Meldung->setObjectName(QStringLiteral("Meldung"));
    Meldung->setWordWrap(true);
    Vorschau = new QTableWidget(this);
    Vorschau->setObjectName(QStringLiteral("Vorschau"));
    Vorschau->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Vorschau->setMinimumHeight(160);
    Vorschau->verticalHeader()->setDefaultSectionSize(18);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* import =
        buttons->addButton(QStringLiteral("Importieren"), QDialogButtonBox::AcceptRole);
    import->setObjectName(QStringLiteral("Importieren"));
    import->setDefault(true);
    buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(format);
    layout->addWidget(scroll, 2);
    layout->addWidget(new QLabel(QStringLiteral("Vorschau – so werden die ersten Karten:")));
    layout->addWidget(Vorschau, 1);
    layout->addWidget(Meldung);
    layout->addWidget(buttons);
    resize(900, 720);

    const auto reread = [this] { ReadRows(true); };
    connect(Kodierung, &QComboBox::currentIndexChanged, this, reread);
    connect(Trennzeichen, &QComboBox::currentIndexChanged, this, reread);
    connect(Tabellenblatt, &QComboBox::currentIndexChanged, this, reread);
    connect(Kopfzeile, &QCheckBox::toggled, this, [this] {
        if (updating_) {
            return;
        }
        // The columns stay; they are named anew, and proposed when none is chosen yet.
        const ColumnMapping kept = Plan().mapping;
        const bool none =
            std::all_of(kept.begin(), kept.end(), [](const ColumnSources& s) { return s.empty(); });
        FillSourceChoices();
        SetMapping(none ? InitialMapping() : kept);
        UpdatePreview();
    });
}

bool TImportFrm::Execute() {
    if (const std::optional<bool> accepted = DialogAnswers::AnswerForm(*this)) {
        return *accepted;
    }
    return exec() == QDialog::Accepted;
}

SourceChoice TImportFrm::Choice() const {
    SourceChoice choice;
    choice.encoding = static_cast<TextEncoding>(Kodierung->currentData().toInt());
    const QString separator = Trennzeichen->currentData().toString();
    choice.separator = separator.isEmpty() ? ';' : static_cast<char>(separator[0].unicode());
    if (source_.IsSpreadsheet()) {
        choice.sheet = ToUtf8(Tabellenblatt->currentText());
    }
    return choice;
}

ImportPlan TImportFrm::Plan() const {
    ImportPlan plan;
    plan.header = Kopfzeile->isChecked();
    plan.mapping.resize(Quellen.size());
    for (size_t c = 0; c < Quellen.size(); ++c) {
        for (QComboBox* box : Quellen[c]) {
            const int j = box->currentData().isValid() ? box->currentData().toInt() - 1 : -1;
            if (j >= 0) {
                plan.mapping[c].push_back(j);
            }
        }
    }
    return plan;
}

bool TImportFrm::Append() const {
    return Modus->currentIndex() == 1;
}

const SourceRows& TImportFrm::Rows() {
    return source_.Rows(Choice());
}

std::vector<std::string> TImportFrm::Header() {
    if (rows_ == nullptr || rows_->empty() || !Kopfzeile->isChecked()) {
        return {};
    }
    return rows_->front();
}

std::vector<std::string> TImportFrm::MappingTexts() {
    const std::vector<std::string> header = Header();
    std::vector<std::string> texts;
    for (const ColumnSources& sources : Plan().mapping) {
        texts.push_back(SourcesText(sources, header));
    }
    return texts;
}

void TImportFrm::ReadRows(bool proposeMapping) {
    static const SourceRows kNoRows;
    updating_ = true;
    try {
        rows_ = &Rows();
        Meldung->clear();
    } catch (const std::exception& e) {
        rows_ = &kNoRows;
        Meldung->setText(FromUtf8(e.what()));
    }
    Kopfzeile->setChecked(LooksLikeHeader(*rows_, captions_));
    FillSourceChoices();
    if (proposeMapping) {
        SetMapping(InitialMapping());
    }
    updating_ = false;
    UpdatePreview();
}

void TImportFrm::FillSourceChoices() {
    const std::vector<std::string> header = Header();
    size_t columns = 0;
    // The widest of the first rows: a short first line does not hide the columns after it.
    for (size_t r = 0; r < rows_->size() && r < 200; ++r) {
        columns = std::max(columns, (*rows_)[r].size());
    }
    const bool wasUpdating = updating_;
    updating_ = true;
    for (auto& boxes : Quellen) {
        for (QComboBox* box : boxes) {
            const QVariant chosen = box->currentData();
            box->clear();
            box->addItem(QStringLiteral("–"));
            for (size_t j = 0; j < columns; ++j) {
                box->addItem(SourceLabel(header, j), static_cast<int>(j + 1));
            }
            const int index = chosen.isValid() ? box->findData(chosen) : 0;
            box->setCurrentIndex(std::max(index, 0));
        }
    }
    updating_ = wasUpdating;
}

ColumnMapping TImportFrm::InitialMapping() {
    const std::vector<std::string> header = Header();
    const int columns = Quellen.empty() ? 0 : Quellen.front()[0]->count() - 1;
    ColumnMapping mapping = header.empty()
                                ? ProposeByPosition(static_cast<size_t>(columns), captions_.size())
                                : ProposeMapping(header, captions_);
    for (const auto& [col, text] : remembered_) {
        ColumnSources sources;
        if (col >= 0 && static_cast<size_t>(col) < mapping.size() && !text.empty() &&
            ParseSources(text, header, columns, sources)) {
            mapping[static_cast<size_t>(col)] = sources;
        }
    }
    return mapping;
}

void TImportFrm::SetMapping(const ColumnMapping& mapping) {
    const bool wasUpdating = updating_;
    updating_ = true;
    for (size_t c = 0; c < Quellen.size(); ++c) {
        for (size_t k = 0; k < static_cast<size_t>(kJoined); ++k) {
            QComboBox* box = Quellen[c][k];
            const int index =
                c < mapping.size() && k < mapping[c].size() ? box->findData(mapping[c][k] + 1) : 0;
            box->setCurrentIndex(std::max(index, 0));
        }
    }
    updating_ = wasUpdating;
}

void TImportFrm::UpdatePreview() {
    if (updating_) {
        return;
    }
    const ImportPlan plan = Plan();
    const size_t first = plan.header ? 1 : 0;
    // The preview counts only the rows it shows; the report of the import counts them all.
    SourceRows head;
    for (size_t r = 0; r < rows_->size() && head.size() < kPreviewRows + first; ++r) {
        head.push_back((*rows_)[r]);
    }
    const ImportResult preview = ImportCards(head, plan, static_cast<int>(captions_.size()));
    Vorschau->clear();
    Vorschau->setColumnCount(static_cast<int>(captions_.size()));
    Vorschau->setRowCount(static_cast<int>(preview.cards.size()));
    QStringList labels;
    for (const std::string& caption : captions_) {
        labels << FromUtf8(caption);
    }
    Vorschau->setHorizontalHeaderLabels(labels);
    for (size_t r = 0; r < preview.cards.size(); ++r) {
        for (size_t c = 0; c < captions_.size(); ++c) {
            Vorschau->setItem(static_cast<int>(r), static_cast<int>(c),
                              new QTableWidgetItem(FromUtf8(AnsiToUtf8(preview.cards[r][c]))));
        }
    }
    Vorschau->resizeColumnsToContents();
    // The changed fields, found by the row they came from.
    std::vector<int> sourceRowOfCard;
    for (size_t r = first; r < head.size(); ++r) {
        bool any = false;
        for (const ColumnSources& sources : plan.mapping) {
            for (const int j : sources) {
                any = any || (static_cast<size_t>(j) < head[r].size() &&
                              head[r][static_cast<size_t>(j)].find_first_not_of(" \t") !=
                                  std::string::npos);
            }
        }
        if (any) {
            sourceRowOfCard.push_back(static_cast<int>(r + 1));
        }
    }
    for (const FieldChange& change : preview.report.changes) {
        const auto card = std::find(sourceRowOfCard.begin(), sourceRowOfCard.end(), change.row);
        if (card == sourceRowOfCard.end()) {
            continue;
        }
        QTableWidgetItem* item =
            Vorschau->item(static_cast<int>(card - sourceRowOfCard.begin()), change.col);
        if (item != nullptr) {
            item->setBackground(kChangedCell);
            item->setToolTip(FromUtf8("„" + change.before + "“: " + FitChangeText(change.changes)));
        }
    }
    if (Meldung->text().isEmpty() || rows_->size() > 0) {
        const size_t cards = rows_->size() > first ? rows_->size() - first : 0;
        Meldung->setText(
            QStringLiteral("%1 Zeilen in der Liste. Gelb: Felder, die beim Import "
                           "angepasst werden (Einzelheiten im Tooltip und im Bericht).")
                .arg(FromUtf8(GroupedNumber(static_cast<long long>(cards)))));
    }
}
