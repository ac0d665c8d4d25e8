// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the printing commands share: a GUI application without a display for the fonts, the card
// table read as the program would open it, and an A4 PDF file to print into.

#include "core/files/CardTable.h"
#include "platform/QtPrintCanvas.h"
#include "platform/TextCodec.h"

#include <QGuiApplication>
#include <QMarginsF>
#include <QPageSize>
#include <QPdfWriter>

#include <memory>
#include <string>

struct OptionArgs;

// Fonts need a GUI application; the tool never shows a window, so no display is needed.
class OffscreenApp {
public:
    OffscreenApp();

private:
    int argc_ = 1;
    char name_[12] = "fendro-tool";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// The card table as the program would hold it after opening the file: row 0 the captions of
// the column definition file, one row per line, fields beyond the last column dropped.
CardTable ReadCardTable(const std::string& csvFile, const std::string& dtaFile);

// The column definition file beside the tool.
std::string DefaultDta();

// The file of "--dta", or the one beside the tool.
std::string DtaOrDefault(const OptionArgs& args);

// A card number as typed: digits only, at least one.
bool IsDigits(const std::string& text);

// Digits only, 1 to `cards`.
bool ParseCardNumber(const std::string& text, int cards, int& number);

template <typename Print> int PrintIntoPdf(const std::string& pdfFile, Print&& print) {
    const QString fileName = FromUtf8(pdfFile);
    QPdfWriter writer(fileName);
    writer.setCreator(QStringLiteral("Fendro"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    // A PDF page has no unprintable edge: the printable area is the whole sheet.
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QtPrintCanvas canvas(writer, fileName);
    print(canvas);
    return 0;
}
