// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program: reads no arguments; its settings and column definitions lie beside it.

#include "gui/app/Program.h"

int main(int argc, char* argv[]) {
    return RunProgram(argc, argv);
}
