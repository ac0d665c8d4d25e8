// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The print canvas on a QPrinter or a QPdfWriter, painted with a QPainter in device pixels and
// measured with the device's own font metrics.

#include "core/printing/PrintCanvas.h"

#include <QFont>
#include <QPen>
#include <QString>

#include <map>
#include <memory>
#include <utility>

class QPagedPaintDevice;
class QPainter;
class QPdfWriter;
class QPrinter;

class QtPrintCanvas : public PrintCanvas {
public:
    explicit QtPrintCanvas(QPrinter& printer);
    // `fileName` is the file the writer writes, for the message when it cannot.
    QtPrintCanvas(QPdfWriter& writer, const QString& fileName);
    ~QtPrintCanvas() override;
    QtPrintCanvas(const QtPrintCanvas&) = delete;
    QtPrintCanvas& operator=(const QtPrintCanvas&) = delete;

    void SetOrientation(TPrinterOrientation orientation) override;
    void SetTitle(const std::string& title) override;
    PhysicalPage Paper() override;
    void BeginJob() override;
    void EndJob() override;

    void SetFontHeight(int height) override;
    void SetBold(bool bold) override;
    void SetPenWidth(int width) override;
    int TextWidth(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void NewPage() override;

private:
    struct SizedFont {
        QFont font;
        double ascent = 0;
    };
    const SizedFont& FontFor(int height, bool bold);
    int Resolution() const;
    QString OutputFileName() const;

    QPagedPaintDevice& device_;
    QPrinter* printer_ = nullptr;
    QPdfWriter* writer_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    double pixelsPerUnitX_ = 1;
    double pixelsPerUnitY_ = 1;
    std::map<std::pair<int, bool>, SizedFont> fonts_;
    const SizedFont* font_ = nullptr;
    int fontHeight_ = 0;
    bool bold_ = false;
    QPen pen_;
    QString pdfFileName_;
};

// Throws EPrinter with a German text when `printer` cannot take a job: no printer installed and
// no PDF file chosen instead.
void CheckPrinterUsable(const QPrinter& printer);
