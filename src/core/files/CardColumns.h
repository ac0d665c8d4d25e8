// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The columns of a card that the program reads by number. The first 25 are the device's card
// line; the boiler facts follow. The captions of all of them come from the column file.

constexpr int kColName = 0;
constexpr int kColStreet = 1;
constexpr int kColTown = 2;
constexpr int kColFuel = 3;
constexpr int kColFlueGasTemperature = 4;
constexpr int kColAirTemperature = 5;
constexpr int kColBoilerTemperature = 6; // the heat carrier's
constexpr int kColO2 = 7;
constexpr int kColFlueGasLoss = 12;
constexpr int kColEfficiency = 13;
constexpr int kColDate = 14;
constexpr int kColTime = 15;
constexpr int kColDraught = 16;           // the pressure difference to the room, hPa
constexpr int kColOilDerivatives = 17;    // "JA", "NEIN", "---"
constexpr int kColSoot[3] = {20, 19, 18}; // first, second and third soot number

// The boiler facts the limits depend on; the device never writes them.
constexpr int kColNominalOutput = 25;  // nominal heat output in kW, e.g. "24.5"
constexpr int kColBurnerKind = 26;     // "V" vaporising, "Z" atomising or with fan, "A" without fan
constexpr int kColStandardBoiler = 27; // "J" when a standard boiler, "N" otherwise
constexpr int kColInstallDate = 28;    // date of installation, "TT.MM.JJJJ"
constexpr int kColAccessionArea = 29;  // "J" when built in the accession area (eastern Germany)
constexpr int kPlantFactColumns = 5;   // the facts the limits depend on, 25 to 29

// The rest of the plant, for the certificate and the due list; kept on the "Anlage" page only.
constexpr int kColOwner = 30;          // owner's name, when not the customer
constexpr int kColOwnerAddress = 31;   // owner's address
constexpr int kColSite = 32;           // where the plant stands, when not the customer's address
constexpr int kColExchangerMaker = 33; // heat exchanger (boiler)
constexpr int kColExchangerType = 34;
constexpr int kColExchangerYear = 35;  // "JJJJ"
constexpr int kColExchangerRange = 36; // output range in kW, e.g. "11-24"
constexpr int kColBurnerMaker = 37;
constexpr int kColBurnerType = 38;
constexpr int kColBurnerYear = 39;       // "JJJJ"
constexpr int kColBurnerRange = 40;      // output range in kW
constexpr int kColMeasuredOutput = 41;   // burner output during the measurement, kW
constexpr int kColPlantKind = 42;        // "Z" central, "E" room heater, "H" heating with hot
                                         // water, "W" hot water only
constexpr int kColCondensing = 43;       // "J" condensing boiler
constexpr int kColSelfCalibrating = 44;  // "J" self-calibrating control
constexpr int kColOutsideWallFlue = 45;  // "J" flue through the outside wall
constexpr int kColDueYear = 46;          // year due by the chimney-sweep notice, "JJJJ"
constexpr int kColMakerCertificate = 47; // "J" manufacturer's certificate checked
constexpr int kFactColumnsEnd = 48;      // one past the last plant column
constexpr int kAllFactColumns = kFactColumnsEnd - kColNominalOutput;
