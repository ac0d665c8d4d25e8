// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the dialogs that work on the cards (the search, the transfer window) may do with the
// window that shows them.

#include <string>

class TCardDocument;

class CardWindow {
public:
    // The open card file and its table.
    virtual TCardDocument& Document() = 0;

    // Replaces the cards by those of `fileName` with the grid laid out afresh; the document
    // keeps the file it belongs to. False when the file cannot be read or the layout failed.
    virtual bool LoadCards(const std::string& fileName) = 0;

    // Selects card `row` (1 and on) in the grid, in the column selected now.
    virtual void ShowCard(int row) = 0;
    // Brings the card page to the front.
    virtual void ShowCardPage() = 0;
    // The card page with the first card's measured values; an empty list without cards.
    virtual void ShowFirstCard() = 0;

    // Whether the window is on the screen; a dialog's wait ends when it goes.
    virtual bool IsOnScreen() const = 0;

protected:
    ~CardWindow() = default;
};
