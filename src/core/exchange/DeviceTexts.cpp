// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/DeviceTexts.h"

#include "core/files/Trimmed.h"

std::vector<DeviceCut> DeviceCuts(const CardTable& table) {
    std::vector<DeviceCut> cuts;
    for (int row = 1; row < table.RowCount(); ++row) {
        const CardTable::Row& cells = table.RowAt(row);
        for (size_t col = 0; col < 3 && col < cells.size(); ++col) {
            const std::string& text = cells[col];
            const size_t width = kDeviceTextWidths[col];
            if (text.size() <= width || Trimmed(std::string_view(text).substr(width)).empty()) {
                continue;
            }
            std::string kept = text.substr(0, width);
            kept.erase(kept.find_last_not_of(' ') + 1);
            cuts.push_back({row, static_cast<int>(col), text, std::move(kept)});
        }
    }
    return cuts;
}

CustomerKey DeviceCustomerOf(std::string_view name, std::string_view street,
                             std::string_view town) {
    return CustomerOf(name.substr(0, kDeviceTextWidths[0]), street.substr(0, kDeviceTextWidths[1]),
                      town.substr(0, kDeviceTextWidths[2]));
}

CustomerKey DeviceCustomerOf(const CardTable::Row& row) {
    const auto cell = [&](size_t col) {
        return col < row.size() ? std::string_view(row[col]) : std::string_view();
    };
    return DeviceCustomerOf(cell(0), cell(1), cell(2));
}
