// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing from the menu into a PDF file, read back with pdftotext, and from fendro-tool.

#include "core/files/uGlobal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/TFileDialog.h"
#include "gui/app/uMainFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>

#include <cmath>

namespace {

QString Tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// The text of a PDF file, with its page breaks as form feeds.
QString PdfText(const QString& pdf, bool layout = false) {
    QProcess p;
    QStringList args;
    if (layout) {
        args << QStringLiteral("-layout");
    }
    args << pdf << QStringLiteral("-");
    p.start(Tool("pdftotext"), args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The top left corner, in millimetres, of the first word `word` on the first page.
QPointF WordPositionMm(const QString& pdf, const QString& word) {
    QProcess p;
    p.start(Tool("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"),
                                pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpression re(QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>") +
                                QRegularExpression::escape(word) + QStringLiteral("<"));
    const QRegularExpressionMatch m = re.match(out);
    if (!m.hasMatch()) {
        return QPointF(-1, -1);
    }
    constexpr double kMmPerPoint = 25.4 / 72;
    return QPointF(m.captured(1).toDouble() * kMmPerPoint, m.captured(2).toDouble() * kMmPerPoint);
}

// Every word of the first page with its top left corner in points, one per line.
QString PdfWords(const QString& pdf) {
    QProcess p;
    p.start(Tool("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-l"), QStringLiteral("1"),
                                pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression re(
        QStringLiteral("xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]*)<"));
    QStringList words;
    for (const QRegularExpressionMatch& m : re.globalMatch(out)) {
        words << m.captured(3) + QLatin1Char(' ') +
                     QString::number(m.captured(1).toDouble(), 'f', 1) + QLatin1Char(' ') +
                     QString::number(m.captured(2).toDouble(), 'f', 1);
    }
    return words.join(QLatin1Char('\n'));
}

// "Page size: 595 x 842 pts (A4)" and the like, from pdfinfo.
QString PdfInfo(const QString& pdf, const QString& key) {
    QProcess p;
    p.start(Tool("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpression re(QStringLiteral("^") + key + QStringLiteral(":\\s*(.*)$"),
                                QRegularExpression::MultilineOption);
    return re.match(out).captured(1).trimmed();
}

// Three cards: names and towns in Windows-1252, a hidden measurement value on card 2.
void FillCards() {
    CardTable& cards = MainFrm->Cards();
    MainFrm->GridModel()->BeginChange();
    cards.SetRowCount(4);
    const char* rows[3][3] = {{"M\xFCller",
                               "Hauptstra\xDF"
                               "e 1",
                               "K\xF6ln"},
                              {"Schmidt", "Weg 2", "Hamburg"},
                              {"Zander", "Allee 3", "Ulm"}};
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            cards.SetCell(c, r + 1, rows[r][c]);
        }
    }
    cards.SetCell(4, 2, "187.5");
    cards.SetCell(24, 2, "4.2");
    MainFrm->GridModel()->EndChange();
}

// What the user would do in the set-up dialog: choose a PDF file and landscape.
void ChoosePdfInSetupDialog(const QString& pdf) {
    DialogAnswers::PrinterAnswer setup;
    setup.pdfFile = pdf;
    setup.pageSize = QPageSize::A4;
    setup.orientation = QPageLayout::Landscape;
    DialogAnswers::QueuePrinter(setup);
    MainFrm->DruckerEinrichten1->trigger();
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void listAndCardPrintPortraitIntoTheChosenPdf();
    void windowAndToolPdfsMatchWithPlainLetters();
    void noUsablePrinterSaysSo();
    void toolPrintsListAndCardIntoA4Pdf();
};

void PrintTest::init() {
    if (Tool("pdftotext").isEmpty() || Tool("pdfinfo").isEmpty()) {
        QSKIP("pdftotext/pdfinfo (poppler-utils) not installed");
    }
}

void PrintTest::listAndCardPrintPortraitIntoTheChosenPdf() {
    ProgramUnderTest program;
    FillCards();
    MainFrm->Document().SetFileName(program.Dir().File("kunden.csv"));
    const QString pdf = QString::fromStdString(program.Dir().File("kunden.pdf"));
    ChoosePdfInSetupDialog(QString::fromStdString(program.Dir().File("setup.pdf")));

    // Each job asks for its file, offering the card file's name; cancelled, nothing is printed.
    DialogAnswers::QueueFile(QString());
    MainFrm->DruckenListe1->trigger();
    QCOMPARE(TFileDialog::LastShown()->FileName, pdf);
    QVERIFY(!QFile::exists(pdf));
    DialogAnswers::QueueFile(pdf);
    MainFrm->DruckenListe1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList());
    QCOMPARE(MainFrm->statusBar()->currentMessage(),
             QStringLiteral("Gedruckt in die PDF-Datei ") + QDir::toNativeSeparators(pdf));
    QString text = PdfText(pdf);
    QVERIFY2(text.contains(QString::fromUtf8("vexa® Fendro KUNDEN.CSV")), qPrintable(text));
    QVERIFY(text.contains(QString::fromUtf8("Müller")));
    QVERIFY(text.contains(QString::fromUtf8("Hauptstraße 1")));
    QVERIFY(text.contains(QStringLiteral("Zander")));
    QVERIFY(text.contains(QStringLiteral("Page: 1 of 1")));
    QVERIFY(!text.contains(QStringLiteral("187.5"))); // only three columns in the list
    QCOMPARE(PdfInfo(pdf, QStringLiteral("Pages")), QStringLiteral("1"));
    // Landscape from the set-up dialog does not hold: the job prints portrait.
    QVERIFY2(PdfInfo(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("595")),
             qPrintable(PdfInfo(pdf, QStringLiteral("Page size"))));
    QCOMPARE(PdfInfo(pdf, QStringLiteral("Title")), QString::fromUtf8("vexa® Fendro KUNDEN.CSV"));

    // The card into the same file: replaced only when the user says so.
    MainFrm->SetCurrentCell(0, 2);
    QCOMPARE(MainFrm->CurrentRow(), 2);
    DialogAnswers::QueueFile(pdf);
    DialogAnswers::QueueYesNo(false);
    MainFrm->DruckenKarteikarte1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QStringLiteral("?: Die Datei ") + QDir::toNativeSeparators(pdf) +
                         QStringLiteral(" gibt es schon.\nSoll sie ersetzt werden?")});
    QVERIFY(PdfText(pdf).contains(QStringLiteral("KUNDEN.CSV")));
    DialogAnswers::QueueFile(pdf);
    DialogAnswers::QueueYesNo(true);
    MainFrm->DruckenKarteikarte1->trigger();
    QCOMPARE(DialogAnswers::TakeShown().size(), 1);
    // The second card, with every column, also those the grid hides.
    text = PdfText(pdf, true);
    QVERIFY2(text.contains(QString::fromUtf8("vexa® Fendro")), qPrintable(text));
    QVERIFY(!text.contains(QStringLiteral("KUNDEN")));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Name +Schmidt"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Abgastemperatur .C +187.5"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Gasdruck hPa +4.2"))));
    QVERIFY(!text.contains(QString::fromUtf8("Müller")));
    QVERIFY(text.contains(QStringLiteral("Page: 1 of 1")));
    QVERIFY(PdfInfo(pdf, QStringLiteral("Page size")).startsWith(QStringLiteral("595")));
}

void PrintTest::windowAndToolPdfsMatchWithPlainLetters() {
    ProgramUnderTest program;
    const std::string csv = program.Dir().File("kartei.csv");
    WriteBytes(csv, "Hoffmann,Waldstra\xDF"
                    "e 9,Effelsberg,Heiz\xF6l\r\nBaumann,Weg 2,Ulm\r\n");
    DialogAnswers::QueueFile(QString::fromStdString(csv));
    MainFrm->Oeffnen1->trigger();
    QCOMPARE(MainFrm->Cards().RowCount(), 3);
    ChoosePdfInSetupDialog(QString::fromStdString(program.Dir().File("setup.pdf")));
    const QString tool = QStringLiteral(FENDRO_BINARY_DIR "/fendro-tool");
    for (const QString& command : {QStringLiteral("print-list"), QStringLiteral("print-card")}) {
        const bool list = command == QStringLiteral("print-list");
        const QString window = QString::fromStdString(program.Dir().File("fenster.pdf"));
        const QString byTool = QString::fromStdString(program.Dir().File("tool.pdf"));
        QFile::remove(window);
        DialogAnswers::QueueFile(window);
        (list ? MainFrm->DruckenListe1 : MainFrm->DruckenKarteikarte1)->trigger();
        QCOMPARE(DialogAnswers::TakeShown(), QStringList());
        QStringList args{command, QString::fromStdString(csv)};
        if (!list) {
            args << QStringLiteral("1");
        }
        args << byTool << QStringLiteral("--dta") << QString::fromStdString(BuiltDefinitionFile());
        QCOMPARE(QProcess::execute(tool, args), 0);
        // Every word at the same place on the sheet.
        const QString words = PdfWords(window);
        QVERIFY2(
            words.contains(list ? QStringLiteral("Hoffmann 0.0 ") : QStringLiteral("Hoffmann ")),
            qPrintable(words));
        QCOMPARE(words, PdfWords(byTool));
        // The text layer holds plain letters, no ligatures.
        const QString text = PdfText(window);
        QVERIFY2(text.contains(QStringLiteral("Hoffmann")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Effelsberg")));
        if (!list) {
            QVERIFY(text.contains(QStringLiteral("Brennstoff")));
        }
    }
}

void PrintTest::noUsablePrinterSaysSo() {
    ProgramUnderTest program;
    // A printer that is not installed, and no PDF file chosen instead.
    DialogAnswers::PrinterAnswer setup;
    setup.printerName = QStringLiteral("Fendro-Testdrucker-gibt-es-nicht");
    DialogAnswers::QueuePrinter(setup);
    MainFrm->DruckerEinrichten1->trigger();
    MainFrm->DruckenListe1->trigger();
    MainFrm->DruckenKarteikarte1->trigger();
    const QStringList shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 2);
    for (const QString& s : shown) {
        QVERIFY2(s.startsWith(QStringLiteral("error: Es ist kein Drucker installiert.")),
                 qPrintable(s));
    }

    // A PDF file that cannot be written is reported as such.
    const QString blocked =
        QString::fromStdString(program.Dir().File("fehlt")) + QStringLiteral("/x.pdf");
    ChoosePdfInSetupDialog(blocked);
    DialogAnswers::QueueFile(blocked);
    MainFrm->DruckenListe1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QStringLiteral("error: Unable to write to ") + blocked});
}

void PrintTest::toolPrintsListAndCardIntoA4Pdf() {
    TempDir dir;
    // 100 cards: the list takes two pages, the second starting with card 74.
    std::string csv;
    for (int i = 1; i <= 100; ++i) {
        csv += "Kunde" + std::to_string(i) + ",Strasse " + std::to_string(i) + ",Ort" +
               std::to_string(i) + ",Heiz\xF6l,1" + std::to_string(i) + "\r\n";
    }
    WriteBytes(dir.File("kartei.csv"), csv);
    const QString tool = QStringLiteral(FENDRO_BINARY_DIR "/fendro-tool");
    const QString list = QString::fromStdString(dir.File("liste.pdf"));
    QProcess p;
    p.start(tool, {QStringLiteral("print-list"), QString::fromStdString(dir.File("kartei.csv")),
                   list, QStringLiteral("--dta"), QString::fromStdString(BuiltDefinitionFile())});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(PdfInfo(list, QStringLiteral("Pages")), QStringLiteral("2"));
    QVERIFY(PdfInfo(list, QStringLiteral("Page size")).contains(QStringLiteral("(A4)")));
    const QStringList pages = PdfText(list).split(QLatin1Char('\f'));
    QVERIFY(pages.size() >= 2);
    QVERIFY(pages[0].contains(QStringLiteral("vexa\u00AE Fendro KARTEI.CSV")));
    QVERIFY(pages[0].contains(QStringLiteral("Page: 1 of 2")));
    QVERIFY(pages[0].contains(QStringLiteral("Kunde73\n")));
    QVERIFY(!pages[0].contains(QStringLiteral("Kunde74\n")));
    QVERIFY(pages[1].contains(QStringLiteral("Kunde74\n")));
    QVERIFY(pages[1].contains(QStringLiteral("Kunde100\n")));
    QVERIFY(pages[1].contains(QStringLiteral("Page: 2 of 2")));
    QVERIFY(!pages[1].contains(QStringLiteral("Name\n")));
    // The columns at 0, 39 and 78 mm, the first line 11 mm and the page line 282 mm from the
    // top of the sheet (a PDF page has no unprintable edge).
    const auto near = [](QPointF got, double x, double y) {
        return std::abs(got.x() - x) < 0.5 && std::abs(got.y() - y) < 0.5;
    };
    QVERIFY(near(WordPositionMm(list, QStringLiteral("Name")), 0, 11));
    QVERIFY(near(WordPositionMm(list, QStringLiteral("Strasse")), 39, 11));
    QVERIFY(near(WordPositionMm(list, QStringLiteral("Ort")), 78, 11));
    QVERIFY(near(WordPositionMm(list, QStringLiteral("Kunde1")), 0, 14.6));
    QVERIFY(std::abs(WordPositionMm(list, QStringLiteral("Page:")).y() - 282) < 0.5);
    QVERIFY(std::abs(WordPositionMm(list, QString::fromUtf8("vexa®")).y() - 2) < 0.5);

    const QString card = QString::fromStdString(dir.File("karte.pdf"));
    p.start(tool, {QStringLiteral("print-card"), QString::fromStdString(dir.File("kartei.csv")),
                   QStringLiteral("42"), card});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QString text = PdfText(card, true);
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Name +Kunde42"))));
    QVERIFY(text.contains(QRegularExpression(QString::fromUtf8("Brennstoff +Heizöl"))));
    QVERIFY(text.contains(QRegularExpression(QStringLiteral("Abgastemperatur .C +142"))));

    p.start(tool, {QStringLiteral("print-card"), QString::fromStdString(dir.File("kartei.csv")),
                   QStringLiteral("101"), card});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("100 Karten")));
    // A card number that is no number is a wrong call.
    for (const char* number : {"4x", "-3", ""}) {
        p.start(tool, {QStringLiteral("print-card"), QString::fromStdString(dir.File("kartei.csv")),
                       QString::fromLatin1(number), card});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 2);
    }
}

QTEST_MAIN(PrintTest)
#include "print_guitest.moc"
