// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Messverlauf", modeless: a customer's measurements from the open table and the card
// files beside it, as a table and a chart, with printing and the way back to each card.

#include "core/files/CardTable.h"
#include "core/history/MeasurementHistory.h"

#include <QWidget>

#include <functional>

class QChart;
class QChartView;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;

class TMessverlaufFrm : public QWidget {
    Q_OBJECT
public:
    explicit TMessverlaufFrm(QWidget* parent = nullptr);

    // Shows the window and gathers the history of card `row` of `table` (whose file is
    // `cardFileName`, empty for none) from the table and the folder of its file. Events get
    // through while the files are read; a progress bar appears after half a second.
    void ShowHistory(const CardTable& table, int row, const std::string& cardFileName);

    const History& Shown() const { return history_; }
    bool IsBusy() const { return busy_; }
    // The entry of the selected table line, or null.
    const HistoryEntry* SelectedEntry() const;

    void DruckenClick();
    void ZurKarteClick();

    // Asked to open the file of a measurement and select its card.
    std::function<void(const HistoryEntry&)> onGoToCard;

    QLabel* CustomerLabel = nullptr;
    QTableWidget* Table = nullptr;
    QChartView* ChartView = nullptr;
    QLabel* NotesLabel = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* GoToButton = nullptr;
    QPushButton* CloseButton = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    void FillTable();
    void FillChart();
    void UpdateButtons();

    History history_;
    CardTable::Row captions_;
    std::string customerLine_;
    std::string cardFileName_;
    QSize savedSize_;
    bool busy_ = false;
};
