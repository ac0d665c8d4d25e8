// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Program-wide state and the names of the files beside the program.

#include <string>

class IniFile;
struct ConnectionSettings;

enum TSaveMode : unsigned char { smAppend = 0, smOverwrite = 1, smCancel = 2 };

// The card file named in [Main] of the settings file. Native (UTF-8) here, Windows-1252 in the
// file.
extern std::string CardFileName;

extern bool DataChanged;
extern TSaveMode SaveMode;

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

// Reads [Main] into `connection` and CardFileName, then completes the fuel table in the settings
// file.
void LoadSettings(ConnectionSettings& connection);
// Writes every key of the fuel sections "0" to "15" back, missing ones with their defaults.
void EnsureFuelDefaults(IniFile& ini);
// The name a fuel entry gets on the first start (Windows-1252); empty from entry 5 on.
std::string DefaultFuelName(int entry);
// Writes [Main]: `connection` and CardFileName.
void SaveSettings(const ConnectionSettings& connection);
