// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The device's 168-character measurement record, its decoded form and the 25-field card line
// it gives. Texts are Windows-1252 bytes throughout.

#include "core/exchange/CivilDate.h"
#include "core/exchange/NumberFormat.h"
#include "core/exchange/RecordSize.h"
#include "core/exchange/Umlauts.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

// A decoded record: 44 texts, all empty at first.
struct TDatenSatz_T7Q {
    enum Slot : int {
        Hour = 1,
        Minute = 2,
        Day = 3,
        Month = 4,
        FuelName = 5,
        AirTemp = 6,
        FlueGasTemp = 7,
        O2 = 8,
        Text30 = 9,
        Sign35 = 10,
        Signed35 = 11,
        YesNo40 = 12,
        Char41 = 13,
        Char42 = 14,
        Char43 = 15,
        Text49 = 17,
        Text54 = 18,
        CustomerName = 19,
        Street = 20,
        Town = 21,
        ConcO2 = 23,
        Conc = 24,
        Tenths152 = 26,
        Text157 = 27,
        Sign162 = 28,
        Signed162 = 29,
        Efficiency = 30,
        Year = 31,
        CO2 = 32,
        ConcUndiluted = 33,
        FlueGasLoss = 34,
        Date = 35,
        Time = 36,
        ExcessAir = 37,
    };
    static constexpr int SlotCount = 44;

    std::array<std::string, SlotCount> fields;

    std::string& operator[](Slot s) { return fields[static_cast<size_t>(s)]; }
    const std::string& operator[](Slot s) const { return fields[static_cast<size_t>(s)]; }
};

// The name of a slot ("Hour", "CO2", ...), or "" for the unnamed ones and numbers out of range.
const char* SlotName(int slot);

constexpr int kCardLineFields = 25;

// The slot that fills card column `column` (0 to 24).
TDatenSatz_T7Q::Slot CardLineSlot(int column);

// A fuel type as the decoding reads it from the settings file.
struct FuelConstants {
    std::string name; // the code itself when the section has no "Name"
    double co2Max = 999;
    double a1 = 999;
    double b = 999;
};

// Reads section `code` of the settings file now; a missing file, section or key gives the
// defaults ("999" for the numbers). Never creates the file.
FuelConstants ReadFuelConstants(const std::string& settingsFile, std::string_view code);

// Decodes one record (168 characters; a shorter text reads as if cut off there), with the fuel
// table of `settingsFile` and `today` for the year. Never fails: bad data turns into values.
TDatenSatz_T7Q DecodeDeviceRecord(std::string_view record, const std::string& settingsFile,
                                  const CivilDate& today);
// The same with the program's settings file and the system clock.
TDatenSatz_T7Q DecodeDeviceRecord(std::string_view record);

// Appends the record's card line, ended by CR LF, to `cardFile` (the file's contents). With
// `convert`, name, street, town and fuel name pass through UmlautsFromDevice.
void WriteCardLine(std::string& cardFile, const TDatenSatz_T7Q& record, bool convert);

// Whether the serial path exchanges texts in the device's DOS code page.
inline bool UsesDeviceCodePage(const std::string& deviceType) {
    return deviceType == "XQ";
}

// The pauses of the transfer flows: called with a duration in milliseconds. Empty: no pause.
using PauseFunction = std::function<void(int ms)>;
