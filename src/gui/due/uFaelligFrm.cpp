// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/due/uFaelligFrm.h"

#include "core/certificate/SweepBusiness.h"
#include "core/due/DuePage.h"
#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"
#include "core/files/ScopeExit.h"
#include "core/files/uGlobal.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Dialogs.h"
#include "gui/app/FolderProgress.h"
#include "gui/app/uMainFrmPrint.h"
#include "platform/QtPrintCanvas.h"
#include "platform/TextCodec.h"

#include <QBoxLayout>
#include <QDate>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include <algorithm>
#include <set>

namespace {

constexpr int kEntryRole = Qt::UserRole;
constexpr int kSortRole = Qt::UserRole + 1;

// Sorts by its sort key where it has one: dates by day, not by their text.
class SortItem : public QTableWidgetItem {
public:
    using QTableWidgetItem::QTableWidgetItem;
    bool operator<(const QTableWidgetItem& other) const override {
        const QVariant a = data(kSortRole);
        const QVariant b = other.data(kSortRole);
        if (a.isValid() && b.isValid()) {
            return a.toLongLong() < b.toLongLong();
        }
        return QTableWidgetItem::operator<(other);
    }
};

QTableWidget* MakeTable(const QString& name) {
    auto* table = new QTableWidget;
    table->setObjectName(name);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table->verticalHeader()->setVisible(false);
    table->verticalHeader()->setDefaultSectionSize(20);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

} // namespace

TFaelligFrm::TFaelligFrm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("FaelligFrm"));
    setWindowTitle(FromUtf8("Fällige Messungen"));
    resize(900, 600);

    YearEdit = new QSpinBox;
    YearEdit->setObjectName(QStringLiteral("YearEdit"));
    YearEdit->setRange(1900, 2999);
    YearEdit->setValue(QDate::currentDate().year());
    // A typed year counts when it is complete, not at each digit.
    YearEdit->setKeyboardTracking(false);
    connect(YearEdit, qOverload<int>(&QSpinBox::valueChanged), this,
            [this] { RunGuarded([this] { Rebuild(); }); });

    Table = MakeTable(QStringLiteral("Table"));
    ExemptTable = MakeTable(QStringLiteral("ExemptTable"));
    ExemptLabel = new QLabel(FromUtf8(kDueExemptHeading));
    QFont bold = ExemptLabel->font();
    bold.setBold(true);
    ExemptLabel->setFont(bold);
    for (QTableWidget* t : {Table, ExemptTable}) {
        connect(t, &QTableWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    }
    NotesLabel = new QLabel;
    NotesLabel->setObjectName(QStringLiteral("NotesLabel"));
    Progress = new QProgressBar;
    Progress->hide();

    PrintButton = new QPushButton(QStringLiteral("Drucken..."));
    NewTableButton = new QPushButton(QStringLiteral("Auswahl als neue Kartei"));
    CloseButton = new QPushButton(FromUtf8("Schließen"));
    connect(PrintButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { DruckenClick(); }); });
    connect(NewTableButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { NeueKarteiClick(); }); });
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(FromUtf8("Fällig im Jahr:")));
    top->addWidget(YearEdit);
    top->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Progress, 1);
    buttons->addStretch();
    buttons->addWidget(PrintButton);
    buttons->addWidget(NewTableButton);
    buttons->addWidget(CloseButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Table, 3);
    layout->addWidget(ExemptLabel);
    layout->addWidget(ExemptTable, 1);
    layout->addWidget(NotesLabel);
    layout->addLayout(buttons);
    UpdateButtons();
}

void TFaelligFrm::ShowDue(const CardTable& table, const std::string& cardFileName) {
    if (busy_) {
        return;
    }
    busy_ = true;
    ScopeExit done([this] {
        busy_ = false;
        Progress->hide();
        UpdateButtons();
    });
    UpdateButtons();
    cardFileName_ = cardFileName;
    customers_ = DueCustomers();
    list_ = DueList();
    Table->setRowCount(0);
    ExemptTable->setRowCount(0);
    NotesLabel->setText(FromUtf8("Lese Karteien..."));
    show();
    raise();
    activateWindow();
    try {
        fuelNames_ = ReadFuelNames(IniFile(SettingsFileName()));
    } catch (const EInOutError&) {
        fuelNames_ = ReadFuelNames(IniFile(std::string()));
    }

    // The open table is read before any event gets through; the files with events let through.
    customers_ = GatherDueCustomers(&table, cardFileName, FolderOf(cardFileName), table.ColCount(),
                                    FolderProgress(Progress));
    Rebuild();
}

void TFaelligFrm::Rebuild() {
    list_ = BuildDueList(customers_, YearEdit->value(), fuelNames_);
    Fill(Table, list_.due, false);
    Fill(ExemptTable, list_.exempt, true);
    const size_t n = list_.due.size();
    std::string notes = std::to_string(n) + (n == 1 ? " Kunde" : " Kunden") + " f\xC3\xA4llig";
    const std::string skipped = SkippedText(customers_.skipped);
    if (!skipped.empty()) {
        notes += "; " + skipped;
    }
    NotesLabel->setText(FromUtf8(notes));
    UpdateButtons();
}

void TFaelligFrm::Fill(QTableWidget* table, const std::vector<DueEntry>& entries, bool exempt) {
    std::vector<std::string> captions = DueListCaptions();
    table->setSortingEnabled(false);
    table->clear();
    table->setColumnCount(static_cast<int>(captions.size()));
    QStringList labels;
    for (const std::string& c : captions) {
        labels << FromUtf8(c);
    }
    table->setHorizontalHeaderLabels(labels);
    table->setRowCount(static_cast<int>(entries.size()));
    for (size_t r = 0; r < entries.size(); ++r) {
        const DueEntry& e = entries[r];
        std::vector<std::string> cells = DueRowTexts(e, list_.year);
        cells.push_back(DueFuelText(e));
        for (size_t c = 0; c < cells.size(); ++c) {
            auto* item = new SortItem(FromUtf8(cells[c]));
            item->setData(kEntryRole, static_cast<int>(r));
            if (c == 3) {
                const auto& d = e.customer->lastMeasurement;
                item->setData(kSortRole,
                              d ? static_cast<qlonglong>(d->year) * 10000 + d->month * 100 + d->day
                                : 0LL);
            } else if (c == 4 && !exempt) {
                item->setData(kSortRole, static_cast<qlonglong>(e.due.year));
            }
            table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    // Sorted again as the user last chose, if at all; the widths leave room for the arrow.
    table->setSortingEnabled(true);
    table->resizeColumnsToContents();
    // The customers who are never measured have no due year.
    table->setColumnHidden(4, exempt);
}

std::vector<CardTable::Row> TFaelligFrm::SelectedRoundCards() const {
    std::vector<CardTable::Row> cards;
    for (const auto& [table, entries] :
         {std::make_pair(Table, &list_.due), std::make_pair(ExemptTable, &list_.exempt)}) {
        std::set<int> chosen;
        for (const QModelIndex& index : table->selectionModel()->selectedRows()) {
            chosen.insert(table->item(index.row(), 0)->data(kEntryRole).toInt());
        }
        for (const int i : chosen) {
            if (i >= 0 && static_cast<size_t>(i) < entries->size()) {
                cards.push_back(BlankRoundCard((*entries)[static_cast<size_t>(i)].customer->card));
            }
        }
    }
    return cards;
}

void TFaelligFrm::UpdateButtons() {
    PrintButton->setEnabled(!busy_);
    NewTableButton->setEnabled(!busy_ && (Table->selectionModel()->hasSelection() ||
                                          ExemptTable->selectionModel()->hasSelection()));
    YearEdit->setEnabled(!busy_);
}

void TFaelligFrm::DruckenClick() {
    RunListPrintJob(this, qobject_cast<QMainWindow*>(parentWidget()),
                    FromUtf8("Fällige Messungen drucken"), cardFileName_,
                    [this](PrintCanvas& canvas) { PrintDueList(canvas, list_); });
}

void TFaelligFrm::NeueKarteiClick() {
    std::vector<CardTable::Row> cards = SelectedRoundCards();
    if (cards.empty()) {
        ShowMsg(FromUtf8("Kein Kunde ausgewählt."));
        return;
    }
    if (onNewTable) {
        onNewTable(std::move(cards));
    }
}
