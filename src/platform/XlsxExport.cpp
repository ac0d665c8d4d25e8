// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The workbook is written with QuaZip, which also reads workbooks for the import. (libxlsxwriter
// cannot share a program with QuaZip: both bring minizip's functions under the same names, and
// the writer then calls QuaZip's, which crashes.)

#include "platform/XlsxExport.h"

#include "core/files/Ansi.h"
#include "core/files/FileErrors.h"
#include "core/interchange/CardExport.h"
#include "platform/TextCodec.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QBuffer>
#include <QXmlStreamWriter>

#include <algorithm>
#include <functional>

namespace {

// Column widths in characters: as wide as the widest cell, within reason.
constexpr int kMinWidth = 6;
constexpr int kMaxWidth = 40;

// Cell styles of styles.xml.
constexpr int kStyleBold = 1;
constexpr int kStyleDate = 2;

const char* const kContentTypes =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">)"
    R"(<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>)"
    R"(<Default Extension="xml" ContentType="application/xml"/>)"
    R"(<Override PartName="/xl/workbook.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml"/>)"
    R"(<Override PartName="/xl/worksheets/sheet1.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml"/>)"
    R"(<Override PartName="/xl/styles.xml" ContentType="application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml"/>)"
    R"(</Types>)";

const char* const kRootRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="xl/workbook.xml"/>)"
    R"(</Relationships>)";

const char* const kWorkbook =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
    R"(<sheets><sheet name="Kartei" sheetId="1" r:id="rId1"/></sheets></workbook>)";

const char* const kWorkbookRels =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
    R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
    R"(<Relationship Id="rId2" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles" Target="styles.xml"/>)"
    R"(</Relationships>)";

// Style 0 plain, 1 bold, 2 a date shown TT.MM.JJJJ.
const char* const kStyles =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<styleSheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
    R"(<numFmts count="1"><numFmt numFmtId="164" formatCode="dd\.mm\.yyyy"/></numFmts>)"
    R"(<fonts count="2"><font><sz val="11"/><name val="Calibri"/></font>)"
    R"(<font><b/><sz val="11"/><name val="Calibri"/></font></fonts>)"
    R"(<fills count="2"><fill><patternFill patternType="none"/></fill>)"
    R"(<fill><patternFill patternType="gray125"/></fill></fills>)"
    R"(<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>)"
    R"(<cellXfs count="3"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" xfId="0"/>)"
    R"(<xf numFmtId="0" fontId="1" fillId="0" borderId="0" xfId="0" applyFont="1"/>)"
    R"(<xf numFmtId="164" fontId="0" fillId="0" borderId="0" xfId="0" applyNumberFormat="1"/>)"
    R"(</cellXfs></styleSheet>)";

// "A", "B", ... "Z", "AA", ...
QString ColumnName(int col) {
    QString name;
    for (++col; col > 0; col = (col - 1) / 26) {
        name.prepend(QChar(u'A' + (col - 1) % 26));
    }
    return name;
}

// XML 1.0 has no place for most control characters; a card may still hold one.
QString XmlText(const std::string& utf8) {
    QString text = FromUtf8(utf8);
    text.removeIf(
        [](QChar c) { return c.unicode() < 0x20 && c != u'\t' && c != u'\n' && c != u'\r'; });
    return text;
}

int Characters(const QString& text) {
    return static_cast<int>(text.size());
}

void WriteTextCell(QXmlStreamWriter& xml, const QString& ref, const QString& text, int style) {
    xml.writeStartElement(QStringLiteral("c"));
    xml.writeAttribute(QStringLiteral("r"), ref);
    if (style != 0) {
        xml.writeAttribute(QStringLiteral("s"), QString::number(style));
    }
    xml.writeAttribute(QStringLiteral("t"), QStringLiteral("inlineStr"));
    xml.writeStartElement(QStringLiteral("is"));
    xml.writeStartElement(QStringLiteral("t"));
    xml.writeAttribute(QStringLiteral("xml:space"), QStringLiteral("preserve"));
    xml.writeCharacters(text);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

void WriteNumberCell(QXmlStreamWriter& xml, const QString& ref, double number, int style) {
    xml.writeStartElement(QStringLiteral("c"));
    xml.writeAttribute(QStringLiteral("r"), ref);
    if (style != 0) {
        xml.writeAttribute(QStringLiteral("s"), QString::number(style));
    }
    xml.writeTextElement(QStringLiteral("v"), QString::number(number, 'g', 15));
    xml.writeEndElement();
}

QByteArray SheetXml(const CardTable& table, const std::vector<int>& rows) {
    const int cols = table.ColCount();
    std::vector<int> widths(static_cast<size_t>(cols), kMinWidth);
    QByteArray data;
    QBuffer sheetData(&data);
    sheetData.open(QIODevice::WriteOnly);
    QXmlStreamWriter cells(&sheetData);
    const auto row = [&](int line, const std::function<void(int col, const QString& ref)>& cell) {
        cells.writeStartElement(QStringLiteral("row"));
        cells.writeAttribute(QStringLiteral("r"), QString::number(line));
        for (int col = 0; col < cols; ++col) {
            cell(col, ColumnName(col) + QString::number(line));
        }
        cells.writeEndElement();
    };
    row(1, [&](int col, const QString& ref) {
        const QString caption = XmlText(AnsiToUtf8(table.Cell(col, 0)));
        widths[static_cast<size_t>(col)] =
            std::max(widths[static_cast<size_t>(col)], Characters(caption) + 2);
        WriteTextCell(cells, ref, caption, kStyleBold);
    });
    int line = 2;
    for (const int card : rows) {
        row(line++, [&](int col, const QString& ref) {
            const ExportCell cell = ExportedCell(col, table.Cell(col, card));
            const QString text = XmlText(cell.text);
            int& width = widths[static_cast<size_t>(col)];
            switch (cell.kind) {
            case ExportKind::Number:
                WriteNumberCell(cells, ref, cell.number, 0);
                break;
            case ExportKind::Date:
                WriteNumberCell(cells, ref, cell.number, kStyleDate);
                break;
            case ExportKind::Text:
                if (!text.isEmpty()) {
                    WriteTextCell(cells, ref, text, 0);
                }
                break;
            }
            width = std::max(width, Characters(text) + 1);
        });
    }
    sheetData.close();

    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QXmlStreamWriter xml(&buffer);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("worksheet"));
    xml.writeDefaultNamespace(
        QStringLiteral("http://schemas.openxmlformats.org/spreadsheetml/2006/main"));
    // The header row stays in view.
    xml.writeStartElement(QStringLiteral("sheetViews"));
    xml.writeStartElement(QStringLiteral("sheetView"));
    xml.writeAttribute(QStringLiteral("workbookViewId"), QStringLiteral("0"));
    xml.writeEmptyElement(QStringLiteral("pane"));
    xml.writeAttribute(QStringLiteral("ySplit"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("topLeftCell"), QStringLiteral("A2"));
    xml.writeAttribute(QStringLiteral("activePane"), QStringLiteral("bottomLeft"));
    xml.writeAttribute(QStringLiteral("state"), QStringLiteral("frozen"));
    xml.writeEndElement();
    xml.writeEndElement();
    if (cols > 0) {
        xml.writeStartElement(QStringLiteral("cols"));
        for (int col = 0; col < cols; ++col) {
            xml.writeEmptyElement(QStringLiteral("col"));
            xml.writeAttribute(QStringLiteral("min"), QString::number(col + 1));
            xml.writeAttribute(QStringLiteral("max"), QString::number(col + 1));
            xml.writeAttribute(
                QStringLiteral("width"),
                QString::number(std::min(widths[static_cast<size_t>(col)], kMaxWidth)));
            xml.writeAttribute(QStringLiteral("customWidth"), QStringLiteral("1"));
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    buffer.close();
    // The rows go in before the closing tag, written apart so that the widths are known first.
    const QByteArray closing = QByteArrayLiteral("</worksheet>");
    out.chop(closing.size());
    out += "<sheetData>" + data + "</sheetData>" + closing;
    return out;
}

void AddEntry(QuaZip& zip, const QString& name, const QByteArray& data) {
    QuaZipFile file(&zip);
    if (!file.open(QIODevice::WriteOnly, QuaZipNewInfo(name)) || file.write(data) != data.size()) {
        throw EInOutError("Die Arbeitsmappe kann nicht geschrieben werden.");
    }
    file.close();
    if (file.getZipError() != ZIP_OK) {
        throw EInOutError("Die Arbeitsmappe kann nicht geschrieben werden.");
    }
}

} // namespace

std::string CardsXlsx(const CardTable& table, const std::vector<int>& rows) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    {
        QuaZip zip(&buffer);
        if (!zip.open(QuaZip::mdCreate)) {
            throw EInOutError("Die Arbeitsmappe kann nicht geschrieben werden.");
        }
        AddEntry(zip, QStringLiteral("[Content_Types].xml"), kContentTypes);
        AddEntry(zip, QStringLiteral("_rels/.rels"), kRootRels);
        AddEntry(zip, QStringLiteral("xl/workbook.xml"), kWorkbook);
        AddEntry(zip, QStringLiteral("xl/_rels/workbook.xml.rels"), kWorkbookRels);
        AddEntry(zip, QStringLiteral("xl/styles.xml"), kStyles);
        AddEntry(zip, QStringLiteral("xl/worksheets/sheet1.xml"), SheetXml(table, rows));
        zip.close();
        if (zip.getZipError() != ZIP_OK) {
            throw EInOutError("Die Arbeitsmappe kann nicht geschrieben werden.");
        }
    }
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}
