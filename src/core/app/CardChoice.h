// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Choosing the cards of a round by a piece of their customer: a town, a street, part of a name.

#include "core/due/DueList.h"
#include "core/files/CardTable.h"

#include <string_view>
#include <vector>

// The table rows (1 and on) of the cards whose name, street or town contains `text`, ascending.
// Upper and lower case and the blanks around `text` do not count, as in the customer comparison.
// An empty text chooses no card.
std::vector<int> CardsContaining(const CardTable& table, std::string_view text);

// The table rows of the customers that `list` names as due, one card each: the customer's newest
// card in the table (by measurement date, else the first), ascending.
std::vector<int> CardsDueIn(const CardTable& table, const DueList& list);
