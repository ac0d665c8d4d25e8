// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lists of a match plan as lines of text, UTF-8, each starting with `unit` and the card's
// row ("Karte 3" in the window; "Zeile 3" in fendro-tool, where the row is the file's line).

#include "core/history/MeasurementMatch.h"

#include <string>
#include <vector>

// "Karte 3: von der Heydt-Osterm, ... wird zu von der Heydt-Ostermann, ..., 2 Angaben zur Anlage
// ergänzt"; a card whose texts stay shows them once.
std::vector<std::string> MatchedLines(const CardTable& table, const MatchPlan& plan,
                                      const std::string& unit);
// "Karte 5: Gartenbau Schmidt-Me, Hauptstr. 1, Hof passt zu 2 Kunden: ...; ..."
std::vector<std::string> AmbiguousLines(const CardTable& table, const MatchPlan& plan,
                                        const std::string& unit);
// "Karte 7: Niemand, Weg 2, Ulm"
std::vector<std::string> NotFoundLines(const CardTable& table, const MatchPlan& plan,
                                       const std::string& unit);
