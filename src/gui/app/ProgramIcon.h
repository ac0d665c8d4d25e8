// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's icon, the same picture as the desktop entry's.

#include <QIcon>

// Drawn from the icon file built into the program, in the sizes window managers ask for.
QIcon ProgramIcon();
