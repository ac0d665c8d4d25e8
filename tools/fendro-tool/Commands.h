// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The subcommands of fendro-tool. Each takes the arguments after its name and returns the exit
// code: 0 success, 1 failure (message on stderr), 2 wrong usage (usage text on stderr).

#include <string>
#include <vector>

using Args = std::vector<std::string>;

// Conversions between files.
int CmdDecode(const Args& args);
int CmdBuildSend(const Args& args);
int CmdExportMmc(const Args& args);
int CmdImportMmc(const Args& args);
// Transfers over a serial port.
int CmdReceive(const Args& args);
int CmdSend(const Args& args);
// Printing into a PDF file.
int CmdPrintList(const Args& args);
int CmdPrintCard(const Args& args);
// A customer's measurements from a folder of card files.
int CmdHistory(const Args& args);
// A customer's request for information or deletion over a folder of card files.
int CmdCustomer(const Args& args);
// Measurement certificates into a PDF file.
int CmdCertificate(const Args& args);
// Who is due for a measurement, from a folder of card files.
int CmdDue(const Args& args);

// The settings file the program would use if it lay beside this tool.
std::string DefaultSettingsFile();

// Writes "Aufruf: fendro-tool <usage>" to stderr and returns 2.
int UsageError(const char* usage);
// Writes the message to stderr and returns 1.
int Failure(const std::string& message);
