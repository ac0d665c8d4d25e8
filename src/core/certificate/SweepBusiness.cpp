// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/SweepBusiness.h"

#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"

const char* const kBusinessKeys[kBusinessLines] = {"Name", "Strasse", "Ort", "Telefon"};

SweepBusiness ReadSweepBusiness(const IniFile& ini) {
    SweepBusiness business;
    for (int i = 0; i < kBusinessLines; ++i) {
        business[static_cast<size_t>(i)] = ini.ReadString("Betrieb", kBusinessKeys[i], "");
    }
    return business;
}

void WriteSweepBusiness(IniFile& ini, const SweepBusiness& business) {
    for (int i = 0; i < kBusinessLines; ++i) {
        ini.WriteString("Betrieb", kBusinessKeys[i], business[static_cast<size_t>(i)]);
    }
}

std::vector<std::string> ReadFuelNames(const IniFile& ini) {
    std::vector<std::string> names;
    for (int n = 0; n < 16; ++n) {
        names.push_back(ini.ReadString(std::to_string(n), "Name", DefaultFuelName(n)));
    }
    return names;
}
