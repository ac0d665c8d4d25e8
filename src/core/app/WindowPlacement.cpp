// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/WindowPlacement.h"

#include "core/files/IniFile.h"

#include <algorithm>

namespace {

const char* const kSection = "Fenster";

// Starts within [lo, hi - length] and, when it is longer than the room, at lo: the title bar
// and the menu stay reachable.
int Clamp(int start, int length, int lo, int hi) {
    return std::max(lo, std::min(start, hi - length));
}

} // namespace

ScreenRect ClampInto(const ScreenRect& window, const ScreenRect& area) {
    ScreenRect r;
    r.width = std::min(window.width, area.width);
    r.height = std::min(window.height, area.height);
    r.x = Clamp(window.x, r.width, area.x, area.x + area.width);
    r.y = Clamp(window.y, r.height, area.y, area.y + area.height);
    return r;
}

bool ReadWindowPlacement(const IniFile& ini, WindowPlacement& placement) {
    WindowPlacement p;
    p.frame.x = ini.ReadInteger(kSection, "Links", 0);
    p.frame.y = ini.ReadInteger(kSection, "Oben", 0);
    p.frame.width = ini.ReadInteger(kSection, "Breite", 0);
    p.frame.height = ini.ReadInteger(kSection, "Hoehe", 0);
    p.maximised = ini.ReadInteger(kSection, "Maximiert", 0) != 0;
    if (p.frame.width <= 0 || p.frame.height <= 0) {
        return false;
    }
    placement = p;
    return true;
}

void WriteWindowPlacement(IniFile& ini, const WindowPlacement& placement) {
    ini.WriteInteger(kSection, "Links", placement.frame.x);
    ini.WriteInteger(kSection, "Oben", placement.frame.y);
    ini.WriteInteger(kSection, "Breite", placement.frame.width);
    ini.WriteInteger(kSection, "Hoehe", placement.frame.height);
    ini.WriteInteger(kSection, "Maximiert", placement.maximised ? 1 : 0);
}
