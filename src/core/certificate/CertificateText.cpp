// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/certificate/CertificateText.h"

#include "core/files/Ansi.h"

#include <cstdio>

std::string CheckName(CheckKind kind) {
    switch (kind) {
    case CheckKind::FlueGasLoss:
        return "Abgasverlust";
    case CheckKind::SootNumber:
        return "Rußzahl";
    case CheckKind::OilDerivatives:
        return "Ölderivate";
    }
    return {};
}

std::string ParagraphText(Paragraph paragraph) {
    switch (paragraph) {
    case Paragraph::Par10Abs1:
        return "§ 10 Abs. 1";
    case Paragraph::Par7:
        return "§ 7";
    case Paragraph::Par8:
        return "§ 8";
    case Paragraph::Par7Or8:
        return "§ 7 / § 8";
    case Paragraph::Par10Abs3Nr1:
        return "§ 10 Abs. 3 Nr. 1";
    case Paragraph::Par10Abs3Nr2:
        return "§ 10 Abs. 3 Nr. 2";
    case Paragraph::Par14Abs3Nr4:
        return "§ 14 Abs. 3 Nr. 4";
    }
    return {};
}

std::string OutcomeText(Outcome outcome) {
    switch (outcome) {
    case Outcome::Kept:
        return "eingehalten";
    case Outcome::NotKept:
        return "nicht eingehalten";
    case Outcome::NotMeasured:
        return "nicht gemessen";
    case Outcome::NoLimit:
        return "kein Grenzwert";
    case Outcome::Undecided:
        return "nicht beurteilbar";
    }
    return {};
}

std::string GermanNumber(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text = buffer;
    for (char& c : text) {
        if (c == '.') {
            c = ',';
        }
    }
    return text;
}

namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        out += (i == 0 ? "" : ", ") + parts[i];
    }
    return out;
}

} // namespace

std::string MeasuredText(const Check& check) {
    if (!check.measured) {
        return "–";
    }
    switch (check.kind) {
    case CheckKind::FlueGasLoss:
        return GermanNumber(*check.measured, 1) + " %";
    case CheckKind::SootNumber:
        return GermanNumber(*check.measured, 0);
    case CheckKind::OilDerivatives:
        return *check.measured > 0 ? "vorhanden" : "keine";
    }
    return {};
}

std::string LossStatement(const Check& check) {
    if (check.kind != CheckKind::FlueGasLoss || !check.measured) {
        return MeasuredText(check);
    }
    return MeasuredText(check) + " (Messunsicherheit " +
           (check.uncertainty ? "± " + GermanNumber(*check.uncertainty, 1) + " Prozentpunkte"
                              : std::string("nicht angegeben")) +
           ")";
}

std::string LimitText(const Check& check) {
    if (check.outcome == Outcome::NoLimit) {
        return check.exemption == LossExemption::Below4Kw ? "keiner unter 4 kW" : "keiner";
    }
    if (!check.limit) {
        return "–";
    }
    switch (check.kind) {
    case CheckKind::FlueGasLoss:
        return "höchstens " + GermanNumber(*check.limit, 0) + " %";
    case CheckKind::SootNumber:
        return "höchstens " + GermanNumber(*check.limit, 0);
    case CheckKind::OilDerivatives:
        return "frei davon";
    }
    return {};
}

std::string OverallText(const Assessment& a) {
    switch (a.overall) {
    case OverallKind::Kept:
        return "Die Grenzwerte der 1. BImSchV werden eingehalten.";
    case OverallKind::NoAssessment:
        return "Keine Beurteilung möglich: die Nennwärmeleistung ist nicht bekannt.";
    case OverallKind::NoLimits:
        return "Für diese Anlage gilt kein Grenzwert der 1. BImSchV für den Abgasverlust.";
    case OverallKind::NotKept: {
        std::vector<std::string> failed;
        for (const Check& c : a.checks) {
            if (c.outcome == Outcome::NotKept) {
                failed.push_back(CheckName(c.kind) + " (" + ParagraphText(c.paragraph) + ")");
            }
        }
        return "Die Grenzwerte der 1. BImSchV werden nicht eingehalten: " + Joined(failed) + ".";
    }
    case OverallKind::Incomplete: {
        std::vector<std::string> open;
        if (a.fuel == FuelKind::Unknown) {
            open.push_back("Brennstoff nicht zuzuordnen");
        }
        for (const Check& c : a.checks) {
            if (c.outcome == Outcome::NotMeasured || c.outcome == Outcome::Undecided) {
                open.push_back(CheckName(c.kind) + " " + OutcomeText(c.outcome));
            }
        }
        return "Keine vollständige Beurteilung möglich: " + Joined(open) + ".";
    }
    }
    return {};
}

std::vector<std::string> NoteLines(const Assessment& a, std::string_view fuelName) {
    std::vector<std::string> lines;
    if (a.fuel == FuelKind::Unknown) {
        const std::string what = fuelName.empty() ? std::string("Kein Brennstoff angegeben")
                                                  : "Der Brennstoff „" + std::string(fuelName) +
                                                        "“ ist weder Heizöl noch Gas zuzuordnen";
        lines.push_back(what + ": nur der Abgasverlust wird geprüft, Rußzahl und Ölderivate "
                               "nicht.");
    }
    for (const Check& c : a.checks) {
        if (const std::string why = LossExemptionText(c.exemption); !why.empty()) {
            lines.push_back("Abgasverlust: kein Grenzwert " + why + " (" +
                            ParagraphText(c.paragraph) + ").");
        }
        if (c.kind == CheckKind::SootNumber && a.facts.burner == BurnerKind::WithoutFan) {
            lines.push_back("Rußzahl: § 7 gilt für Verdampfungs-, § 8 für Zerstäubungsbrenner; "
                            "„ohne Gebläse“ sagt nicht, welcher Grenzwert gilt.");
        }
        if (c.kind == CheckKind::SootNumber && !c.sootReadings.empty()) {
            std::vector<std::string> readings;
            for (const int r : c.sootReadings) {
                readings.push_back(std::to_string(r));
            }
            std::string line = "Rußzahl: Mittelwert aus " + Joined(readings) +
                               ", auf eine ganze Zahl gerundet (ab ,5 aufwärts)";
            if (c.sootReadings.size() < 3) {
                line +=
                    "; nur " + std::to_string(c.sootReadings.size()) + " von 3 Rußzahlen gemessen";
            }
            lines.push_back(line + ".");
        }
        const bool loss = c.kind == CheckKind::FlueGasLoss;
        if (c.relaxedLimit && c.relaxation == Answer::Yes) {
            if (loss) {
                lines.push_back("Abgasverlust: ein Prozentpunkt mehr für einen "
                                "Standardheizkessel (§ 10 Abs. 1 Satz 2).");
            } else if (c.paragraph == Paragraph::Par7) {
                lines.push_back("Rußzahl: Grenzwert für Kessel bis 11 kW, errichtet vor dem "
                                "1.11.1996 (§ 7 Satz 2).");
            } else {
                const bool early =
                    a.facts.installed && a.facts.installed->Key() <= kPressureJetLastDay.Key();
                lines.push_back(early ? "Rußzahl: Grenzwert für Kessel, errichtet bis zum "
                                        "1.10.1988 (§ 8 Satz 2)."
                                      : "Rußzahl: Grenzwert für Kessel, im Beitrittsgebiet "
                                        "errichtet bis zum 3.10.1990 (§ 8 Satz 2).");
            }
        } else if (c.relaxedLimit) {
            // The missing fact does not matter: the value fails even the relaxed limit.
            lines.push_back(loss ? "Abgasverlust: auch mit dem Prozentpunkt für einen "
                                   "Standardheizkessel überschritten."
                                 : "Rußzahl: auch über dem Grenzwert für Altanlagen.");
        }
        if (loss && c.measured && c.uncertainty && c.limit && *c.measured > *c.limit) {
            lines.push_back("Abgasverlust: " + GermanNumber(*c.measured, 1) +
                            " % abzüglich der Messunsicherheit von " +
                            GermanNumber(*c.uncertainty, 1) + " Prozentpunkten ergibt " +
                            GermanNumber(*c.measured - *c.uncertainty, 1) + " %.");
        }
        if (c.uncertaintyMissing) {
            lines.push_back("Abgasverlust: Messunsicherheit nicht angegeben; über dem Grenzwert "
                            "ist ohne sie nicht zu beurteilen, ob er eingehalten ist.");
        }
        if (c.outcome != Outcome::Undecided) {
            continue;
        }
        const BoilerFacts& f = a.facts;
        std::vector<std::string> missing;
        if (!f.nominalOutputKw && (loss || f.burner == BurnerKind::Vaporising)) {
            missing.push_back("Nennwärmeleistung");
        }
        if (loss && f.nominalOutputKw && f.standardBoiler == Answer::Unknown) {
            missing.push_back("Standardheizkessel");
        }
        if (!loss && f.burner == BurnerKind::Unknown) {
            missing.push_back("Brennerart");
        }
        if (!loss && f.burner == BurnerKind::WithoutFan) {
            missing.push_back("Verdampfungs- oder Zerstäubungsbrenner");
        }
        const bool kindKnown =
            f.burner == BurnerKind::Vaporising || f.burner == BurnerKind::PressureJet;
        if (!loss && kindKnown && !f.installed) {
            missing.push_back("Errichtungsdatum");
        }
        if (!loss && f.burner == BurnerKind::PressureJet && f.accessionArea == Answer::Unknown) {
            missing.push_back("Beitrittsgebiet");
        }
        if (!missing.empty()) {
            lines.push_back(CheckName(c.kind) +
                            ": zur Beurteilung fehlt die Angabe: " + Joined(missing) + ".");
        }
    }
    lines.push_back("Der Abgasverlust ist auf eine Nachkommastelle gerundet (DIN 1333) und "
                    "eingehalten, wenn er abzüglich der Messunsicherheit den Grenzwert nicht "
                    "überschreitet (Anlage 2 Nr. 2.3).");
    lines.push_back(
        "CO ist wie gemessen und unverdünnt angegeben; dafür gilt hier kein Grenzwert.");
    return lines;
}

std::string LossExemptionText(LossExemption exemption) {
    switch (exemption) {
    case LossExemption::RoomHeater:
        return "für eine Einzelraumfeuerungsanlage bis 11 kW";
    case LossExemption::WaterOnly:
        return "für eine Anlage nur zur Warmwasserbereitung bis 28 kW";
    case LossExemption::Condensing:
        return "für ein Brennwertgerät";
    default:
        return {};
    }
}

std::string NominalOutputText(const BoilerFacts& facts) {
    return facts.nominalOutputKw ? GermanNumber(*facts.nominalOutputKw, 1) + " kW"
                                 : "nicht angegeben";
}

std::string BurnerText(BurnerKind burner) {
    switch (burner) {
    case BurnerKind::Vaporising:
        return "Verdampfungsbrenner";
    case BurnerKind::PressureJet:
        return "Zerstäubungsbrenner";
    case BurnerKind::WithoutFan:
        return "Brenner ohne Gebläse";
    default:
        return "nicht angegeben";
    }
}

std::string AnswerText(Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return "ja";
    case Answer::No:
        return "nein";
    default:
        return "nicht angegeben";
    }
}

std::string DayText(const std::optional<Day>& day) {
    if (!day) {
        return "nicht angegeben";
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.%04d", day->day, day->month, day->year);
    return buffer;
}

std::string FuelText(std::string_view fuelName, FuelKind kind) {
    if (fuelName.empty()) {
        return "kein Brennstoff angegeben";
    }
    return std::string(fuelName) + " (" + FuelKindText(kind) + ")";
}

std::string FuelKindText(FuelKind kind) {
    switch (kind) {
    case FuelKind::Oil:
        return "Öl";
    case FuelKind::Gas:
        return "Gas";
    default:
        return "nicht zuzuordnen";
    }
}

std::string BurnerKindText(BurnerKind burner, FuelKind fuel) {
    switch (burner) {
    case BurnerKind::Vaporising:
        return "Verdampfungsbrenner";
    case BurnerKind::PressureJet:
        return fuel == FuelKind::Oil ? "mit Gebläse (Zerstäubungsbrenner)" : "mit Gebläse";
    case BurnerKind::WithoutFan:
        return "ohne Gebläse";
    default:
        return "nicht angegeben";
    }
}

std::string PlantKindText(PlantKind plant) {
    switch (plant) {
    case PlantKind::Central:
        return "Zentralheizung";
    case PlantKind::RoomHeater:
        return "Einzelraumfeuerungsanlage";
    case PlantKind::HeatingAndWater:
        return "Heizung mit Warmwassererzeugung";
    case PlantKind::WaterOnly:
        return "Warmwassererzeugung";
    default:
        return "nicht angegeben";
    }
}

std::string FuelNumberText(FuelKind kind) {
    switch (kind) {
    case FuelKind::Oil:
        return "9";
    case FuelKind::Gas:
        return "10";
    default:
        return "nicht angegeben";
    }
}

std::string MakerCertificateText(const BoilerFacts& facts) {
    if (facts.nominalOutputKw && *facts.nominalOutputKw <= 400.0) {
        return "nicht erforderlich (Nennwärmeleistung bis 400 kW)";
    }
    switch (facts.makerCertificate) {
    case Answer::Yes:
        return "geprüft";
    case Answer::No:
        return "nicht geprüft";
    default:
        return "nicht angegeben";
    }
}

std::string CellForReader(std::string_view cell) {
    std::string text = AnsiToUtf8(cell);
    if (ParseCardDecimal(text)) {
        for (char& c : text) {
            if (c == '.') {
                c = ',';
            }
        }
    }
    size_t b = text.find_first_not_of(' ');
    size_t e = text.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
}

std::pair<std::string, std::string> CaptionAndUnit(std::string_view caption) {
    static const char* const kUnits[] = {"%", "°C", "ppm", "hPa", "kW", "Pa", "mg/m³"};
    const size_t blank = caption.find_last_of(' ');
    if (blank != std::string_view::npos) {
        const std::string_view unit = caption.substr(blank + 1);
        for (const char* known : kUnits) {
            if (unit == known) {
                return {std::string(caption.substr(0, blank)), std::string(unit)};
            }
        }
    }
    return {std::string(caption), std::string()};
}
