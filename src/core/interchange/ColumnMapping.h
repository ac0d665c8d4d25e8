// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which source columns fill which card column: none, one, or several joined with a blank
// ("Nachname" + "Vorname" -> Name). Proposed from the header names, written as the user and
// the settings file see it: "Nachname+Vorname", or column numbers "3+4" for a list without
// header.

#include "core/interchange/SourceTable.h"

#include <string>
#include <string_view>
#include <vector>

using ColumnSources = std::vector<int>;           // 0-based source columns, in joining order
using ColumnMapping = std::vector<ColumnSources>; // one entry per card column

// A name compared without case, blanks and punctuation, umlauts and "ß" spelled out:
// "Straße", "STRASSE" and "Strasse." are one name.
std::string NormalizedName(std::string_view name);

// Whether the first row of `rows` names the columns: one of its cells is a name the proposals
// know or one of `captions` (UTF-8), or it holds only words above a row with numbers.
bool LooksLikeHeader(const SourceRows& rows, const std::vector<std::string>& captions);

// The proposal for every card column (one per caption): Name from "Name" or "Nachname" +
// "Vorname", Strasse from "Straße" + "Hausnummer", Ort from "PLZ" + "Ort", every other column
// from the header name equal to its caption. No source column is proposed twice.
ColumnMapping ProposeMapping(const std::vector<std::string>& header,
                             const std::vector<std::string>& captions);

// For a list without header: its columns in the order of a card file's, column j to card column
// j, as far as both go.
ColumnMapping ProposeByPosition(size_t sourceColumns, size_t cardColumns);

// The sources as text: header names where `header` has a unique name for each, else 1-based
// numbers; joined by "+".
std::string SourcesText(const ColumnSources& sources, const std::vector<std::string>& header);

// Reads SourcesText back: each part a header name or a 1-based column number within
// `columnCount`. False for a part that is neither.
bool ParseSources(std::string_view text, const std::vector<std::string>& header, int columnCount,
                  ColumnSources& sources);

// The card column a caption (compared as NormalizedName) or "K<number>" names, or -1.
int CardColumnNamed(std::string_view name, const std::vector<std::string>& captions);
