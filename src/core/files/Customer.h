// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Who a card belongs to: its name, street and town, compared without the blanks around them
// (received names keep the device's trailing blanks) and without regard to upper and lower case,
// umlauts included.

#include "core/files/CardTable.h"

#include <string>
#include <string_view>

struct CustomerKey {
    std::string name;
    std::string street;
    std::string town;

    bool operator==(const CustomerKey& other) const {
        return name == other.name && street == other.street && town == other.town;
    }
    bool operator!=(const CustomerKey& other) const { return !(*this == other); }
};

// The comparable form of a text: blanks around it cut, Windows-1252 letters in lower case.
std::string CustomerText(std::string_view text);

// Whether `text` has the comparable form `key`, without building it: the quick test that skips
// the lines of other customers in a large folder.
bool IsCustomerText(std::string_view text, std::string_view key);

CustomerKey CustomerOf(std::string_view name, std::string_view street, std::string_view town);
// From columns 0 to 2 of a card row; missing cells count as empty.
CustomerKey CustomerOf(const CardTable::Row& row);

bool IsCustomer(const CardTable::Row& row, const CustomerKey& key);
