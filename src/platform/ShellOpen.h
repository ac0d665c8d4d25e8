// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Opening a file with the program the system registered for its type.

#include <string>

// Opens `fileName`, named relative to `workingDir`, with the registered program: on Windows the
// registry's "open" command of its extension, started in `workingDir`; elsewhere the desktop's
// opener. Whether a program starts is not reported.
void OpenWithRegisteredProgram(const std::string& fileName, const std::string& workingDir);

#ifdef _WIN32
// Starts `program` with the one parameter text in `workingDir` through the shell's "open".
// Whether it starts is not reported; an empty program does nothing.
void ShellOpen(const std::string& program, const std::string& parameter,
               const std::string& workingDir);
#endif
