// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Workbooks read and written, the import dialog with its preview and mapping, and the import and
// export commands of the main window.

#include "core/files/Ansi.h"
#include "core/files/CardColumns.h"
#include "core/files/IniFile.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "gui/interchange/uImportFrm.h"
#include "platform/ImportSource.h"
#include "platform/SpreadsheetReader.h"
#include "platform/TextCodec.h"
#include "platform/XlsxExport.h"
#include "support/GuiTestSupport.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QTableWidget>
#include <QtTest>

namespace {

// The list of a spreadsheet export: mark, ";", quotes, decimal comma, an empty line.
const std::string kList = "\xEF\xBB\xBFNachname;Vorname;Stra\xC3\x9F"
                          "e;Hausnr.;PLZ;Ort;"
                          "Nennw\xC3\xA4rmeleistung kW\r\n"
                          "M\xC3\xBCller;Hans;\"Hauptstra\xC3\x9F"
                          "e, Hof\";12;12345;Berlin;24,5\r\n"
                          ";;;;;;\r\n"
                          "Schulz;Eva;Ringweg;3;54321;Bonn;18\r\n";

QString Cell(int col, int row) {
    return FromAnsi(MainFrm->Cards().Cell(col, row));
}

void WriteZip(const std::string& fileName, const QString& entry, const QByteArray& data) {
    QuaZip zip(FromUtf8(fileName));
    QVERIFY(zip.open(QuaZip::mdCreate));
    QuaZipFile file(&zip);
    QVERIFY(file.open(QIODevice::WriteOnly, QuaZipNewInfo(entry)));
    file.write(data);
    file.close();
    zip.close();
}

QByteArray OdsContent(const QByteArray& tables) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
           "<office:document-content "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\">"
           "<office:body><office:spreadsheet>" +
           tables + "</office:spreadsheet></office:body></office:document-content>";
}

template <typename F> QString ImportError(F&& read) {
    try {
        read();
    } catch (const EImportError& e) {
        return FromUtf8(e.what());
    }
    return QString();
}

} // namespace

class InterchangeTest : public QObject {
    Q_OBJECT
private slots:
    void workbookExportReadsBack();
    void odsSheetsRepeatsAndHostileFiles();
    void dialogPreviewFollowsTheMapping();
    void importFromTheMenu();
    void openOfAListOffersTheImport();
    void exportFromTheMenu();
};

void InterchangeTest::workbookExportReadsBack() {
    TempDir dir;
    CardTable table;
    table.SetColCount(30);
    CardTable::Row captions = table.EmptyRow();
    captions[0] = "Name";
    captions[kColO2] = "O2 %";
    captions[kColDate] = "Datum";
    table.AppendRow(captions);
    CardTable::Row card = table.EmptyRow();
    card[0] = "M\xFCller & <Hans>";
    card[kColO2] = "3.5";
    card[kColDate] = "07.12.2005";
    card[kColInstallDate] = "1.3.1999";
    table.AppendRow(card);
    const std::string file = dir.File("karten.xlsx");
    WriteBytes(file, CardsXlsx(table, {1}));

    QCOMPARE(SpreadsheetSheets(file), std::vector<std::string>{"Kartei"});
    const SourceRows rows = ReadSpreadsheet(file, std::string());
    QCOMPARE(rows.size(), size_t{2});
    QCOMPARE(rows[0][kColO2], std::string("O2 %"));
    QCOMPARE(rows[1][0], std::string("M\xC3\xBCller & <Hans>"));
    QCOMPARE(rows[1][kColO2], std::string("3.5"));          // a number, read with its point
    QCOMPARE(rows[1][kColDate], std::string("07.12.2005")); // a date by its style
    QCOMPARE(rows[1][kColInstallDate], std::string("01.03.1999"));
    QVERIFY(ImportError([&] { ReadSpreadsheet(file, "Fehlt"); }).contains(QStringLiteral("Fehlt")));
}

void InterchangeTest::odsSheetsRepeatsAndHostileFiles() {
    TempDir dir;
    const std::string file = dir.File("liste.ods");
    WriteZip(file, QStringLiteral("content.xml"),
             OdsContent("<table:table table:name=\"Kunden\">"
                        "<table:table-column table:number-columns-repeated=\"1024\"/>"
                        "<table:table-row><table:table-cell office:value-type=\"string\">"
                        "<text:p>Name</text:p></table:table-cell></table:table-row>"
                        "<table:table-row>"
                        "<table:table-cell><text:p>A<text:s text:c=\"2\"/>B</text:p>"
                        "<text:p>C</text:p></table:table-cell>"
                        "<table:table-cell table:number-columns-repeated=\"2\"/>"
                        "<table:table-cell office:value-type=\"float\" office:value=\"24.5\">"
                        "<text:p>24,5</text:p></table:table-cell>"
                        "<table:table-cell office:value-type=\"date\" "
                        "office:date-value=\"2005-12-07\"><text:p>07.12.05</text:p>"
                        "</table:table-cell>"
                        "<table:table-cell table:number-columns-repeated=\"16000\"/>"
                        "</table:table-row>"
                        "<table:table-row table:number-rows-repeated=\"1048000\">"
                        "<table:table-cell table:number-columns-repeated=\"1024\"/>"
                        "</table:table-row></table:table>"
                        "<table:table table:name=\"Riesig\"><table:table-row "
                        "table:number-rows-repeated=\"100000000\"><table:table-cell "
                        "table:number-columns-repeated=\"30\"><text:p>x</text:p>"
                        "</table:table-cell></table:table-row></table:table>"
                        "<table:table table:name=\"Lang\"><table:table-row "
                        "table:number-rows-repeated=\"100\"><table:table-cell "
                        "table:number-columns-repeated=\"16384\"><text:p>" +
                        QByteArray(2000, 'x') +
                        "</text:p></table:table-cell></table:table-row></table:table>"));
    QCOMPARE(SpreadsheetSheets(file), (std::vector<std::string>{"Kunden", "Riesig", "Lang"}));
    // Trailing empty rows and cells stand for nothing.
    const SourceRows rows = ReadSpreadsheet(file, "Kunden");
    QCOMPARE(rows.size(), size_t{2});
    QCOMPARE(rows[1], (SourceRow{"A  B\nC", "", "", "24.5", "07.12.2005"}));
    // A repeat count beyond any list ends with a message instead of filling the memory.
    QVERIFY(
        ImportError([&] { ReadSpreadsheet(file, "Riesig"); }).contains(QStringLiteral("zu groß")));
    // So does a long text repeated into gigabytes.
    QVERIFY(
        ImportError([&] { ReadSpreadsheet(file, "Lang"); }).contains(QStringLiteral("zu groß")));

    const std::string broken = dir.File("kaputt.xlsx");
    WriteBytes(broken, "PK\x03\x04 kein Archiv");
    QVERIFY(
        ImportError([&] { ImportSource source(broken); }).contains(QStringLiteral("kaputt.xlsx")));
    const std::string badXml = dir.File("kaputt.ods");
    WriteZip(badXml, QStringLiteral("content.xml"), "<office:document-content><table:");
    QVERIFY(ImportError([&] { ReadSpreadsheet(badXml, ""); }).contains(QStringLiteral("XML")));
}

void InterchangeTest::dialogPreviewFollowsTheMapping() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("kunden.csv");
    WriteBytes(file, kList);
    ImportSource source(file);
    std::vector<std::string> captions;
    for (int col = 0; col < MainFrm->Cards().ColCount(); ++col) {
        captions.push_back(AnsiToUtf8(MainFrm->Cards().Cell(col, 0)));
    }
    TImportFrm dialog(source, captions, {}, MainFrm);
    QVERIFY(dialog.Kopfzeile->isChecked());
    QCOMPARE(dialog.Trennzeichen->currentData().toString(), QStringLiteral(";"));
    QCOMPARE(dialog.Kodierung->currentText(), QStringLiteral("UTF-8"));
    QCOMPARE(dialog.Quellen[0][0]->currentText(), QStringLiteral("Nachname"));
    QCOMPARE(dialog.Quellen[0][1]->currentText(), QStringLiteral("Vorname"));
    QCOMPARE(dialog.Quellen[kColNominalOutput][0]->currentText(),
             QString::fromUtf8("Nennwärmeleistung kW"));
    // The preview shows the cards as they will be, the empty line skipped.
    QCOMPARE(dialog.Vorschau->rowCount(), 2);
    QCOMPARE(dialog.Vorschau->item(0, 0)->text(), QString::fromUtf8("Müller Hans"));
    QCOMPARE(dialog.Vorschau->item(0, 1)->text(), QString::fromUtf8("Hauptstraße Hof 12"));
    QCOMPARE(dialog.Vorschau->item(1, kColNominalOutput)->text(), QStringLiteral("18"));
    // A changed field is marked and says why.
    QVERIFY(
        dialog.Vorschau->item(0, kColNominalOutput)->toolTip().contains(QStringLiteral("24,5")));
    QVERIFY(dialog.Vorschau->item(0, 2)->toolTip().isEmpty());

    dialog.Quellen[0][1]->setCurrentIndex(0);
    dialog.Quellen[0][2]->setCurrentIndex(dialog.Quellen[0][2]->findText(QStringLiteral("Ort")));
    QCOMPARE(dialog.Vorschau->item(0, 0)->text(), QString::fromUtf8("Müller Berlin"));
    // Without header line the first line is a card, and the columns go by number.
    dialog.Kopfzeile->setChecked(false);
    QCOMPARE(dialog.Vorschau->rowCount(), 3);
    QCOMPARE(dialog.Quellen[0][0]->currentText(), QStringLiteral("Spalte 1"));
    QCOMPARE(dialog.MappingTexts()[0], std::string("1+6"));
}

void InterchangeTest::importFromTheMenu() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("kunden.csv");
    WriteBytes(file, kList);

    DialogAnswers::QueueFile(FromUtf8(file));
    DialogAnswers::QueueForm({true, {}});
    DialogAnswers::QueueForm({true, {}}); // the report
    MainFrm->Import1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList());
    QCOMPARE(MainFrm->Cards().RowCount(), 3);
    QCOMPARE(Cell(0, 1), QString::fromUtf8("Müller Hans"));
    QCOMPARE(Cell(2, 2), QStringLiteral("54321 Bonn"));
    QCOMPARE(Cell(kColNominalOutput, 1), QStringLiteral("24.5"));
    QCOMPARE(DialogAnswers::FormShown().value(QStringLiteral("Zusammenfassung")),
             QString::fromUtf8("2 Karten importiert, 0 Felder gekürzt, 2 Felder angepasst, "
                               "1 Zeile übersprungen (leer)"));
    QVERIFY(MainFrm->Document().Changed());
    QVERIFY(MainFrm->Document().FileName().empty());
    // The mapping is kept for the next import.
    QCOMPARE(IniFile(program.SettingsFile()).ReadString("Import", "K0", ""),
             std::string("Nachname+Vorname"));

    // Appending, with the remembered mapping changed in the settings file: Name from "Ort".
    IniFile(program.SettingsFile()).WriteString("Import", "K0", "Ort");
    DialogAnswers::QueueFile(FromUtf8(file));
    DialogAnswers::QueueForm({true, {{QStringLiteral("Modus"), QString::fromUtf8("Anhängen")}}});
    DialogAnswers::QueueForm({true, {}});
    MainFrm->Import1->trigger();
    QCOMPARE(MainFrm->Cards().RowCount(), 5);
    QCOMPARE(Cell(0, 3), QStringLiteral("Berlin"));
    QCOMPARE(MainFrm->CurrentRow(), 3);

    // Replacing unsaved cards asks first; "Nein" drops them.
    DialogAnswers::QueueFile(FromUtf8(file));
    DialogAnswers::QueueForm({true, {{QStringLiteral("Quelle0_1"), QStringLiteral("Vorname")}}});
    DialogAnswers::QueueYesNo(false);
    DialogAnswers::QueueForm({true, {}});
    MainFrm->Import1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QStringLiteral("?: Daten geändert ?")});
    QCOMPARE(MainFrm->Cards().RowCount(), 3);
    QCOMPARE(Cell(0, 2), QStringLiteral("Eva"));

    // A list that cannot be read is said so, and the cards stay.
    const std::string broken = program.Dir().File("kaputt.xlsx");
    WriteBytes(broken, "kein Archiv");
    DialogAnswers::QueueFile(FromUtf8(broken));
    MainFrm->Import1->trigger();
    const QStringList shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains(QStringLiteral("kaputt.xlsx")));
    QCOMPARE(MainFrm->Cards().RowCount(), 3);
}

void InterchangeTest::openOfAListOffersTheImport() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("kunden.csv");
    WriteBytes(file, kList);
    DialogAnswers::QueueFile(FromUtf8(file));
    DialogAnswers::QueueYesNo(true);
    DialogAnswers::QueueForm({true, {}});
    DialogAnswers::QueueForm({true, {}});
    MainFrm->Oeffnen1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QString::fromUtf8("?: Die Datei sieht nicht wie eine Kartei aus. Mit "
                                           "Import öffnen?")});
    QCOMPARE(MainFrm->Cards().RowCount(), 3);
    QCOMPARE(Cell(0, 1), QString::fromUtf8("Müller Hans"));

    // "Nein" opens it as a card file: one card a line. The question about the unsaved imported
    // cards comes once, before the file dialog.
    DialogAnswers::QueueYesNo(false);
    DialogAnswers::QueueFile(FromUtf8(file));
    DialogAnswers::QueueYesNo(false);
    MainFrm->Oeffnen1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(),
             (QStringList{QStringLiteral("?: Daten geändert ?"),
                          QString::fromUtf8("?: Die Datei sieht nicht wie eine Kartei aus. Mit "
                                            "Import öffnen?")}));
    QCOMPARE(MainFrm->Cards().RowCount(), 5);
    QCOMPARE(MainFrm->Document().FileName(), file);

    // Importing instead, unsaved changes dropped by that first answer are not asked about again.
    MainFrm->Document().SetChanged(true);
    DialogAnswers::QueueYesNo(false);
    DialogAnswers::QueueFile(FromUtf8(file));
    DialogAnswers::QueueYesNo(true);
    DialogAnswers::QueueForm({true, {}});
    DialogAnswers::QueueForm({true, {}});
    MainFrm->Oeffnen1->trigger();
    QCOMPARE(DialogAnswers::TakeShown().size(), 2);
    QCOMPARE(DialogAnswers::Pending(), 0);
    QCOMPARE(MainFrm->Cards().RowCount(), 3);
}

void InterchangeTest::exportFromTheMenu() {
    ProgramUnderTest program;
    const std::string list = program.Dir().File("kunden.csv");
    WriteBytes(list, kList);
    DialogAnswers::QueueFile(FromUtf8(list));
    DialogAnswers::QueueForm({true, {}});
    DialogAnswers::QueueForm({true, {}});
    MainFrm->Import1->trigger();

    const std::string workbook = program.Dir().File("export.xlsx");
    DialogAnswers::QueueFile(FromUtf8(workbook));
    MainFrm->Export1->trigger();
    SourceRows rows = ReadSpreadsheet(workbook, "");
    QCOMPARE(rows.size(), size_t{3});
    QCOMPARE(rows[1][0], std::string("M\xC3\xBCller Hans"));
    QCOMPARE(rows[1][kColNominalOutput], std::string("24.5"));

    // The selected card alone, into an existing file: the file-exists question decides.
    MainFrm->SetCurrentCell(0, 2);
    MainFrm->StringGrid1->selectRow(1);
    DialogAnswers::QueueFile(FromUtf8(workbook));
    DialogAnswers::QueueChoice(smCancel);
    MainFrm->Export1->trigger();
    QCOMPARE(ReadSpreadsheet(workbook, "").size(), size_t{3});
    DialogAnswers::QueueFile(FromUtf8(workbook));
    DialogAnswers::QueueChoice(smOverwrite);
    MainFrm->Export1->trigger();
    rows = ReadSpreadsheet(workbook, "");
    QCOMPARE(rows.size(), size_t{2});
    QCOMPARE(rows[1][0], std::string("Schulz Eva"));

    const std::string csv = program.Dir().File("export.csv");
    DialogAnswers::QueueFile(FromUtf8(csv));
    MainFrm->Export1->trigger();
    const std::string bytes = ReadBytes(csv);
    QVERIFY(bytes.rfind("\xEF\xBB\xBFName;", 0) == 0);
    QVERIFY(bytes.find("\r\nSchulz Eva;Ringweg 3;54321 Bonn;") != std::string::npos);
    QCOMPARE(DialogAnswers::TakeShown(), QStringList());
}

QTEST_MAIN(InterchangeTest)
#include "interchange_guitest.moc"
