// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text order by a locale's collation, for sorting cards: case-sensitive, no options.

#include "core/app/CardSort.h"

#include <QLocale>

// A comparator of Windows-1252 texts by the collation of `locale`.
TextCompare LocaleCompare(const QLocale& locale);

// The same order as a ranking, through the collation's sort keys: each text is collated once.
TextRanking LocaleRanking(const QLocale& locale);

// The collation locale of the sort commands: the user's (system) locale, German when the
// system names none (C or POSIX), unless a test set another one. QLocale's default is the C
// locale here, for number formats, so it is not used.
QLocale CollationLocale();
void SetCollationLocale(const QLocale& locale);
void ResetCollationLocale();
