// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's place on the screen: kept in [Fenster] of the settings file and brought
// wholly onto the screen's usable area at the start.

class IniFile;

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// `window` moved, and shrunk where it is larger, so that it lies wholly inside `area`. Both are
// in the same units (the desktop's device-independent pixels, whatever the scale factor).
ScreenRect ClampInto(const ScreenRect& window, const ScreenRect& area);

struct WindowPlacement {
    // In the normal state: the corner of the outer frame, and the size inside the frame (the
    // frame is drawn by the desktop and may differ at the next start).
    ScreenRect frame;
    bool maximised = false;
};

// False when [Fenster] holds no usable size (the first start, or edited by hand).
bool ReadWindowPlacement(const IniFile& ini, WindowPlacement& placement);
void WriteWindowPlacement(IniFile& ini, const WindowPlacement& placement);
