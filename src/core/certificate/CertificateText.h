// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The German words of the certificate (UTF-8), made from the verdict values, so that the page,
// the dialog and fendro-tool say the same.

#include "core/certificate/Verdict.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

std::string CheckName(CheckKind kind);
std::string ParagraphText(Paragraph paragraph);
std::string OutcomeText(Outcome outcome);
std::string MeasuredText(const Check& check);
// The loss as the measured values state it, with its uncertainty: "11,4 % (Messunsicherheit
// ± 0,6 Prozentpunkte)"; other checks as MeasuredText.
std::string LossStatement(const Check& check);
std::string LimitText(const Check& check);

// The overall result, one sentence.
std::string OverallText(const Assessment& assessment);
// What the reader needs to follow the checks: how the soot number was taken, which relaxed limit
// applied, which fact is missing, a fuel that cannot be placed. `fuelName` is UTF-8.
std::vector<std::string> NoteLines(const Assessment& assessment, std::string_view fuelName);

// Why the loss has no limit, as the end of "kein Grenzwert ...": "für ein Brennwertgerät"; empty
// for none and below 4 kW, which the limit itself says.
std::string LossExemptionText(LossExemption exemption);

// The facts as the page and the dialog show them.
std::string NominalOutputText(const BoilerFacts& facts);
std::string BurnerText(BurnerKind burner);
std::string AnswerText(Answer answer);
std::string DayText(const std::optional<Day>& day);
std::string FuelKindText(FuelKind kind);
// The card's fuel (UTF-8, trimmed) with its kind, or that none is given.
std::string FuelText(std::string_view fuelName, FuelKind kind);

// The items of Anlage 2 Nr. 4 as the page names them; "nicht angegeben" where the card has none.
// The kind of burner in the words of the Anlage: with a fan, without one, vaporising.
std::string BurnerKindText(BurnerKind burner, FuelKind fuel);
std::string PlantKindText(PlantKind plant);
// The fuel's number under § 3 Abs. 1: 9 for light fuel oil, 10 for the gases of the fuel table.
std::string FuelNumberText(FuelKind kind);
// The check of the manufacturer's certificate (§ 6 Abs. 2 und 3), not needed up to 400 kW.
std::string MakerCertificateText(const BoilerFacts& facts);

// A number with a decimal comma and `decimals` places.
std::string GermanNumber(double value, int decimals);
// A card cell (Windows-1252) for a German reader: a number gets a decimal comma, other texts stay.
std::string CellForReader(std::string_view cell);
// A column caption split into its label and a trailing unit ("O2 %" gives "O2" and "%"); the
// unit is empty when the caption ends in none. UTF-8 in and out.
std::pair<std::string, std::string> CaptionAndUnit(std::string_view caption);
