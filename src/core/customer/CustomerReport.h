// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed answer to a customer's request for information: every card of the customer with
// the file it is in and all its columns with their captions, and where else the customer's name
// may be. The window's "Auskunft drucken..." and fendro-tool draw the same pages.

#include "core/customer/CustomerCards.h"
#include "core/exchange/CivilDate.h"
#include "core/printing/PrintCanvas.h"

#include <string>
#include <vector>

// The title of the job and of every page, UTF-8.
extern const char* const kCustomerReportTitle;

// The report's content, UTF-8.
struct CustomerReport {
    struct Card {
        std::string heading;             // "Karte 1 von 3: Datei /pfad/a.csv, Zeile 4"
        std::vector<std::string> fields; // "Caption: value", one per column
    };
    std::string customer; // "Kunde: Name, Straße, Ort"
    std::string summary;  // "Stand 08.12.2026: 3 Karten in 2 Dateien"
    std::vector<Card> cards;
    std::vector<std::string> notes; // files passed over, the other places
};

// `captionRow` holds the captions of the column definition file (row 0 of the card table).
CustomerReport BuildCustomerReport(const CustomerCards& found, const CardTable::Row& captionRow,
                                   const CivilDate& today);

// The place of a card as the report and the questions name it, UTF-8.
std::string PlaceText(const CustomerPlace& place);

// Throws EPrinter when the paper has no room for a card, or what the canvas throws.
void PrintCustomerReport(PrintCanvas& canvas, const CustomerReport& report);
