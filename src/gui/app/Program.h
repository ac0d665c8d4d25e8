// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The whole desktop program, from the application object to the end of the message loop.
// main() is only this call, so that benchmarks can run exactly the same start-up.

int RunProgram(int argc, char* argv[]);
