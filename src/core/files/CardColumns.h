// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The columns of a card that the program reads by number. The first 25 are the device's card
// line; the boiler facts follow. The captions of all of them come from the column file.

constexpr int kColName = 0;
constexpr int kColStreet = 1;
constexpr int kColTown = 2;
constexpr int kColFuel = 3;
constexpr int kColO2 = 7;
constexpr int kColFlueGasLoss = 12;
constexpr int kColEfficiency = 13;
constexpr int kColDate = 14;
constexpr int kColTime = 15;
constexpr int kColOilDerivatives = 17;    // "JA", "NEIN", "---"
constexpr int kColSoot[3] = {20, 19, 18}; // first, second and third soot number

// The boiler facts the limits depend on; the device never writes them.
constexpr int kColNominalOutput = 25;  // nominal heat output in kW, e.g. "24.5"
constexpr int kColBurnerKind = 26;     // oil burner: "V" vaporising, "Z" pressure-jet
constexpr int kColStandardBoiler = 27; // "J" when a standard boiler, "N" otherwise
constexpr int kColInstallDate = 28;    // date of installation, "TT.MM.JJJJ"
constexpr int kColAccessionArea = 29;  // "J" when built in the accession area (eastern Germany)
constexpr int kPlantFactColumns = 5;
