// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names of the files beside the program, and reading and writing the settings file.

#include <string>

class IniFile;
struct ConnectionSettings;

// The program's own file; the settings and column definition files derive from it.
void SetProgramFileName(const std::string& fileName);
const std::string& ProgramFileName();
// The program's folder, with a trailing separator.
std::string ProgramDir();
// The program file's path with its extension replaced.
std::string ProgramFileWithExtension(const std::string& extension);

// The settings file: beside the program unless redirected (an installed, read-only program).
std::string SettingsFileName();
void SetSettingsFileName(const std::string& fileName);
// The column definition file beside the program.
std::string DefinitionFileName();

// Reads [Main] into `connection` and `cardFileName` (the card file named there), then completes
// the fuel table in the settings file; the values are read also when completing it fails.
void LoadSettings(ConnectionSettings& connection, std::string& cardFileName);
// Writes every key of the fuel sections "0" to "15" back, missing ones with their defaults.
void EnsureFuelDefaults(IniFile& ini);
// The name a fuel entry gets on the first start (Windows-1252); empty from entry 5 on.
std::string DefaultFuelName(int entry);
// Writes [Main]: `connection` and the card file `cardFileName`.
void SaveSettings(const ConnectionSettings& connection, const std::string& cardFileName);
// Writes only the connection's keys of [Main], as soon as the user confirms them.
void SaveConnectionSettings(const ConnectionSettings& connection);
