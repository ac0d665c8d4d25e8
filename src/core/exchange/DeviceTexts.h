// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the device keeps of a card's name, street and town, and the cards that lose text to it.

#include "core/files/CardTable.h"
#include "core/files/Customer.h"

#include <string>
#include <string_view>
#include <vector>

// The characters of name, street and town (card columns 0 to 2) that a device record holds.
constexpr size_t kDeviceTextWidths[3] = {20, 20, 16};

// A text of a card that the device would cut: `kept` is what arrives, without trailing blanks.
struct DeviceCut {
    int row = 0;
    int col = 0;
    std::string text;
    std::string kept;
};

// The texts of the table's cards that are longer than the device holds, by row and column. Blanks
// beyond the width are no loss and are not listed.
std::vector<DeviceCut> DeviceCuts(const CardTable& table);

// Whom a card names as the device keeps it: name, street and town cut to the widths above, then
// compared as customers are (Customer.h). A received card and its customer's card agree here.
CustomerKey DeviceCustomerOf(std::string_view name, std::string_view street, std::string_view town);
CustomerKey DeviceCustomerOf(const CardTable::Row& row);
