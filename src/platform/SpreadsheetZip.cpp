// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/SpreadsheetZip.h"

#include "core/interchange/SourceTable.h"
#include "platform/SpreadsheetReader.h"
#include "platform/TextCodec.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <QFileInfo>

#include <cmath>
#include <cstdio>

void ThrowBroken(const std::string& fileName, const QString& detail) {
    const QString text = QStringLiteral("Die Datei %1 kann nicht gelesen werden: %2")
                             .arg(QFileInfo(FromUtf8(fileName)).fileName(), detail);
    throw EImportError(ToUtf8(text));
}

QByteArray ZipEntry(const std::string& fileName, const QString& entry, qint64 limit, bool* found) {
    if (found != nullptr) {
        *found = false;
    }
    QuaZip zip(FromUtf8(fileName));
    if (!zip.open(QuaZip::mdUnzip)) {
        ThrowBroken(fileName,
                    QStringLiteral("sie ist keine Tabellen-Arbeitsmappe (kein ZIP-Archiv)."));
    }
    if (!zip.setCurrentFile(entry)) {
        return QByteArray();
    }
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::ReadOnly)) {
        ThrowBroken(fileName, QStringLiteral("der Teil %1 ist beschädigt.").arg(entry));
    }
    QByteArray data;
    char buffer[65536];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0) {
            ThrowBroken(fileName, QStringLiteral("der Teil %1 ist beschädigt.").arg(entry));
        }
        if (n == 0) {
            break;
        }
        if (data.size() + n > limit) {
            ThrowBroken(fileName, QStringLiteral("der Teil %1 ist zu groß.").arg(entry));
        }
        data.append(buffer, static_cast<int>(n));
    }
    // A checksum that does not match shows up when the entry is closed.
    file.close();
    if (file.getZipError() != UNZ_OK) {
        ThrowBroken(fileName, QStringLiteral("der Teil %1 ist beschädigt.").arg(entry));
    }
    if (found != nullptr) {
        *found = true;
    }
    return data;
}

std::string NumberText(const QString& value) {
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number)) {
        return ToUtf8(value);
    }
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", number);
    return text;
}

void CellBudget::Add(size_t cells, size_t textBytes) {
    constexpr size_t kMaxBytes = size_t{512} << 20;
    cells_ += cells;
    bytes_ += cells * sizeof(std::string) + textBytes;
    if (cells_ > kMaxSourceCells || bytes_ > kMaxBytes) {
        throw EImportError(TooLargeMessage());
    }
}

void AppendCellText(QString& text, QStringView more) {
    const qsizetype room = kMaxCellText - text.size();
    if (room > 0) {
        text += more.left(room);
    }
}

bool IsSpreadsheetFile(const std::string& fileName) {
    const QString suffix = QFileInfo(FromUtf8(fileName)).suffix().toLower();
    return suffix == QStringLiteral("xlsx") || suffix == QStringLiteral("ods");
}

namespace {
bool IsOds(const std::string& fileName) {
    return QFileInfo(FromUtf8(fileName)).suffix().toLower() == QStringLiteral("ods");
}
} // namespace

std::vector<std::string> SpreadsheetSheets(const std::string& fileName) {
    return IsOds(fileName) ? OdsSheets(fileName) : XlsxSheets(fileName);
}

SourceRows ReadSpreadsheet(const std::string& fileName, const std::string& sheet) {
    return IsOds(fileName) ? ReadOds(fileName, sheet) : ReadXlsx(fileName, sheet);
}
