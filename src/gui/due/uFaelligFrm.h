// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window "Fällige Messungen", modeless: for a year, the customers of the open table and the
// card files beside it who are due for a measurement, those never measured apart, with printing
// and the chosen customers' cards as a new table.

#include "core/due/DueList.h"
#include "core/files/CardTable.h"

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;

class TFaelligFrm : public QWidget {
    Q_OBJECT
public:
    explicit TFaelligFrm(QWidget* parent = nullptr);

    // Shows the window and reads the customers of `table` (whose file is `cardFileName`, empty
    // for none) and of the folder of its file. Events get through while the files are read.
    void ShowDue(const CardTable& table, const std::string& cardFileName);

    const DueList& Shown() const { return list_; }
    bool IsBusy() const { return busy_; }
    // The newest cards of the customers selected in either table, without measured values, in
    // the order listed.
    std::vector<CardTable::Row> SelectedRoundCards() const;

    void DruckenClick();
    void NeueKarteiClick();

    // Asked to open the cards as a new table.
    std::function<void(std::vector<CardTable::Row>)> onNewTable;

    QSpinBox* YearEdit = nullptr;
    QTableWidget* Table = nullptr;
    QLabel* ExemptLabel = nullptr;
    QTableWidget* ExemptTable = nullptr;
    QLabel* NotesLabel = nullptr;
    QProgressBar* Progress = nullptr;
    QPushButton* PrintButton = nullptr;
    QPushButton* NewTableButton = nullptr;
    QPushButton* CloseButton = nullptr;

private:
    void Rebuild();
    void Fill(QTableWidget* table, const std::vector<DueEntry>& entries, bool exempt);
    void UpdateButtons();

    DueCustomers customers_;
    DueList list_;
    std::vector<std::string> fuelNames_;
    std::string cardFileName_;
    bool busy_ = false;
};
