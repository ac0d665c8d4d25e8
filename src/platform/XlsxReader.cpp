// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Excel workbooks: xl/workbook.xml names the sheets, its relations file finds their parts,
// xl/sharedStrings.xml holds the texts and xl/styles.xml tells which numbers are dates.

#include "core/interchange/SheetDates.h"
#include "platform/SpreadsheetReader.h"
#include "platform/SpreadsheetZip.h"
#include "platform/TextCodec.h"

#include <QHash>
#include <QXmlStreamReader>

#include <set>
#include <utility>

namespace {

constexpr qint64 kMaxPartXml = 256LL * 1024 * 1024;
constexpr int kMaxRows = 1048576;

struct SheetEntry {
    QString name;
    QString part; // path inside the zip
};

struct Workbook {
    std::vector<SheetEntry> sheets;
    bool from1904 = false;
};

void CheckXml(const QXmlStreamReader& xml, const std::string& fileName, const QString& part) {
    if (xml.hasError()) {
        ThrowBroken(fileName, QStringLiteral("der Teil %1 ist kein gültiges XML (Zeile %2).")
                                  .arg(part)
                                  .arg(xml.lineNumber()));
    }
}

QString AttributeNamed(const QXmlStreamAttributes& attributes, QStringView name) {
    for (const QXmlStreamAttribute& a : attributes) {
        if (a.name() == name) {
            return a.value().toString();
        }
    }
    return QString();
}

Workbook ReadWorkbook(const std::string& fileName) {
    bool found = false;
    const QByteArray rels =
        ZipEntry(fileName, QStringLiteral("xl/_rels/workbook.xml.rels"), kMaxPartXml, &found);
    QHash<QString, QString> targets;
    if (!found) {
        ThrowBroken(fileName, QStringLiteral("sie ist keine Excel-Arbeitsmappe (.xlsx)."));
    }
    QXmlStreamReader relXml(rels);
    while (!relXml.atEnd()) {
        if (relXml.readNext() == QXmlStreamReader::StartElement &&
            relXml.name() == QStringLiteral("Relationship")) {
            const QXmlStreamAttributes a = relXml.attributes();
            QString target = AttributeNamed(a, u"Target");
            target = target.startsWith(QLatin1Char('/')) ? target.mid(1)
                                                         : QStringLiteral("xl/") + target;
            targets.insert(AttributeNamed(a, u"Id"), target);
        }
    }
    CheckXml(relXml, fileName, QStringLiteral("xl/_rels/workbook.xml.rels"));

    const QByteArray book =
        ZipEntry(fileName, QStringLiteral("xl/workbook.xml"), kMaxPartXml, &found);
    if (!found) {
        ThrowBroken(fileName, QStringLiteral("sie ist keine Excel-Arbeitsmappe (.xlsx)."));
    }
    Workbook workbook;
    QXmlStreamReader xml(book);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QStringLiteral("workbookPr")) {
            const QString v = AttributeNamed(xml.attributes(), u"date1904");
            workbook.from1904 = v == QStringLiteral("1") || v == QStringLiteral("true");
        } else if (xml.name() == QStringLiteral("sheet")) {
            const QXmlStreamAttributes a = xml.attributes();
            const QString part = targets.value(AttributeNamed(a, u"id"));
            if (!part.isEmpty()) {
                workbook.sheets.push_back({AttributeNamed(a, u"name"), part});
            }
        }
    }
    CheckXml(xml, fileName, QStringLiteral("xl/workbook.xml"));
    if (workbook.sheets.empty()) {
        ThrowBroken(fileName, QStringLiteral("die Arbeitsmappe hat kein Tabellenblatt."));
    }
    return workbook;
}

// The text of the current element up to its end, without phonetic runs.
QString ReadRichText(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    int phonetic = 0;
    while (depth > 0 && !xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            if (xml.name() == QStringLiteral("rPh")) {
                phonetic = depth;
            }
            break;
        case QXmlStreamReader::EndElement:
            if (depth == phonetic) {
                phonetic = 0;
            }
            --depth;
            break;
        case QXmlStreamReader::Characters:
            if (phonetic == 0) {
                AppendCellText(text, xml.text());
            }
            break;
        default:
            break;
        }
    }
    return text;
}

std::vector<std::string> ReadSharedStrings(const std::string& fileName) {
    const QByteArray data = ZipEntry(fileName, QStringLiteral("xl/sharedStrings.xml"), kMaxPartXml);
    std::vector<std::string> strings;
    CellBudget budget;
    if (data.isEmpty()) {
        return strings; // a workbook with inline strings only
    }
    QXmlStreamReader xml(data);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QStringLiteral("si")) {
            strings.push_back(ToUtf8(ReadRichText(xml)));
            budget.Add(1, strings.back().size());
        }
    }
    CheckXml(xml, fileName, QStringLiteral("xl/sharedStrings.xml"));
    return strings;
}

// Whether a number format shows a date: the built-in date formats, or a code with days or
// years outside quotes and brackets.
bool IsDateFormat(int id, const QString& code) {
    if ((id >= 14 && id <= 17) || id == 22 || (id >= 27 && id <= 36) || (id >= 50 && id <= 58)) {
        return true;
    }
    bool quoted = false;
    bool bracket = false;
    for (const QChar c : code) {
        if (c == QLatin1Char('"')) {
            quoted = !quoted;
        } else if (!quoted && c == QLatin1Char('[')) {
            bracket = true;
        } else if (!quoted && c == QLatin1Char(']')) {
            bracket = false;
        } else if (!quoted && !bracket &&
                   (c.toLower() == QLatin1Char('d') || c.toLower() == QLatin1Char('y'))) {
            return true;
        }
    }
    return false;
}

// The styles (by index) whose numbers are dates.
std::set<int> ReadDateStyles(const std::string& fileName) {
    const QByteArray data = ZipEntry(fileName, QStringLiteral("xl/styles.xml"), kMaxPartXml);
    QHash<int, QString> codes;
    std::set<int> dates;
    if (data.isEmpty()) {
        return dates;
    }
    QXmlStreamReader xml(data);
    bool inCellXfs = false;
    int index = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            if (xml.name() == QStringLiteral("numFmt")) {
                const QXmlStreamAttributes a = xml.attributes();
                codes.insert(AttributeNamed(a, u"numFmtId").toInt(),
                             AttributeNamed(a, u"formatCode"));
            } else if (xml.name() == QStringLiteral("cellXfs")) {
                inCellXfs = true;
            } else if (inCellXfs && xml.name() == QStringLiteral("xf")) {
                const int id = AttributeNamed(xml.attributes(), u"numFmtId").toInt();
                if (IsDateFormat(id, codes.value(id))) {
                    dates.insert(index);
                }
                ++index;
            }
        } else if (token == QXmlStreamReader::EndElement &&
                   xml.name() == QStringLiteral("cellXfs")) {
            inCellXfs = false;
        }
    }
    CheckXml(xml, fileName, QStringLiteral("xl/styles.xml"));
    return dates;
}

// "BC12" -> column 54 (0-based) and row 11 (0-based); false for a reference it cannot read.
bool ParseReference(QStringView ref, int& col, int& row) {
    int i = 0;
    long c = 0;
    while (i < ref.size() && ref[i].isLetter()) {
        c = c * 26 + (ref[i].toUpper().unicode() - 'A' + 1);
        if (c > 100000) {
            return false;
        }
        ++i;
    }
    long r = 0;
    const int digitsFrom = i;
    while (i < ref.size() && ref[i].isDigit()) {
        r = r * 10 + (ref[i].unicode() - '0');
        if (r > 100000000) {
            return false;
        }
        ++i;
    }
    if (c == 0 || i == digitsFrom || i != ref.size()) {
        return false;
    }
    col = static_cast<int>(c - 1);
    row = static_cast<int>(r - 1);
    return true;
}

} // namespace

std::vector<std::string> XlsxSheets(const std::string& fileName) {
    std::vector<std::string> names;
    for (const SheetEntry& sheet : ReadWorkbook(fileName).sheets) {
        names.push_back(ToUtf8(sheet.name));
    }
    return names;
}

SourceRows ReadXlsx(const std::string& fileName, const std::string& sheetName) {
    const Workbook workbook = ReadWorkbook(fileName);
    const SheetEntry* sheet = &workbook.sheets.front();
    if (!sheetName.empty()) {
        sheet = nullptr;
        for (const SheetEntry& s : workbook.sheets) {
            if (ToUtf8(s.name) == sheetName) {
                sheet = &s;
            }
        }
        if (sheet == nullptr) {
            ThrowBroken(
                fileName,
                QStringLiteral("sie hat kein Tabellenblatt „%1“.").arg(FromUtf8(sheetName)));
        }
    }
    const std::vector<std::string> strings = ReadSharedStrings(fileName);
    const std::set<int> dateStyles = ReadDateStyles(fileName);
    bool found = false;
    const QByteArray data = ZipEntry(fileName, sheet->part, kMaxSheetXml, &found);
    if (!found) {
        ThrowBroken(fileName, QStringLiteral("das Tabellenblatt fehlt in der Datei."));
    }

    SourceRows rows;
    CellBudget budget;
    QXmlStreamReader xml(data);
    int rowIndex = -1;
    int colIndex = -1;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        if (xml.name() == QStringLiteral("row")) {
            bool ok = false;
            const int r = AttributeNamed(xml.attributes(), u"r").toInt(&ok) - 1;
            rowIndex = ok && r > rowIndex ? r : rowIndex + 1;
            colIndex = -1;
            continue;
        }
        if (xml.name() != QStringLiteral("c") || rowIndex < 0) {
            continue;
        }
        const QXmlStreamAttributes a = xml.attributes();
        const QString ref = AttributeNamed(a, u"r");
        int c = colIndex + 1;
        int r = rowIndex;
        if (!ref.isEmpty() && !ParseReference(ref, c, r)) {
            ThrowBroken(fileName,
                        QStringLiteral("die Zelle „%1“ ist keine Zellbezeichnung.").arg(ref));
        }
        colIndex = c;
        const QString type = AttributeNamed(a, u"t");
        const int style = AttributeNamed(a, u"s").toInt();
        QString value;
        QString inlineText;
        bool hasInline = false;
        // The cell's children: <v> and <is>, and a formula <f> that is skipped.
        int depth = 1;
        while (depth > 0 && !xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::StartElement) {
                if (xml.name() == QStringLiteral("v")) {
                    value = xml.readElementText(QXmlStreamReader::IncludeChildElements);
                } else if (xml.name() == QStringLiteral("is")) {
                    inlineText = ReadRichText(xml);
                    hasInline = true;
                } else {
                    ++depth;
                }
            } else if (token == QXmlStreamReader::EndElement) {
                --depth;
            }
        }
        std::string text;
        if (type == QStringLiteral("s")) {
            bool ok = false;
            const qulonglong k = value.trimmed().toULongLong(&ok);
            if (ok && k < strings.size()) {
                text = strings[k];
            }
        } else if (type == QStringLiteral("inlineStr") || hasInline) {
            text = ToUtf8(inlineText);
        } else if (type == QStringLiteral("str") || type == QStringLiteral("e")) {
            text = ToUtf8(value);
        } else if (type == QStringLiteral("b")) {
            text = value.trimmed() == QStringLiteral("1") ? "WAHR" : "FALSCH";
        } else if (!value.isEmpty()) {
            bool ok = false;
            const double number = value.toDouble(&ok);
            text = ok && dateStyles.count(style) != 0 ? SerialDateText(number, workbook.from1904)
                                                      : std::string();
            if (text.empty()) {
                text = NumberText(value);
            }
        }
        if (text.empty() || r >= kMaxRows || c >= static_cast<int>(kMaxSourceColumns)) {
            continue;
        }
        if (static_cast<size_t>(r) >= rows.size()) {
            rows.resize(static_cast<size_t>(r) + 1);
        }
        SourceRow& row = rows[static_cast<size_t>(r)];
        budget.Add(0, text.size());
        if (static_cast<size_t>(c) >= row.size()) {
            budget.Add(static_cast<size_t>(c) + 1 - row.size(), 0);
            row.resize(static_cast<size_t>(c) + 1);
        }
        row[static_cast<size_t>(c)] = std::move(text);
    }
    CheckXml(xml, fileName, sheet->part);
    return rows;
}
