// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Ansi.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"

namespace {

struct FuelDefault {
    const char* name; // Windows-1252
    const char* co2Max;
    const char* a1;
    const char* b;
    const char* maxEta;
};

const FuelDefault kFuelDefaults[5] = {
    {"Heiz\xF6l", "15.4", "0.50", "0.007", "100.0"},
    {"Erdgas", "11.8", "0.37", "0.009", "100.0"},
    {"Stadtgas", "11.7", "0.35", "0.011", "100.0"},
    {"Kokereigas", "10.2", "0.29", "0.011", "100.0"},
    {"Fl\xFCssiggas", "14.0", "0.42", "0.008", "100.0"},
};

const char* const kFuelKeys[5] = {"Name", "CO2Max", "A1", "B", "MaxEta"};

} // namespace

std::string DefaultFuelName(int entry) {
    return entry >= 0 && entry < 5 ? kFuelDefaults[entry].name : "";
}

void EnsureFuelDefaults(IniFile& ini) {
    for (int n = 0; n < 16; ++n) {
        const std::string section = std::to_string(n);
        for (int k = 0; k < 5; ++k) {
            const char* def = "0";
            if (n < 5) {
                const FuelDefault& f = kFuelDefaults[n];
                const char* values[5] = {f.name, f.co2Max, f.a1, f.b, f.maxEta};
                def = values[k];
            } else if (k == 0) {
                def = "";
            }
            const std::string value = ini.ReadString(section, kFuelKeys[k], def);
            ini.WriteString(section, kFuelKeys[k], value);
        }
    }
}

void LoadSettings(ConnectionSettings& connection, std::string& cardFileName) {
    IniFile ini(SettingsFileName());
    connection = ReadConnectionSettings(ini);
    cardFileName = AnsiToUtf8(ini.ReadString("Main", "Filename", "C:\\"));
    EnsureFuelDefaults(ini);
}

void SaveSettings(const ConnectionSettings& connection, const std::string& cardFileName) {
    IniFile ini(SettingsFileName());
    ini.WriteString("Main", "TypGeraet", connection.DeviceType);
    ini.WriteString("Main", "Filename", Utf8ToAnsiLossy(cardFileName));
    WriteConnectionSettings(ini, connection);
}

void SaveConnectionSettings(const ConnectionSettings& connection) {
    IniFile ini(SettingsFileName());
    WriteConnectionSettings(ini, connection);
}
