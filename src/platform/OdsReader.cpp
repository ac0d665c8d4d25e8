// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// OpenDocument spreadsheets: every sheet is a table:table in content.xml. Rows and cells may
// stand for many by their repeat counts; a sheet written by an office program ends in empty
// cells and rows repeated up to the last of a million, so empty ones are only counted, and
// become rows and cells when something follows them.

#include "platform/SpreadsheetReader.h"
#include "platform/SpreadsheetZip.h"
#include "platform/TextCodec.h"

#include <QXmlStreamReader>

#include <algorithm>

namespace {

constexpr size_t kMaxRows = 1048576;
const QString kContent = QStringLiteral("content.xml");

QByteArray Content(const std::string& fileName) {
    bool found = false;
    QByteArray data = ZipEntry(fileName, kContent, kMaxSheetXml, &found);
    if (!found) {
        ThrowBroken(fileName, QStringLiteral("sie ist keine OpenDocument-Tabelle (.ods)."));
    }
    return data;
}

void CheckXml(const QXmlStreamReader& xml, const std::string& fileName) {
    if (xml.hasError()) {
        ThrowBroken(fileName,
                    QStringLiteral("der Teil content.xml ist kein gültiges XML (Zeile %1).")
                        .arg(xml.lineNumber()));
    }
}

size_t Repeat(const QXmlStreamAttributes& a, QStringView name) {
    bool ok = false;
    const qulonglong n =
        a.value(QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0"), name.toString())
            .toULongLong(&ok);
    return ok && n > 0 ? static_cast<size_t>(std::min<qulonglong>(n, 100000000ULL)) : 1;
}

QString OfficeValue(const QXmlStreamAttributes& a, const QString& name) {
    return a.value(QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:office:1.0"), name)
        .toString();
}

// The text of a cell: its paragraphs joined by line breaks, "text:s" as blanks.
QString ReadCellText(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    int paragraphs = 0;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QStringLiteral("p") || xml.name() == QStringLiteral("h")) {
                if (paragraphs++ > 0) {
                    AppendCellText(text, u"\n");
                }
            } else if (xml.name() == QStringLiteral("s")) {
                bool ok = false;
                const int n = xml.attributes().value(QStringLiteral("text:c")).toInt(&ok);
                AppendCellText(text, QString(ok ? std::clamp(n, 1, 1000) : 1, QLatin1Char(' ')));
            } else if (xml.name() == QStringLiteral("tab")) {
                AppendCellText(text, u"\t");
            } else if (xml.name() == QStringLiteral("line-break")) {
                AppendCellText(text, u"\n");
            } else if (xml.name() == QStringLiteral("annotation")) {
                xml.skipCurrentElement();
                --depth;
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            break;
        case QXmlStreamReader::Characters:
            AppendCellText(text, xml.text());
            break;
        default:
            break;
        }
    }
    return text;
}

std::string CellValue(QXmlStreamReader& xml) {
    const QXmlStreamAttributes a = xml.attributes();
    const QString type = OfficeValue(a, QStringLiteral("value-type"));
    const QString text = ReadCellText(xml);
    if (type == QStringLiteral("float") || type == QStringLiteral("percentage") ||
        type == QStringLiteral("currency")) {
        const QString value = OfficeValue(a, QStringLiteral("value"));
        return value.isEmpty() ? ToUtf8(text) : NumberText(value);
    }
    if (type == QStringLiteral("date")) {
        const QString value = OfficeValue(a, QStringLiteral("date-value"));
        if (value.size() >= 10 && value[4] == QLatin1Char('-') && value[7] == QLatin1Char('-')) {
            return ToUtf8(value.mid(8, 2) + QLatin1Char('.') + value.mid(5, 2) + QLatin1Char('.') +
                          value.left(4));
        }
    }
    return ToUtf8(text);
}

// The rows of one table:table, the reader standing on its start.
SourceRows ReadTable(QXmlStreamReader& xml) {
    SourceRows rows;
    CellBudget budget;
    size_t emptyRows = 0; // counted, not yet made
    int depth = 1;
    while (depth > 0 && !xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement) {
            --depth;
            continue;
        }
        if (token != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() != QStringLiteral("table-row")) {
            // Column definitions, row groups and header rows: descend.
            ++depth;
            continue;
        }
        const size_t rowRepeat = Repeat(xml.attributes(), u"number-rows-repeated");
        SourceRow row;
        size_t emptyCells = 0;
        int rowDepth = 1;
        while (rowDepth > 0 && !xml.atEnd()) {
            const QXmlStreamReader::TokenType t = xml.readNext();
            if (t == QXmlStreamReader::EndElement) {
                --rowDepth;
                continue;
            }
            if (t != QXmlStreamReader::StartElement) {
                continue;
            }
            if (xml.name() != QStringLiteral("table-cell") &&
                xml.name() != QStringLiteral("covered-table-cell")) {
                xml.skipCurrentElement();
                continue;
            }
            const size_t cellRepeat = Repeat(xml.attributes(), u"number-columns-repeated");
            const std::string value = CellValue(xml);
            if (value.empty()) {
                emptyCells += cellRepeat;
                continue;
            }
            const size_t room = kMaxSourceColumns > row.size() ? kMaxSourceColumns - row.size() : 0;
            const size_t empties = std::min(emptyCells, room);
            const size_t copies = std::min(cellRepeat, room - empties);
            budget.Add(empties + copies, copies * value.size());
            row.resize(row.size() + empties);
            row.insert(row.end(), copies, value);
            emptyCells = 0;
        }
        if (row.empty()) {
            emptyRows += rowRepeat;
            continue;
        }
        const size_t before = std::min(emptyRows, kMaxRows - std::min(kMaxRows, rows.size()));
        rows.resize(rows.size() + before);
        emptyRows = 0;
        const size_t copies = std::min(rowRepeat, kMaxRows - std::min(kMaxRows, rows.size()));
        size_t rowBytes = 0;
        for (const std::string& cell : row) {
            rowBytes += cell.size();
        }
        const size_t more = copies > 0 ? copies - 1 : 0;
        budget.Add(more * row.size(), more * rowBytes);
        rows.insert(rows.end(), copies, row);
    }
    return rows;
}

template <typename OnTable> void ForEachTable(QXmlStreamReader& xml, OnTable&& onTable) {
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QStringLiteral("table") &&
            xml.namespaceUri() ==
                QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0")) {
            const QString name =
                xml.attributes()
                    .value(QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:table:1.0"),
                           QStringLiteral("name"))
                    .toString();
            if (!onTable(name)) {
                return;
            }
        }
    }
}

} // namespace

std::vector<std::string> OdsSheets(const std::string& fileName) {
    const QByteArray data = Content(fileName);
    QXmlStreamReader xml(data);
    std::vector<std::string> names;
    ForEachTable(xml, [&](const QString& name) {
        names.push_back(ToUtf8(name));
        xml.skipCurrentElement();
        return true;
    });
    CheckXml(xml, fileName);
    if (names.empty()) {
        ThrowBroken(fileName, QStringLiteral("die Tabelle hat kein Tabellenblatt."));
    }
    return names;
}

SourceRows ReadOds(const std::string& fileName, const std::string& sheet) {
    const QByteArray data = Content(fileName);
    QXmlStreamReader xml(data);
    SourceRows rows;
    bool found = false;
    ForEachTable(xml, [&](const QString& name) {
        if (!sheet.empty() && ToUtf8(name) != sheet) {
            xml.skipCurrentElement();
            return true;
        }
        found = true;
        rows = ReadTable(xml);
        return false;
    });
    CheckXml(xml, fileName);
    if (!found) {
        ThrowBroken(fileName,
                    sheet.empty()
                        ? QStringLiteral("die Tabelle hat kein Tabellenblatt.")
                        : QStringLiteral("sie hat kein Tabellenblatt „%1“.").arg(FromUtf8(sheet)));
    }
    return rows;
}
