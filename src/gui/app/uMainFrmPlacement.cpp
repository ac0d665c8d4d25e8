// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's size and place, kept in [Fenster] of the settings file.

#include "core/app/WindowPlacement.h"
#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/uMainFrm.h"

#include <QGuiApplication>
#include <QScreen>

namespace {

ScreenRect ToScreenRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

} // namespace

void TMainFrm::PlaceOnScreen() {
    WindowPlacement placement;
    bool stored = false;
    // A settings file that cannot be read is reported by the settings' own reading.
    try {
        stored = ReadWindowPlacement(IniFile(SettingsFileName()), placement);
    } catch (const std::exception&) {
    }
    if (stored) {
        resize(placement.frame.width, placement.frame.height);
    }
    // The frame is known only on some desktops before the window is shown; 0 elsewhere.
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize outer = size() + frame;
    QScreen* screen = nullptr;
    if (stored) {
        screen = QGuiApplication::screenAt(
            QPoint(placement.frame.x + outer.width() / 2, placement.frame.y + outer.height() / 2));
    }
    if (screen == nullptr) {
        screen = this->screen();
    }
    if (screen == nullptr) {
        return;
    }
    // Device-independent pixels on both sides: at a scale of 2 the area is half the pixels.
    const QRect area = screen->availableGeometry();
    // On a very small area (a netbook at 200 %) the window may become smaller than it would be
    // allowed to otherwise, rather than hang over the edges.
    setMinimumSize(minimumSize().boundedTo(area.size() - frame));
    QPoint corner = area.center() - QRect(QPoint(), outer).center();
    if (stored) {
        corner = QPoint(placement.frame.x, placement.frame.y);
    }
    const ScreenRect placed =
        ClampInto({corner.x(), corner.y(), outer.width(), outer.height()}, ToScreenRect(area));
    resize(placed.width - frame.width(), placed.height - frame.height());
    move(placed.x, placed.y);
    if (stored && placement.maximised) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

void TMainFrm::SaveWindowPlacement() {
    WindowPlacement placement;
    placement.maximised = isMaximized();
    // A maximised window keeps the place it goes back to.
    const QRect normal = placement.maximised ? normalGeometry() : geometry();
    const QPoint frameCorner =
        normal.topLeft() - (geometry().topLeft() - frameGeometry().topLeft());
    placement.frame = {frameCorner.x(), frameCorner.y(), normal.width(), normal.height()};
    IniFile ini(SettingsFileName());
    WriteWindowPlacement(ini, placement);
}
