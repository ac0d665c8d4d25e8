// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The fuel type editor.

#include "core/fuels/FuelTable.h"

#include <QDialog>

class QPushButton;
class QTableWidget;
class QWidget;

class TBrennFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBrennFrm(QWidget* parent = nullptr);

    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();

    static QString CommaToPoint(const QString& text);
    static QString PointToComma(const QString& text);
    static void ShowInfo(const QString& message);

    // Entry 15 has no row of its own in the grid; it is held here, loaded, checked and saved
    // with the others.
    const FuelEntryCells& HiddenEntry() const { return hiddenEntry_; }
    void SetHiddenEntry(const FuelEntryCells& cells) { hiddenEntry_ = cells; }

    QTableWidget* StringGrid1 = nullptr;
    QWidget* Panel1 = nullptr;
    QPushButton* BitBtn1 = nullptr; // OK
    QPushButton* BitBtn2 = nullptr; // Abbruch

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SetCell(int col, int row, const QString& text, bool fixed);
    FuelTableCells TakeCells() const;
    void PutCells(const FuelTableCells& cells);

    FuelEntryCells hiddenEntry_;
};

extern TBrennFrm* BrennFrm;
