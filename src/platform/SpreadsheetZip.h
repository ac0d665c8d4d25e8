// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parts of the spreadsheet readers that both formats share: unpacking one entry of the
// zip with a limit, the German messages, and numbers as text.

#include <QByteArray>
#include <QString>

#include <string>

// The unpacked entry `entry` of the zip file, at most `limit` bytes. An empty array (and
// `found` false) when the zip holds no such entry. Throws EImportError for a file that is no
// zip, a broken entry or one beyond the limit.
QByteArray ZipEntry(const std::string& fileName, const QString& entry, qint64 limit,
                    bool* found = nullptr);

// The most a sheet's XML may unpack to.
constexpr qint64 kMaxSheetXml = 1024LL * 1024 * 1024;

// "Die Datei ... ist beschädigt: ..." for the user.
[[noreturn]] void ThrowBroken(const std::string& fileName, const QString& detail);

// A number of the file ("24.5", "1E3") as the import wants it: shortest text with a point.
std::string NumberText(const QString& value);

// The first line of the cell budget: counts `cells` more, throws beyond kMaxSourceCells.
void CountCells(size_t& used, size_t cells);
