// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/Verdict.h"

#include "core/files/Customer.h"
#include "core/files/Trimmed.h"

namespace {

std::string_view CellAt(const CardTable::Row& row, int col) {
    return static_cast<size_t>(col) < row.size() ? std::string_view(row[static_cast<size_t>(col)])
                                                 : std::string_view();
}

constexpr long long kMicro = 1000000;

// A card number taken apart: the sign, the whole part (at most nine digits, at least one) and
// the digits after a "." or ",". Nothing for anything else.
struct DecimalParts {
    bool negative = false;
    long long whole = 0;
    std::string_view decimals;
};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::optional<DecimalParts> SplitDecimal(std::string_view text) {
    const std::string_view t = Trimmed(text);
    DecimalParts parts;
    size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+')) {
        parts.negative = t[i] == '-';
        ++i;
    }
    size_t digits = 0;
    for (; i < t.size() && IsDigit(t[i]); ++i, ++digits) {
        if (digits >= 9) {
            return std::nullopt;
        }
        parts.whole = parts.whole * 10 + (t[i] - '0');
    }
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        const size_t start = ++i;
        while (i < t.size() && IsDigit(t[i])) {
            ++i;
        }
        parts.decimals = t.substr(start, i - start);
    }
    if (digits == 0 || i != t.size()) {
        return std::nullopt;
    }
    return parts;
}

// The value in millionths, so that a loss of "11.0" is exactly the limit of 11.
std::optional<long long> ParseMicro(std::string_view text) {
    const std::optional<DecimalParts> parts = SplitDecimal(text);
    if (!parts || parts->decimals.size() > 6) {
        return std::nullopt;
    }
    long long fraction = 0;
    long long scale = kMicro;
    for (const char c : parts->decimals) {
        scale /= 10;
        fraction += (c - '0') * scale;
    }
    const long long value = parts->whole * kMicro + fraction;
    return parts->negative ? -value : value;
}

// The soot numbers of the card, 0 to 9 each; the device writes a blank reading as an empty field.
std::vector<int> SootReadings(const CardTable::Row& row) {
    std::vector<int> readings;
    for (const int col : kColSoot) {
        const std::string_view t = Trimmed(CellAt(row, col));
        if (t.size() == 1 && t[0] >= '0' && t[0] <= '9') {
            readings.push_back(t[0] - '0');
        }
    }
    return readings;
}

// The verdict where the limit depends on a fact: `strict` applies without it, `relaxed` with
// it, and `relaxed` is unknown when the fact is missing.
void Decide(Check& check, long long measured, long long strict, long long relaxed,
            Answer relaxedApplies) {
    check.relaxation = relaxedApplies;
    if (relaxedApplies == Answer::Yes) {
        check.limit = static_cast<double>(relaxed) / kMicro;
        check.relaxedLimit = true;
        check.outcome = measured <= relaxed ? Outcome::Kept : Outcome::NotKept;
        return;
    }
    if (relaxedApplies == Answer::No || measured <= strict) {
        check.limit = static_cast<double>(strict) / kMicro;
        check.outcome = measured <= strict ? Outcome::Kept : Outcome::NotKept;
        return;
    }
    if (measured > relaxed) {
        check.limit = static_cast<double>(relaxed) / kMicro;
        check.relaxedLimit = true;
        check.outcome = Outcome::NotKept;
        return;
    }
    check.limit = static_cast<double>(strict) / kMicro;
    check.outcome = Outcome::Undecided;
}

// The exemption from § 10 that the facts show; the condensing boiler needs no output.
LossExemption ExemptionOfLoss(const BoilerFacts& facts) {
    if (facts.condensing == Answer::Yes) {
        return LossExemption::Condensing;
    }
    if (!facts.nominalOutputKw) {
        return LossExemption::None;
    }
    const double kw = *facts.nominalOutputKw;
    if (!FlueGasLossLimit(kw, false)) {
        return LossExemption::Below4Kw;
    }
    if (facts.plant == PlantKind::RoomHeater && kw <= 11.0) {
        return LossExemption::RoomHeater;
    }
    if (facts.plant == PlantKind::WaterOnly && kw <= 28.0) {
        return LossExemption::WaterOnly;
    }
    return LossExemption::None;
}

Paragraph ExemptionParagraph(LossExemption exemption) {
    switch (exemption) {
    case LossExemption::RoomHeater:
        return Paragraph::Par10Abs3Nr1;
    case LossExemption::WaterOnly:
        return Paragraph::Par10Abs3Nr2;
    case LossExemption::Condensing:
        return Paragraph::Par14Abs3Nr4;
    default:
        return Paragraph::Par10Abs1;
    }
}

Check LossCheck(const CardTable::Row& row, const BoilerFacts& facts,
                std::optional<int> uncertaintyTenths) {
    Check check{CheckKind::FlueGasLoss, Paragraph::Par10Abs1};
    check.exemption = ExemptionOfLoss(facts);
    // Without an oxygen reading (the device writes 0.0) or with air alone (21 %), the loss on
    // the card is not a measurement of the flue gas.
    const std::optional<long long> o2 = ParseMicro(CellAt(row, kColO2));
    const std::optional<long long> loss = RoundedTenths(CellAt(row, kColFlueGasLoss));
    const bool measured = o2 && *o2 > 0 && *o2 < 21 * kMicro && loss;
    if (measured) {
        check.measured = static_cast<double>(*loss) / 10;
        if (uncertaintyTenths) {
            check.uncertainty = static_cast<double>(*uncertaintyTenths) / 10;
        }
    }
    if (check.exemption != LossExemption::None) {
        // Shown as measured, but no limit to keep: a missing loss is no gap either.
        check.paragraph = ExemptionParagraph(check.exemption);
        check.outcome = Outcome::NoLimit;
        return check;
    }
    if (!measured) {
        return check;
    }
    if (!facts.nominalOutputKw) {
        check.outcome = Outcome::Undecided;
        return check;
    }
    const long long strict =
        static_cast<long long>(*FlueGasLossLimit(*facts.nominalOutputKw, false)) * kMicro;
    const long long measuredMicro = *loss * (kMicro / 10);
    if (uncertaintyTenths) {
        Decide(check, measuredMicro - *uncertaintyTenths * (kMicro / 10), strict, strict + kMicro,
               facts.standardBoiler);
        return check;
    }
    Decide(check, measuredMicro, strict, strict + kMicro, facts.standardBoiler);
    // Above the limit only the uncertainty can tell whether the boiler keeps it.
    if (check.outcome == Outcome::NotKept || check.outcome == Outcome::Undecided) {
        check.uncertaintyMissing = true;
        if (check.outcome == Outcome::NotKept && check.relaxation != Answer::Yes) {
            check.limit = static_cast<double>(strict) / kMicro;
            check.relaxedLimit = false;
        }
        check.outcome = Outcome::Undecided;
    }
    return check;
}

// Whether the old-boiler soot limit applies: a small vaporiser built before 1.11.1996; a
// pressure-jet burner built up to 1.10.1988, or in the accession area up to 3.10.1990.
Answer OldBoilerException(const BoilerFacts& facts) {
    const Day kVaporisingCutOff{1996, 11, 1};
    if (facts.burner == BurnerKind::Vaporising) {
        if (facts.nominalOutputKw && *facts.nominalOutputKw > 11.0) {
            return Answer::No;
        }
        if (facts.installed && facts.installed->Key() >= kVaporisingCutOff.Key()) {
            return Answer::No;
        }
        return facts.nominalOutputKw && facts.installed ? Answer::Yes : Answer::Unknown;
    }
    if (!facts.installed) {
        return Answer::Unknown;
    }
    if (facts.installed->Key() <= kPressureJetLastDay.Key()) {
        return Answer::Yes;
    }
    if (facts.installed->Key() > kAccessionAreaLastDay.Key()) {
        return Answer::No;
    }
    return facts.accessionArea;
}

Paragraph OilParagraph(BurnerKind burner) {
    switch (burner) {
    case BurnerKind::Vaporising:
        return Paragraph::Par7;
    case BurnerKind::PressureJet:
        return Paragraph::Par8;
    default:
        return Paragraph::Par7Or8;
    }
}

Check SootCheck(const CardTable::Row& row, const BoilerFacts& facts) {
    const bool vaporising = facts.burner == BurnerKind::Vaporising;
    Check check{CheckKind::SootNumber, OilParagraph(facts.burner)};
    check.sootReadings = SootReadings(row);
    if (check.sootReadings.empty()) {
        return check;
    }
    const int soot = SootNumberOf(check.sootReadings);
    check.measured = soot;
    // § 7 covers vaporising, § 8 atomising burners; "without a fan" says neither.
    if (facts.burner == BurnerKind::Unknown || facts.burner == BurnerKind::WithoutFan) {
        // The pressure-jet limit of 1 is the strictest, the old vaporiser's 3 the loosest.
        if (soot <= 1) {
            check.outcome = Outcome::Kept;
        } else {
            check.outcome = soot > 3 ? Outcome::NotKept : Outcome::Undecided;
        }
        return check;
    }
    const long long strict = (vaporising ? 2 : 1) * kMicro;
    Decide(check, soot * kMicro, strict, strict + kMicro, OldBoilerException(facts));
    return check;
}

Check DerivativesCheck(const CardTable::Row& row, const BoilerFacts& facts) {
    Check check{CheckKind::OilDerivatives, OilParagraph(facts.burner)};
    check.limit = 0;
    const std::string_view t = Trimmed(CellAt(row, kColOilDerivatives));
    if (t == "JA") {
        check.measured = 1;
        check.outcome = Outcome::NotKept;
    } else if (t == "NEIN") {
        check.measured = 0;
        check.outcome = Outcome::Kept;
    }
    return check;
}

} // namespace

std::optional<long long> RoundedTenths(std::string_view text) {
    const std::optional<DecimalParts> parts = SplitDecimal(text);
    if (!parts) {
        return std::nullopt;
    }
    const std::string_view d = parts->decimals;
    const int tenth = d.empty() ? 0 : d[0] - '0';
    const int dropped = d.size() < 2 ? 0 : d[1] - '0'; // the first digit that does not stay
    const long long tenths = parts->whole * 10 + tenth + (dropped >= 5 ? 1 : 0);
    return parts->negative ? -tenths : tenths;
}

std::optional<double> ParseCardDecimal(std::string_view text) {
    const std::optional<long long> micro = ParseMicro(text);
    if (!micro) {
        return std::nullopt;
    }
    return static_cast<double>(*micro) / kMicro;
}

FuelKind ClassifyFuel(std::string_view cardFuel, const std::vector<std::string>& fuelNames) {
    const std::string name = CustomerText(cardFuel);
    if (name.empty()) {
        return FuelKind::Unknown;
    }
    for (size_t i = 0; i < fuelNames.size() && i < 5; ++i) {
        if (CustomerText(fuelNames[i]) == name) {
            return i == 0 ? FuelKind::Oil : FuelKind::Gas;
        }
    }
    return FuelKind::Unknown;
}

int SootNumberOf(const std::vector<int>& readings) {
    if (readings.empty()) {
        return 0;
    }
    int sum = 0;
    for (const int r : readings) {
        sum += r;
    }
    const int n = static_cast<int>(readings.size());
    return (2 * sum + n) / (2 * n);
}

Assessment AssessCard(const CardTable::Row& row, FuelKind fuel,
                      std::optional<int> lossUncertaintyTenths) {
    Assessment a;
    a.fuel = fuel;
    a.facts = ReadBoilerFacts(row);
    a.checks.push_back(LossCheck(row, a.facts, lossUncertaintyTenths));
    if (fuel == FuelKind::Oil) {
        a.checks.push_back(SootCheck(row, a.facts));
        a.checks.push_back(DerivativesCheck(row, a.facts));
    }
    bool failed = false;
    bool open = fuel == FuelKind::Unknown;
    bool anyLimit = false;
    for (const Check& c : a.checks) {
        failed = failed || c.outcome == Outcome::NotKept;
        open = open || c.outcome == Outcome::NotMeasured || c.outcome == Outcome::Undecided;
        anyLimit = anyLimit || c.outcome != Outcome::NoLimit;
    }
    // A failed check that does not wait for the nominal output is a result of its own.
    if (failed) {
        a.overall = OverallKind::NotKept;
    } else if (!a.facts.nominalOutputKw && a.checks[0].exemption == LossExemption::None) {
        a.overall = OverallKind::NoAssessment;
    } else if (!anyLimit) {
        a.overall = OverallKind::NoLimits;
    } else {
        a.overall = open ? OverallKind::Incomplete : OverallKind::Kept;
    }
    return a;
}
