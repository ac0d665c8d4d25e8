// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/uT7Q.h"

#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"

namespace {

using R = TDatenSatz_T7Q;

const char* const kSlotNames[R::SlotCount] = {"",
                                              "Hour",
                                              "Minute",
                                              "Day",
                                              "Month",
                                              "FuelName",
                                              "AirTemp",
                                              "FlueGasTemp",
                                              "O2",
                                              "Text30",
                                              "Sign35",
                                              "Signed35",
                                              "YesNo40",
                                              "Char41",
                                              "Char42",
                                              "Char43",
                                              "",
                                              "Text49",
                                              "Text54",
                                              "CustomerName",
                                              "Street",
                                              "Town",
                                              "",
                                              "ConcO2",
                                              "Conc",
                                              "",
                                              "Tenths152",
                                              "Text157",
                                              "Sign162",
                                              "Signed162",
                                              "Efficiency",
                                              "Year",
                                              "CO2",
                                              "ConcUndiluted",
                                              "FlueGasLoss",
                                              "Date",
                                              "Time",
                                              "ExcessAir",
                                              "",
                                              "",
                                              "",
                                              "",
                                              "",
                                              ""};

const R::Slot kCardColumns[kCardLineFields] = {
    R::CustomerName, R::Street,        R::Town,        R::FuelName,   R::FlueGasTemp,
    R::AirTemp,      R::Text54,        R::O2,          R::CO2,        R::Text30,
    R::Text49,       R::ExcessAir,     R::FlueGasLoss, R::Efficiency, R::Date,
    R::Time,         R::Signed35,      R::YesNo40,     R::Char43,     R::Char42,
    R::Char41,       R::ConcUndiluted, R::Tenths152,   R::Text157,    R::Signed162};

// The n characters from position p (counted from 1); what lies beyond the end is missing.
std::string_view Cut(std::string_view record, size_t p, size_t n) {
    if (p - 1 >= record.size()) {
        return {};
    }
    return record.substr(p - 1, n);
}

std::string TrimmedText(std::string_view record, size_t p, size_t n) {
    return CommaToPoint(TrimControls(Cut(record, p, n)));
}

// Sign and value of a signed field: sign at p, magnitude in hundredths in the 4 after it.
void DecodeSigned(std::string_view record, size_t p, std::string& sign, std::string& value) {
    const std::string_view c = Cut(record, p, 1);
    const std::int32_t m = IntOrZero(TrimControls(Cut(record, p + 1, 4)));
    if (c == "-") {
        sign = "-";
    } else if (c == " " && m > 0) {
        sign = "+";
    } else {
        sign = " ";
    }
    value = sign + FormatG4(m / 100.0);
}

std::string SingleChar(std::string_view record, size_t p) {
    std::string c(TrimControls(Cut(record, p, 1)));
    if (c == ":") {
        c = "9";
    }
    return CommaToPoint(c);
}

std::string PaddedNumber(int value, size_t width) {
    std::string s = std::to_string(value < 0 ? -value : value);
    if (s.size() < width) {
        s.insert(0, width - s.size(), '0');
    }
    return value < 0 ? "-" + s : s;
}

} // namespace

const char* SlotName(int slot) {
    return slot >= 0 && slot < R::SlotCount ? kSlotNames[slot] : "";
}

TDatenSatz_T7Q::Slot CardLineSlot(int column) {
    return kCardColumns[column];
}

FuelConstants ReadFuelConstants(const std::string& settingsFile, std::string_view code) {
    const IniFile ini(settingsFile);
    FuelConstants f;
    f.name = ini.ReadString(code, "Name", code);
    f.co2Max = FloatOrZero(ini.ReadString(code, "CO2Max", "999"));
    f.a1 = FloatOrZero(ini.ReadString(code, "A1", "999"));
    f.b = FloatOrZero(ini.ReadString(code, "B", "999"));
    return f;
}

TDatenSatz_T7Q DecodeDeviceRecord(std::string_view record, const std::string& settingsFile,
                                  const CivilDate& today) {
    R r;
    r[R::Hour] = std::string(Cut(record, 6, 2));
    r[R::Minute] = std::string(Cut(record, 8, 2));
    r[R::Day] = std::string(Cut(record, 10, 2));
    r[R::Month] = std::string(Cut(record, 12, 2));

    r[R::AirTemp] = TrimmedText(record, 15, 5);
    r[R::FlueGasTemp] = TrimmedText(record, 20, 5);
    r[R::Text30] = TrimmedText(record, 30, 5);
    r[R::Text49] = TrimmedText(record, 49, 5);
    r[R::Text54] = TrimmedText(record, 54, 5);
    r[R::Conc] = TrimmedText(record, 122, 5);
    r[R::Text157] = TrimmedText(record, 157, 5);

    // Names keep their trailing blanks.
    r[R::CustomerName] = CommaToPoint(Cut(record, 59, 20));
    r[R::Street] = CommaToPoint(Cut(record, 79, 20));
    r[R::Town] = CommaToPoint(Cut(record, 99, 16));

    r[R::Char41] = SingleChar(record, 41);
    r[R::Char42] = SingleChar(record, 42);
    r[R::Char43] = SingleChar(record, 43);

    r[R::O2] = FormatF1(IntOrZero(TrimControls(Cut(record, 25, 5))) / 10.0);

    DecodeSigned(record, 35, r[R::Sign35], r[R::Signed35]);

    const std::string_view flag = Cut(record, 40, 1);
    if (flag == "1") {
        r[R::YesNo40] = "JA";
    } else if (flag == "0") {
        r[R::YesNo40] = "NEIN";
    } else if (flag == " ") {
        r[R::YesNo40] = "---";
    }

    r[R::ConcO2] = FormatG5(IntOrZero(TrimControls(Cut(record, 117, 5))) / 10.0);
    r[R::Tenths152] = FormatG5(IntOrZero(TrimControls(Cut(record, 152, 5))) / 10.0);

    DecodeSigned(record, 162, r[R::Sign162], r[R::Signed162]);

    // A month later in the year than today's was measured last year. The full year is kept,
    // so that the turn of a century gives a real year too.
    const int year = today.month < IntOrZero(r[R::Month]) ? today.year - 1 : today.year;
    r[R::Year] = PaddedNumber(year, 4);

    r[R::Date] = r[R::Day] + "." + r[R::Month] + "." + r[R::Year];
    r[R::Time] = r[R::Hour] + ":" + r[R::Minute];

    const std::string_view code = Cut(record, 14, 1);
    const FuelConstants fuel = ReadFuelConstants(settingsFile, code);
    r[R::FuelName] = fuel.name;

    const double o2 = FloatOrZero(r[R::O2]);
    const double tA = FloatOrZero(r[R::FlueGasTemp]);
    const double tL = FloatOrZero(r[R::AirTemp]);
    const bool noOxygen = r[R::O2] == "0.0";

    if (noOxygen) {
        r[R::CO2] = "---";
    } else {
        r[R::CO2] = FormatG5(RoundHalfEven((1 - o2 / 21) * fuel.co2Max * 10) / 10.0);
    }

    const double concO2 = FloatOrZero(r[R::ConcO2]);
    if (concO2 != 21) {
        const double f = 21 / (21 - concO2);
        r[R::ConcUndiluted] =
            FormatG5(static_cast<double>(RoundHalfEven(FloatOrZero(r[R::Conc]) * f)));
    }

    if (o2 == 21) {
        r[R::FlueGasLoss] = "0";
    } else {
        const std::int64_t k = RoundHalfEven((210 - o2 * 10) * 2 * (fuel.co2Max * 1000) / 210 / 2);
        if (k == 0) {
            r[R::FlueGasLoss] = "---";
        } else {
            const std::int64_t f =
                RoundHalfEven(fuel.a1 * 10000 * 400 / static_cast<double>(k) / 2);
            const double s = fuel.b * 1000 + static_cast<double>(f) + fuel.b * 1000;
            const std::int64_t l = RoundHalfEven((tA - tL) * s / 100 / 2);
            double q = static_cast<double>(l) / 10;
            if (q > 100) {
                q = 100;
            }
            r[R::FlueGasLoss] = FormatG3(q);
        }
    }

    if (noOxygen) {
        r[R::Efficiency] = "---";
    } else {
        r[R::Efficiency] = FormatG3(100 - FloatOrZero(r[R::FlueGasLoss]));
    }

    const double lambda = (o2 == 21 || o2 == 0) ? 0 : o2 / (21 - o2) + 1;
    r[R::ExcessAir] = FormatFixed32(lambda);

    // Commas (also those of the fuel name and of the untouched date and time parts) and line
    // breaks would split the card line; they never leave the decoding.
    for (std::string& slot : r.fields) {
        slot = CardSafe(slot);
    }
    return r;
}

TDatenSatz_T7Q DecodeDeviceRecord(std::string_view record) {
    return DecodeDeviceRecord(record, SettingsFileName(), SystemToday());
}

void WriteCardLine(std::string& cardFile, const TDatenSatz_T7Q& record, bool convert) {
    for (int c = 0; c < kCardLineFields; ++c) {
        if (c > 0) {
            cardFile += ',';
        }
        const std::string& field = record[kCardColumns[c]];
        if (convert && c <= 3) {
            cardFile += UmlautsFromDevice(field);
        } else {
            cardFile += field;
        }
    }
    cardFile += "\r\n";
}
