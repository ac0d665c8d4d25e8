// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measurement fields of the current card: the value list (caption and value per "Page2"
// entry) and the 4 × 15 cells of the view that shows them in two column pairs.

#include "core/files/CardTable.h"

#include <array>
#include <string>
#include <vector>

struct ValueListRow {
    std::string caption;
    std::string value;
};
using ValueList = std::vector<ValueListRow>;

constexpr int kViewCols = 4;
constexpr int kViewRows = 15;
using ViewCells = std::array<std::array<std::string, kViewRows>, kViewCols>; // [col][row]

// Card columns from 3 on go to value list rows 0 and on; rows the list lacks receive nothing.
void CopyCardToValueList(const CardTable& table, int row, ValueList& list);
void ClearValueList(ValueList& list);
// Entries 0 to 14 in columns 0/1, 15 to 29 in columns 2/3; later ones overwrite from row 0 of
// columns 2/3 again. Cells no entry reaches keep their text.
void FillMeasurementView(const ValueList& list, ViewCells& view);
void ClearView(ViewCells& view);
