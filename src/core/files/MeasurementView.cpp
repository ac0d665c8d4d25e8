// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/MeasurementView.h"

void CopyCardToValueList(const CardTable& table, int row, ValueList& list) {
    for (int i = 0; i <= table.ColCount() - 4; ++i) {
        if (static_cast<size_t>(i) < list.size()) {
            list[static_cast<size_t>(i)].value = table.Cell(i + 3, row);
        }
    }
}

void ClearValueList(ValueList& list) {
    for (auto& r : list) {
        r.value.clear();
    }
}

void FillMeasurementView(const ValueList& list, ViewCells& view) {
    int captionCol = 0;
    int viewRow = 0;
    for (const auto& r : list) {
        view[static_cast<size_t>(captionCol)][static_cast<size_t>(viewRow)] = r.caption;
        view[static_cast<size_t>(captionCol + 1)][static_cast<size_t>(viewRow)] = r.value;
        if (++viewRow > kViewRows - 1) {
            captionCol = 2;
            viewRow = 0;
        }
    }
}

void ClearView(ViewCells& view) {
    for (auto& col : view) {
        for (auto& cell : col) {
            cell.clear();
        }
    }
}
