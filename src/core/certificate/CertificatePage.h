// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The measurement certificate on the print canvas: one portrait page per card holding every item
// of Anlage 2 Nr. 4 in its order (sweep, owner, operator, site, legal basis, heat exchanger,
// burner, fuel, kind of plant, the measured values, the checks with their limits, the
// manufacturer's certificate) and lines for place, date and signature.

#include "core/certificate/LegalBasis.h"
#include "core/certificate/SweepBusiness.h"
#include "core/printing/PrintCanvas.h"

#include <optional>
#include <string>
#include <vector>

class CardTable;
class IniFile;

struct CertificateContext {
    SweepBusiness business;             // Windows-1252, from [Betrieb]
    std::vector<std::string> fuelNames; // Windows-1252, entries 0 to 15 of the fuel table
    std::optional<int> lossUncertaintyTenths;
    // The legal basis chosen for every page; without one each card's is suggested from the
    // table and the other card files in the folder of `cardFileName` (UTF-8, may be empty).
    std::optional<LegalBasis> legalBasis;
    std::string cardFileName;
};

// What the certificates take from the settings file.
CertificateContext ReadCertificateContext(const IniFile& ini);

// The title of the print job and of every page, UTF-8.
extern const char* const kCertificateTitle;

// Whether a card has a measurement date (column 14 not blank); only such a card gets a
// certificate.
bool HasMeasurementDate(const CardTable& table, int row);
// The card rows that have one.
std::vector<int> MeasuredRows(const CardTable& table);

// Prints the certificates of `rows` as one job, one page each. Throws EPrinter when there is no
// row or the paper cannot take a page, or what the canvas throws.
void PrintCertificates(PrintCanvas& canvas, const CardTable& table, const std::vector<int>& rows,
                       const CertificateContext& context);
