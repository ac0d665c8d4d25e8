// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/SweepBusiness.h"

#include "core/files/IniFile.h"
#include "core/files/PlantFacts.h"
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

const char* const kLossUncertaintyKey = "MessunsicherheitAbgasverlust";

std::optional<int> ReadLossUncertainty(const IniFile& ini) {
    const std::optional<long long> tenths =
        ParseTenths(ini.ReadString("Betrieb", kLossUncertaintyKey, ""));
    if (!tenths) {
        return std::nullopt;
    }
    return static_cast<int>(*tenths);
}

void WriteLossUncertainty(IniFile& ini, std::optional<int> tenths) {
    if (!tenths && !ini.ValueExists("Betrieb", kLossUncertaintyKey)) {
        return;
    }
    ini.WriteString("Betrieb", kLossUncertaintyKey, TenthsText(tenths));
}

std::string TenthsText(std::optional<int> tenths) {
    if (!tenths) {
        return {};
    }
    return std::to_string(*tenths / 10) + "." + std::to_string(*tenths % 10);
}

std::vector<std::string> ReadFuelNames(const IniFile& ini) {
    std::vector<std::string> names;
    for (int n = 0; n < 16; ++n) {
        names.push_back(ini.ReadString(std::to_string(n), "Name", DefaultFuelName(n)));
    }
    return names;
}
