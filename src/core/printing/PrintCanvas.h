// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The drawing surface of a print job, as the page layout needs it. Lengths are in 0.1 mm with
// x growing to the right and y growing upwards from the top left corner of the printable area,
// so every point on the page has y <= 0. Texts are UTF-8; the layout converts the card table's
// Windows-1252 cells before it draws them.

#include <string>

enum TPrinterOrientation : unsigned char { poPortrait = 0, poLandscape = 1 };

// The paper as the printer reports it: the physical size in device pixels and the resolution.
struct PhysicalPage {
    long long widthPixels = 0;
    long long heightPixels = 0;
    int pixelsPerInchX = 0;
    int pixelsPerInchY = 0;
};

class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // The job: orientation and title first, then the paper (which depends on the orientation),
    // then BeginJob. After a successful BeginJob the layout always calls EndJob, also when a
    // later step fails. Failures are thrown as exceptions with a German text.
    virtual void SetOrientation(TPrinterOrientation orientation) = 0;
    virtual void SetTitle(const std::string& title) = 0;
    virtual PhysicalPage Paper() = 0;
    virtual void BeginJob() = 0;
    virtual void EndJob() = 0;

    // Drawing on the current page.
    virtual void SetFontHeight(int height) = 0; // the font's cell height
    virtual void SetBold(bool bold) = 0;        // for the following texts, at any height
    virtual void SetPenWidth(int width) = 0;
    virtual int TextWidth(const std::string& text) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0; // (x, y) top left of the text
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual void NewPage() = 0;
};

// Runs the drawing of a job between BeginJob and EndJob. EndJob runs on every way out; when the
// drawing fails, its error is the one passed on, as it is the one the user needs to see.
template <typename Draw> void DrawJob(PrintCanvas& canvas, Draw&& draw) {
    canvas.BeginJob();
    try {
        draw();
    } catch (...) {
        try {
            canvas.EndJob();
        } catch (...) {
        }
        throw;
    }
    canvas.EndJob();
}
