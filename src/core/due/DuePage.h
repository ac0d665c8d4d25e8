// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printed due list: the customers due in the year, then those not measured, on landscape
// pages with the captions repeated on each. The window's "Drucken..." and fendro-tool draw the
// same pages.

#include "core/due/DueList.h"
#include "core/printing/PrintCanvas.h"

#include <string>
#include <vector>

// "Fällige Messungen 2026", the title of the job and of every page, UTF-8.
std::string DuePrintTitle(int year);

// The captions of the window's and the page's table: those of the spreadsheet table and
// "Brennstoff".
std::vector<std::string> DueListCaptions();
// The heading above the customers who are not measured.
extern const char* const kDueExemptHeading;

// Throws EPrinter when the paper has no room for the table, or what the canvas throws.
void PrintDueList(PrintCanvas& canvas, const DueList& list);
