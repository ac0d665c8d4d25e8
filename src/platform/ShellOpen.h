#pragma once
// The system's registered programs and starting them.

#include <string>

// The program registered for opening files with the extension (for instance "PDF"), or empty:
// the registry's "open" command on Windows, the desktop's default application elsewhere, each
// reduced to the program path.
std::string GetAssociatedProgram(const std::string& extension);

// Starts `program` with the one parameter text in `workingDir`, without a shell. Whether it
// starts is not reported; an empty program does nothing.
void ShellOpen(const std::string& program, const std::string& parameter,
               const std::string& workingDir);
