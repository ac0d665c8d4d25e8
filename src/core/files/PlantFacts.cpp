// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/PlantFacts.h"

#include "core/files/Trimmed.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<long long> ParseTenths(std::string_view text) {
    const std::string_view t = Trimmed(text);
    long long tenths = 0;
    size_t i = 0;
    while (i < t.size() && IsDigit(t[i])) {
        if (i >= 6) {
            return std::nullopt; // no fact reaches a million; keeps the sum small
        }
        tenths = tenths * 10 + (t[i] - '0');
        ++i;
    }
    if (i == 0) {
        return std::nullopt;
    }
    tenths *= 10;
    if (i < t.size() && (t[i] == ',' || t[i] == '.')) {
        ++i;
        if (i < t.size() && IsDigit(t[i])) {
            tenths += t[i] - '0';
            ++i;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    return tenths;
}

std::optional<double> ParseNominalOutput(std::string_view text) {
    // From tenths, so "25,1" compares exactly against the steps.
    const std::optional<long long> tenths = ParseTenths(text);
    if (!tenths) {
        return std::nullopt;
    }
    return static_cast<double>(*tenths) / 10.0;
}

std::optional<double> FlueGasLossLimit(double nominalOutputKw, bool standardBoiler) {
    if (!(nominalOutputKw >= 4.0)) {
        return std::nullopt;
    }
    double limit = 9.0;
    if (nominalOutputKw <= 25.0) {
        limit = 11.0;
    } else if (nominalOutputKw <= 50.0) {
        limit = 10.0;
    }
    return standardBoiler ? limit + 1.0 : limit;
}

bool HasDayForm(std::string_view text) {
    const std::string_view t = Trimmed(text);
    if (t.size() != 10 || t[2] != '.' || t[5] != '.') {
        return false;
    }
    for (const size_t i : {0, 1, 3, 4, 6, 7, 8, 9}) {
        if (!IsDigit(t[i])) {
            return false;
        }
    }
    return true;
}

std::optional<Day> ParseDay(std::string_view text) {
    if (!HasDayForm(text)) {
        return std::nullopt;
    }
    const std::string_view t = Trimmed(text);
    auto number = [&](size_t from, size_t count) {
        int n = 0;
        for (size_t i = from; i < from + count; ++i) {
            n = n * 10 + (t[i] - '0');
        }
        return n;
    };
    Day d{number(6, 4), number(3, 2), number(0, 2)};
    static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > kDays[d.month - 1]) {
        return std::nullopt;
    }
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    if (d.month == 2 && d.day == 29 && !leap) {
        return std::nullopt;
    }
    return d;
}

namespace {

std::string_view CellAt(const CardTable::Row& row, int col) {
    return static_cast<size_t>(col) < row.size() ? std::string_view(row[static_cast<size_t>(col)])
                                                 : std::string_view();
}

char Letter(std::string_view cell) {
    const std::string_view t = Trimmed(cell);
    if (t.size() != 1) {
        return 0;
    }
    const char c = t[0];
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

Answer ReadAnswer(std::string_view cell) {
    switch (Letter(cell)) {
    case 'J':
        return Answer::Yes;
    case 'N':
        return Answer::No;
    default:
        return Answer::Unknown;
    }
}

PlantKind ReadPlantKind(std::string_view cell) {
    switch (Letter(cell)) {
    case 'Z':
        return PlantKind::Central;
    case 'E':
        return PlantKind::RoomHeater;
    case 'H':
        return PlantKind::HeatingAndWater;
    case 'W':
        return PlantKind::WaterOnly;
    default:
        return PlantKind::Unknown;
    }
}

// Four digits; a year of this or the last millennium.
std::optional<int> ReadYear(std::string_view cell) {
    const std::string_view t = Trimmed(cell);
    if (t.size() != 4 || t.find_first_not_of("0123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    const int year = std::stoi(std::string(t));
    return year >= 1000 ? std::optional<int>(year) : std::nullopt;
}

} // namespace

BoilerFacts ReadBoilerFacts(const CardTable::Row& row) {
    BoilerFacts f;
    f.nominalOutputKw = ParseNominalOutput(CellAt(row, kColNominalOutput));
    switch (Letter(CellAt(row, kColBurnerKind))) {
    case 'V':
        f.burner = BurnerKind::Vaporising;
        break;
    case 'Z':
        f.burner = BurnerKind::PressureJet;
        break;
    case 'A':
        f.burner = BurnerKind::WithoutFan;
        break;
    default:
        break;
    }
    f.standardBoiler = ReadAnswer(CellAt(row, kColStandardBoiler));
    f.installed = ParseDay(CellAt(row, kColInstallDate));
    f.accessionArea = ReadAnswer(CellAt(row, kColAccessionArea));
    f.measuredOutputKw = ParseNominalOutput(CellAt(row, kColMeasuredOutput));
    f.plant = ReadPlantKind(CellAt(row, kColPlantKind));
    f.condensing = ReadAnswer(CellAt(row, kColCondensing));
    f.selfCalibrating = ReadAnswer(CellAt(row, kColSelfCalibrating));
    f.outsideWallFlue = ReadAnswer(CellAt(row, kColOutsideWallFlue));
    f.dueYear = ReadYear(CellAt(row, kColDueYear));
    f.makerCertificate = ReadAnswer(CellAt(row, kColMakerCertificate));
    return f;
}

bool HasAnyFact(const CardTable::Row& row) {
    for (int c = kColNominalOutput; c < kFactColumnsEnd; ++c) {
        if (!Trimmed(CellAt(row, c)).empty()) {
            return true;
        }
    }
    return false;
}
