// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/fuels/uBrennFrm.h"

#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/Dialogs.h"
#include "platform/TextCodec.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <exception>

TBrennFrm* BrennFrm = nullptr;

namespace {

constexpr int kGridRows = 16; // the heads and entries 0 to 14
constexpr int kGridCols = 6;

// Refuses what Windows-1252 cannot hold, so that nothing typed changes on saving.
class AnsiOnlyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            std::string ansi;
            if (!ToAnsi(line->text(), ansi)) {
                return;
            }
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }
};

} // namespace

TBrennFrm::TBrennFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BrennFrm"));
    setWindowTitle(QStringLiteral("vexa Fendro Brennstoffparameter"));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(444, 265);

    StringGrid1 = new QTableWidget(kGridRows, kGridCols, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setGeometry(0, 0, 444, 265 - 41);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    // Low rows, so that the heads and the 15 entries fit without scrolling the heads away.
    StringGrid1->verticalHeader()->setMinimumSectionSize(13);
    StringGrid1->verticalHeader()->setDefaultSectionSize(13);
    StringGrid1->setShowGrid(true);
    StringGrid1->setSelectionMode(QAbstractItemView::ContiguousSelection);
    StringGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed);
    StringGrid1->setItemDelegate(new AnsiOnlyDelegate(StringGrid1));

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 265 - 41, 444, 41);
    BitBtn2 = new QPushButton(QStringLiteral("Abbruch"), Panel1);
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));
    BitBtn2->setGeometry(261, 8, 83, 25);
    BitBtn2->setAutoDefault(false);
    BitBtn1 = new QPushButton(QStringLiteral("OK"), Panel1);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(349, 8, 81, 25);
    BitBtn1->setDefault(true);

    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { BitBtn2Click(); }); });
}

void TBrennFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        RunGuarded([this] { FormShow(); });
    }
}

QString TBrennFrm::CommaToPoint(const QString& text) {
    QString out = text;
    return out.replace(QLatin1Char(','), QLatin1Char('.'));
}

QString TBrennFrm::PointToComma(const QString& text) {
    QString out = text;
    return out.replace(QLatin1Char('.'), QLatin1Char(','));
}

void TBrennFrm::ShowInfo(const QString& message) {
    ShowInfoMsg(message, QStringLiteral("Information"));
}

void TBrennFrm::SetCell(int col, int row, const QString& text, bool fixed) {
    auto* item = new QTableWidgetItem(text);
    if (fixed) {
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
    } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    }
    StringGrid1->setItem(row, col, item);
}

void TBrennFrm::FormShow() {
    StringGrid1->setRowCount(kGridRows);
    StringGrid1->setColumnCount(kGridCols);
    for (int r = 0; r < kGridRows; ++r) {
        for (int c = 0; c < kGridCols; ++c) {
            SetCell(c, r, QString(), r == 0 || c == 0);
        }
    }
    hiddenEntry_ = FuelEntryCells{};
    for (int r = 1; r < kGridRows; ++r) {
        StringGrid1->item(r, 0)->setText(QString::number(r));
    }
    StringGrid1->setColumnWidth(0, 30);
    for (int c = 1; c < kGridCols; ++c) {
        StringGrid1->setColumnWidth(c, 80);
    }
    const char* const heads[kGridCols] = {"NO", "NAME", "CO2MAX", "A1", "B", "MAXETA"};
    for (int c = 0; c < kGridCols; ++c) {
        StringGrid1->item(0, c)->setText(QString::fromLatin1(heads[c]));
    }

    const IniFile ini(SettingsFileName());
    FuelTableCells cells;
    ReadFuelTable(ini, cells);
    PutCells(cells);

    BitBtn1->setFocus();
    setWindowTitle(QStringLiteral("Brennstoffarten"));
    BitBtn2->setText(QStringLiteral("Abbruch"));
    BitBtn1->setText(QStringLiteral("OK"));
}

FuelTableCells TBrennFrm::TakeCells() const {
    FuelTableCells cells;
    for (int n = 0; n < kFuelEntries; ++n) {
        for (int f = 0; f < kFuelFields; ++f) {
            std::string& cell = cells[static_cast<size_t>(n)][static_cast<size_t>(f)];
            if (n + 1 >= kGridRows) {
                cell = hiddenEntry_[static_cast<size_t>(f)];
            } else if (const QTableWidgetItem* item = StringGrid1->item(n + 1, f + 1)) {
                cell = ToAnsiLossy(item->text());
            }
        }
    }
    return cells;
}

void TBrennFrm::PutCells(const FuelTableCells& cells) {
    for (int n = 0; n < kFuelEntries; ++n) {
        for (int f = 0; f < kFuelFields; ++f) {
            const std::string& cell = cells[static_cast<size_t>(n)][static_cast<size_t>(f)];
            if (n + 1 >= kGridRows) {
                hiddenEntry_[static_cast<size_t>(f)] = cell;
            } else if (QTableWidgetItem* item = StringGrid1->item(n + 1, f + 1)) {
                item->setText(FromAnsi(cell));
            }
        }
    }
}

void TBrennFrm::BitBtn1Click() {
    IniFile ini(SettingsFileName());
    FuelTableCells cells = TakeCells();
    const bool passed = CheckFuelTable(cells, [&](const FuelFault& fault) {
        PutCells(cells);
        const int row = fault.entry + 1;
        // Entry 15 has no visible row: the selection stays where it is.
        if (row < kGridRows) {
            StringGrid1->setCurrentCell(row, fault.field + 1);
        }
        ShowInfo(FromUtf8(fault.message));
    });
    PutCells(cells);
    if (!passed) {
        return;
    }
    // The checks passed, so the dialog closes even when a write fails; the error is shown after.
    std::exception_ptr failure;
    try {
        WriteFuelTable(ini, cells);
    } catch (...) {
        failure = std::current_exception();
    }
    accept();
    if (failure) {
        std::rethrow_exception(failure);
    }
}

void TBrennFrm::BitBtn2Click() {
    reject();
}
