// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/history/uMessverlaufFrm.h"

#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"
#include "core/files/ScopeExit.h"
#include "core/files/uGlobal.h"
#include "core/history/HistoryChart.h"
#include "core/history/HistoryPage.h"
#include "core/history/HistoryTable.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Dialogs.h"
#include "gui/app/FolderProgress.h"
#include "gui/app/uMainFrmPrint.h"
#include "platform/QtPrintCanvas.h"
#include "platform/TextCodec.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMainWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QValueAxis>

#include <algorithm>

namespace {

const char* const kSection = "Messverlauf";

QDateTime PointTime(const ChartPoint& p) {
    return QDateTime(QDate(p.date.year, p.date.month, p.date.day),
                     QTime(p.minutes / 60, p.minutes % 60));
}

QLineSeries* MakeSeries(const std::vector<ChartPoint>& points, const QString& name) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPointsVisible(true);
    for (const ChartPoint& p : points) {
        series->append(static_cast<qreal>(PointTime(p).toMSecsSinceEpoch()), p.value);
    }
    return series;
}

} // namespace

TMessverlaufFrm::TMessverlaufFrm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("MessverlaufFrm"));
    setWindowTitle(QStringLiteral("Messverlauf"));
    resize(760, 620);
    setMinimumSize(480, 360);

    CustomerLabel = new QLabel;
    QFont bold = CustomerLabel->font();
    bold.setBold(true);
    CustomerLabel->setFont(bold);
    CustomerLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    ChartView = new QChartView(new QChart);
    ChartView->setObjectName(QStringLiteral("ChartView"));
    ChartView->setRenderHint(QPainter::Antialiasing);
    ChartView->setMinimumHeight(200);

    Table = new QTableWidget;
    Table->setObjectName(QStringLiteral("Table"));
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->verticalHeader()->setVisible(false);
    Table->verticalHeader()->setDefaultSectionSize(20);
    connect(Table, &QTableWidget::itemSelectionChanged, this, [this] { UpdateButtons(); });
    connect(Table, &QTableWidget::cellDoubleClicked, this,
            [this] { RunGuarded([this] { ZurKarteClick(); }); });

    auto* splitter = new QSplitter(Qt::Vertical);
    splitter->addWidget(Table);
    splitter->addWidget(ChartView);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({200, 300});

    NotesLabel = new QLabel;
    NotesLabel->setObjectName(QStringLiteral("NotesLabel"));
    Progress = new QProgressBar;
    Progress->hide();

    PrintButton = new QPushButton(QStringLiteral("Drucken..."));
    GoToButton = new QPushButton(QStringLiteral("Zur Karte"));
    CloseButton = new QPushButton(FromUtf8("Schließen"));
    connect(PrintButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { DruckenClick(); }); });
    connect(GoToButton, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { ZurKarteClick(); }); });
    connect(CloseButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Progress, 1);
    buttons->addStretch();
    buttons->addWidget(PrintButton);
    buttons->addWidget(GoToButton);
    buttons->addWidget(CloseButton);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CustomerLabel);
    layout->addWidget(splitter, 1);
    layout->addWidget(NotesLabel);
    layout->addLayout(buttons);

    // The size the user gave the window last time.
    try {
        const IniFile ini(SettingsFileName());
        const int w = ini.ReadInteger(kSection, "Breite", width());
        const int h = ini.ReadInteger(kSection, "Hoehe", height());
        resize(std::max(w, minimumWidth()), std::max(h, minimumHeight()));
    } catch (const EInOutError&) {
        // An unreadable settings file was reported at start; the default size does.
    }
    savedSize_ = size();
    UpdateButtons();
}

void TMessverlaufFrm::ShowHistory(const CardTable& table, int row,
                                  const std::string& cardFileName) {
    if (busy_ || row < 1 || row >= table.RowCount()) {
        return;
    }
    busy_ = true;
    ScopeExit done([this] {
        busy_ = false;
        Progress->hide();
        UpdateButtons();
    });
    captions_ = table.RowAt(0);
    customerLine_ = CustomerLine(table.RowAt(row));
    cardFileName_ = cardFileName;
    history_ = History();
    CustomerLabel->setText(FromUtf8("Kunde: " + customerLine_));
    NotesLabel->setText(FromUtf8("Lese Karteien..."));
    FillTable();
    FillChart();
    show();
    raise();
    activateWindow();

    // The open table is read before any event gets through, so what it holds now is what
    // counts; the files are read with events let through every few milliseconds.
    history_ = GatherHistory(CustomerOf(table.RowAt(row)), &table, cardFileName,
                             FolderOf(cardFileName), table.ColCount(), FolderProgress(Progress));
    FillTable();
    FillChart();
    std::string notes = WithoutDateText(history_.withoutDate);
    const std::string skipped = SkippedText(history_.skipped);
    if (!skipped.empty()) {
        notes += (notes.empty() ? "" : "; ") + skipped;
    }
    if (history_.entries.empty()) {
        notes = "Keine Messungen mit Datum" + (notes.empty() ? "" : "; " + notes);
    }
    NotesLabel->setText(FromUtf8(notes));
}

void TMessverlaufFrm::FillTable() {
    const std::vector<std::string> captions = HistoryCaptions(captions_);
    Table->clear();
    Table->setColumnCount(static_cast<int>(captions.size()));
    QStringList labels;
    for (const std::string& c : captions) {
        labels << FromUtf8(c);
    }
    Table->setHorizontalHeaderLabels(labels);
    Table->setRowCount(static_cast<int>(history_.entries.size()));
    for (size_t r = 0; r < history_.entries.size(); ++r) {
        const std::vector<std::string> cells = HistoryRowTexts(history_.entries[r]);
        for (size_t c = 0; c < cells.size(); ++c) {
            auto* item = new QTableWidgetItem(FromUtf8(cells[c]));
            if (c + 1 == cells.size()) {
                item->setToolTip(FromUtf8(history_.entries[r].file));
            }
            Table->setItem(static_cast<int>(r), static_cast<int>(c), item);
        }
    }
    Table->resizeColumnsToContents();
    if (Table->rowCount() > 0) {
        Table->selectRow(0);
    }
}

void TMessverlaufFrm::FillChart() {
    // A new chart each time: axes taken out of a chart leave their drawing behind until later.
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Axis numbers with a decimal comma, as on the printed page.
    chart->setLocale(QLocale(QLocale::German, QLocale::Germany));
    chart->setLocalizeNumbers(true);
    QChart* old = ChartView->chart();
    ChartView->setChart(chart);
    delete old;
    const HistoryChart chartData = BuildHistoryChart(history_);

    auto* dates = new QDateTimeAxis;
    dates->setFormat(QStringLiteral("dd.MM.yyyy"));
    dates->setTitleText(FromUtf8(kChartDateTitle));
    auto* lossAxis = new QValueAxis;
    lossAxis->setTitleText(FromUtf8(kChartLossTitle));
    auto* efficiencyAxis = new QValueAxis;
    efficiencyAxis->setTitleText(FromUtf8(kChartEfficiencyTitle));
    chart->addAxis(dates, Qt::AlignBottom);
    chart->addAxis(lossAxis, Qt::AlignLeft);
    chart->addAxis(efficiencyAxis, Qt::AlignRight);

    QLineSeries* loss = MakeSeries(chartData.loss, QStringLiteral("Abgasverlust"));
    QLineSeries* efficiency = MakeSeries(chartData.efficiency, QStringLiteral("Wirkungsgrad"));
    chart->addSeries(loss);
    chart->addSeries(efficiency);
    loss->attachAxis(dates);
    loss->attachAxis(lossAxis);
    efficiency->attachAxis(dates);
    efficiency->attachAxis(efficiencyAxis);

    // The time span of the points, at least a month, so that one measurement still shows.
    qint64 first = 0;
    qint64 last = 0;
    bool any = false;
    double lossHigh = chartData.lossLimit.value_or(0);
    for (const auto* points : {&chartData.loss, &chartData.efficiency}) {
        for (const ChartPoint& p : *points) {
            const qint64 t = PointTime(p).toMSecsSinceEpoch();
            first = any ? std::min(first, t) : t;
            last = any ? std::max(last, t) : t;
            any = true;
        }
    }
    for (const ChartPoint& p : chartData.loss) {
        lossHigh = std::max(lossHigh, p.value);
    }
    constexpr qint64 kDay = 24LL * 3600 * 1000;
    if (!any) {
        first = last = QDateTime::currentDateTime().toMSecsSinceEpoch();
    }
    if (last - first < 30 * kDay) {
        const qint64 mid = first + (last - first) / 2;
        first = mid - 15 * kDay;
        last = mid + 15 * kDay;
    }
    const qint64 pad = (last - first) / 25;
    dates->setRange(QDateTime::fromMSecsSinceEpoch(first - pad),
                    QDateTime::fromMSecsSinceEpoch(last + pad));
    dates->setTickCount(5);
    const ChartAxis lossRange = RoundAxis(0, std::max(lossHigh * 1.1, 1.0), 5);
    lossAxis->setRange(lossRange.min, lossRange.max);
    lossAxis->setLabelFormat(QStringLiteral("%g"));
    lossAxis->setTickCount(
        static_cast<int>(std::lround((lossRange.max - lossRange.min) / lossRange.step)) + 1);
    double effLow = 100;
    double effHigh = 0;
    for (const ChartPoint& p : chartData.efficiency) {
        effLow = std::min(effLow, p.value);
        effHigh = std::max(effHigh, p.value);
    }
    const ChartAxis effRange = chartData.efficiency.empty() ? RoundAxis(80, 100, 4)
                                                            : RoundAxis(effLow - 1, effHigh + 1, 5);
    efficiencyAxis->setRange(effRange.min, effRange.max);
    efficiencyAxis->setLabelFormat(QStringLiteral("%g"));
    efficiencyAxis->setTickCount(
        static_cast<int>(std::lround((effRange.max - effRange.min) / effRange.step)) + 1);

    if (chartData.lossLimit) {
        auto* limit = new QLineSeries;
        limit->setName(
            FromUtf8("Grenzwert Abgasverlust " +
                     std::to_string(static_cast<int>(std::lround(*chartData.lossLimit))) + " %"));
        limit->append(static_cast<qreal>(first - pad), *chartData.lossLimit);
        limit->append(static_cast<qreal>(last + pad), *chartData.lossLimit);
        QPen pen(Qt::red);
        pen.setStyle(Qt::DashLine);
        pen.setWidth(2);
        limit->setPen(pen);
        chart->addSeries(limit);
        limit->attachAxis(dates);
        limit->attachAxis(lossAxis);
    }
}

const HistoryEntry* TMessverlaufFrm::SelectedEntry() const {
    const QList<QTableWidgetItem*> items = Table->selectedItems();
    if (items.isEmpty()) {
        return nullptr;
    }
    const int row = items.first()->row();
    if (row < 0 || static_cast<size_t>(row) >= history_.entries.size()) {
        return nullptr;
    }
    return &history_.entries[static_cast<size_t>(row)];
}

void TMessverlaufFrm::UpdateButtons() {
    PrintButton->setEnabled(!busy_);
    GoToButton->setEnabled(!busy_ && SelectedEntry() != nullptr);
}

void TMessverlaufFrm::DruckenClick() {
    RunListPrintJob(
        this, qobject_cast<QMainWindow*>(parentWidget()), QStringLiteral("Messverlauf drucken"),
        cardFileName_,
        [this](PrintCanvas& canvas) { PrintHistory(canvas, history_, customerLine_, captions_); });
}

void TMessverlaufFrm::ZurKarteClick() {
    const HistoryEntry* entry = SelectedEntry();
    if (entry != nullptr && onGoToCard) {
        // A copy: going to the card may let events through that refill this window.
        const HistoryEntry chosen = *entry;
        onGoToCard(chosen);
    }
}

void TMessverlaufFrm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (size() == savedSize_) {
        return;
    }
    savedSize_ = size();
    RunGuarded([this] {
        IniFile ini(SettingsFileName());
        ini.WriteInteger(kSection, "Breite", width());
        ini.WriteInteger(kSection, "Hoehe", height());
    });
}
