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

// What the cells of a sheet take so far. A small file can stand for a huge sheet (repeat counts,
// one long shared text in a million cells); beyond kMaxSourceCells cells or 512 MiB the
// reading ends with EImportError.
class CellBudget {
public:
    // `cells` more cells holding `textBytes` bytes of text together.
    void Add(size_t cells, size_t textBytes);

private:
    size_t cells_ = 0;
    size_t bytes_ = 0;
};

// The longest text of one cell, as spreadsheet programs have it; the rest is dropped.
constexpr int kMaxCellText = 32767;

// Appends `more` to a cell's text up to kMaxCellText.
void AppendCellText(QString& text, QStringView more);
