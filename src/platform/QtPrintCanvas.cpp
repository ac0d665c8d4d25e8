// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/QtPrintCanvas.h"

#include "core/files/FileErrors.h"
#include "core/printing/PrintLayout.h"
#include "platform/TextCodec.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

namespace {
// Drawing units are 0.1 mm: 254 of them make an inch.
constexpr double kUnitsPerInch = 254.0;
} // namespace

QtPrintCanvas::QtPrintCanvas(QPrinter& printer) : device_(printer), printer_(&printer) {
    // The layout measures the whole sheet (Paper), so it draws on the whole sheet too: with the
    // printer's margins as origin the rules would run past the right edge of the paper.
    printer.setFullPage(true);
}

QtPrintCanvas::QtPrintCanvas(QPdfWriter& writer, const QString& fileName)
    : device_(writer), writer_(&writer), pdfFileName_(fileName) {}

QtPrintCanvas::~QtPrintCanvas() {
    if (painter_ && painter_->isActive()) {
        painter_->end();
    }
}

int QtPrintCanvas::Resolution() const {
    return printer_ != nullptr ? printer_->resolution() : writer_->resolution();
}

QString QtPrintCanvas::OutputFileName() const {
    if (printer_ != nullptr) {
        return printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName()
                                                               : QString();
    }
    return pdfFileName_;
}

void QtPrintCanvas::SetOrientation(TPrinterOrientation orientation) {
    device_.setPageOrientation(orientation == poLandscape ? QPageLayout::Landscape
                                                          : QPageLayout::Portrait);
}

void QtPrintCanvas::SetTitle(const std::string& title) {
    if (printer_ != nullptr) {
        printer_->setDocName(FromUtf8(title));
    } else {
        writer_->setTitle(FromUtf8(title));
    }
}

PhysicalPage QtPrintCanvas::Paper() {
    const int dpi = Resolution();
    const QRect full = device_.pageLayout().fullRectPixels(dpi);
    PhysicalPage page;
    page.widthPixels = full.width();
    page.heightPixels = full.height();
    page.pixelsPerInchX = dpi;
    page.pixelsPerInchY = dpi;
    return page;
}

void QtPrintCanvas::BeginJob() {
    const int dpi = Resolution();
    pixelsPerUnitX_ = dpi / kUnitsPerInch;
    pixelsPerUnitY_ = dpi / kUnitsPerInch;
    fonts_.clear();
    font_ = nullptr;
    bold_ = false;
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(&device_)) {
        painter_.reset();
        const QString file = OutputFileName();
        if (!file.isEmpty()) {
            throw EInOutError(UnableToWriteMessage(ToUtf8(file)));
        }
        throw EPrinter("Der Drucker hat den Druckauftrag abgelehnt.");
    }
    SetFontHeight(PrintMetrics::kBodyFontHeight);
    SetPenWidth(1);
}

void QtPrintCanvas::EndJob() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

const QtPrintCanvas::SizedFont& QtPrintCanvas::FontFor(int height, bool bold) {
    auto found = fonts_.find({height, bold});
    if (found != fonts_.end()) {
        return found->second;
    }
    // The height is the font's cell height (ascent plus descent), as the system's fonts take
    // it; Qt's pixel size is the em size, so it is scaled until the cell fits.
    const double cell = std::max(1.0, height * pixelsPerUnitY_);
    // One face for the window and fendro-tool, whatever the desktop's default font, so that both
    // put every text at the same place. No shaping: ligatures would leave "ff" as one glyph in a
    // PDF's text, and a search for "Hoffmann" would miss it.
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::PreferNoShaping);
    font.setBold(bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(cell))));
    const double measured = QFontMetricsF(font, &device_).height();
    if (measured > 0) {
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(cell * cell / measured))));
    }
    SizedFont sized;
    sized.font = font;
    sized.ascent = QFontMetricsF(font, &device_).ascent();
    return fonts_.emplace(std::make_pair(height, bold), sized).first->second;
}

void QtPrintCanvas::SetFontHeight(int height) {
    fontHeight_ = height;
    font_ = &FontFor(height, bold_);
    if (painter_) {
        painter_->setFont(font_->font);
    }
}

void QtPrintCanvas::SetBold(bool bold) {
    bold_ = bold;
    SetFontHeight(fontHeight_ > 0 ? fontHeight_ : PrintMetrics::kBodyFontHeight);
}

void QtPrintCanvas::SetPenWidth(int width) {
    pen_ = QPen(Qt::black, std::max(0.0, width * pixelsPerUnitX_), Qt::SolidLine, Qt::FlatCap);
    if (painter_) {
        painter_->setPen(pen_);
    }
}

int QtPrintCanvas::TextWidth(const std::string& text) {
    if (font_ == nullptr) {
        SetFontHeight(PrintMetrics::kBodyFontHeight);
    }
    const double pixels = QFontMetricsF(font_->font, &device_).horizontalAdvance(FromUtf8(text));
    return static_cast<int>(std::lround(pixels / pixelsPerUnitX_));
}

void QtPrintCanvas::TextOut(int x, int y, const std::string& text) {
    if (!painter_ || text.empty()) {
        return;
    }
    painter_->drawText(QPointF(x * pixelsPerUnitX_, -y * pixelsPerUnitY_ + font_->ascent),
                       FromUtf8(text));
}

void QtPrintCanvas::Line(int x1, int y1, int x2, int y2) {
    if (!painter_) {
        return;
    }
    painter_->drawLine(QPointF(x1 * pixelsPerUnitX_, -y1 * pixelsPerUnitY_),
                       QPointF(x2 * pixelsPerUnitX_, -y2 * pixelsPerUnitY_));
}

void QtPrintCanvas::NewPage() {
    if (!device_.newPage()) {
        throw EPrinter("Der Drucker konnte keine neue Seite beginnen.");
    }
}

void CheckPrinterUsable(const QPrinter& printer) {
    const bool usable = printer.outputFormat() == QPrinter::PdfFormat
                            ? !printer.outputFileName().isEmpty()
                            : !printer.printerName().isEmpty() && printer.isValid();
    if (!usable) {
        throw EPrinter("Es ist kein Drucker installiert. Unter \"Drucker einstellen...\" kann "
                       "stattdessen in eine PDF-Datei "
                       "gedruckt werden.");
    }
}
