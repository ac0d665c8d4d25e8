// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The measurement certificate from the menu and from fendro-tool: the facts proposed, written
// back into the card, and the page read back from the PDF with pdftotext.

#include "core/files/AtomicFile.h"
#include "core/files/CardColumns.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStatusBar>
#include <QtTest>

namespace {

QString Tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

QString PdfText(const QString& pdf) {
    QProcess p;
    p.start(Tool("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPages(const QString& pdf) {
    QProcess p;
    p.start(Tool("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    return QRegularExpression(QStringLiteral("Pages:\\s*(\\d+)")).match(out).captured(1).toInt();
}

// An earlier card of Meier with the facts, a later one without, and an unmeasured card.
const char* const kCards =
    "Meier,Weg 1,Ulm,Heiz\xF6l,170,20,60,3.5,12.8,10,20,1.20,9.0,91.0,01.12.2024,09:00,-0.10,"
    "NEIN,1,1,1,,,,,24.5,V,N,01.02.1995,N\r\n"
    "MEIER   ,Weg 1,Ulm,Heiz\xF6l,185,20,60,3.5,12.8,12,30,1.20,11.0,89.0,07.12.2025,09:45,-0.12,"
    "NEIN,2,2,1,,,,\r\n"
    "Huber,Gasse 3,Bonn\r\n";

void LoadCards(const ProgramUnderTest& program) {
    MainFrm->Document().SetFileName(program.Dir().File("kunden.csv"));
    WriteBytes(MainFrm->Document().FileName(), kCards);
    QVERIFY(MainFrm->LoadCardFile());
}

// Chooses printing into a PDF file in "Drucker einstellen..."; each job then asks for its file.
void ChoosePdfPrinter(const QString& pdf) {
    DialogAnswers::PrinterAnswer setup;
    setup.pdfFile = pdf;
    DialogAnswers::QueuePrinter(setup);
    MainFrm->DruckerEinrichten1->trigger();
}

} // namespace

class CertificateTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void dialogProposesWritesBackAndPrints();
    void wrongEntryIsRefusedAndNothingWritten();
    void wholeRoundIntoOnePdfFromMenuAndTool();
};

void CertificateTest::init() {
    if (Tool("pdftotext").isEmpty() || Tool("pdfinfo").isEmpty()) {
        QSKIP("pdftotext/pdfinfo (poppler-utils) not installed");
    }
}

void CertificateTest::dialogProposesWritesBackAndPrints() {
    ProgramUnderTest program;
    LoadCards(program);
    DialogAnswers::QueueForm(
        {true,
         {{QStringLiteral("Edit1"), QString::fromUtf8("Schornsteinfegerei Ruß")},
          {QStringLiteral("Edit3"), QStringLiteral("89073 Ulm")},
          {QStringLiteral("Edit5"), QStringLiteral("0,6")}}});
    MainFrm->Betrieb1->trigger();
    std::string settings;
    QVERIFY(ReadWholeFile(program.SettingsFile(), settings));
    QVERIFY(settings.find("[Betrieb]\r\nName=Schornsteinfegerei Ru\xDF\r\n") != std::string::npos);
    QVERIFY(settings.find("\r\nMessunsicherheitAbgasverlust=0.6\r\n") != std::string::npos);

    MainFrm->Document().SetChanged(false);
    MainFrm->SetCurrentCell(0, 2);
    const QString pdf = QString::fromStdString(program.Dir().File("bescheinigung.pdf"));
    ChoosePdfPrinter(pdf);
    DialogAnswers::QueueForm({true, {{QStringLiteral("Edit1"), QStringLiteral("10,5")}}});
    DialogAnswers::QueueFile(pdf);
    MainFrm->Messbescheinigung1->trigger();

    QCOMPARE(DialogAnswers::FormShown().value(QStringLiteral("Edit1")), QStringLiteral("24.5"));
    const QString proposal = DialogAnswers::FormShown().value(QStringLiteral("Label2"));
    QVERIFY2(proposal.contains(QStringLiteral("Karte vom 01.12.2024")), qPrintable(proposal));
    QCOMPARE(DialogAnswers::TakeShown(), QStringList());
    const CardTable& cards = MainFrm->Cards();
    const char* const expected[5] = {"10.5", "V", "N", "01.02.1995", "N"};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(QString::fromStdString(cards.Cell(25 + i, 2)), QString::fromLatin1(expected[i]));
    }
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(MainFrm->GridModel()->index(1, 25).data().toString(), QStringLiteral("10.5"));

    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QString::fromUtf8("Schornsteinfegerei Ruß")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("Messbescheinigung")));
    QVERIFY(text.contains(QStringLiteral("MEIER")));
    QVERIFY(text.contains(QString::fromUtf8("10,5 kW")));
    QVERIFY(text.contains(QRegularExpression(
        QString::fromUtf8("Abgasverlust +11,0 % +höchstens 11 % +§ 10 Abs. 1 +eingehalten"))));
    QVERIFY(text.contains(QString::fromUtf8("11,0 % (Messunsicherheit ± 0,6 Prozentpunkte)")));
    // Mean of 1, 2, 2 is 2; the old small vaporiser may have 3.
    QVERIFY(text.contains(
        QRegularExpression(QString::fromUtf8("Rußzahl +2 +höchstens 3 +§ ?7 +eingehalten"))));
    QVERIFY(text.contains(QStringLiteral("Die Grenzwerte der 1. BImSchV werden eingehalten.")));
    QVERIFY(text.contains(QStringLiteral("Unterschrift")));
    QCOMPARE(PdfPages(pdf), 1);
}

void CertificateTest::wrongEntryIsRefusedAndNothingWritten() {
    ProgramUnderTest program;
    LoadCards(program);
    MainFrm->Document().SetChanged(false);
    MainFrm->SetCurrentCell(0, 2);
    DialogAnswers::QueueForm({true, {{QStringLiteral("Edit2"), QStringLiteral("1.2.1995")}}});
    MainFrm->Messbescheinigung1->trigger();
    QStringList shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains(QStringLiteral("TT.MM.JJJJ")), qPrintable(shown[0]));
    // A day that does not exist is no fault of the form.
    DialogAnswers::QueueForm({true, {{QStringLiteral("Edit2"), QStringLiteral("31.02.1995")}}});
    MainFrm->Messbescheinigung1->trigger();
    shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains(QStringLiteral("Den 31.02.1995 gibt es nicht")),
             qPrintable(shown[0]));
    QVERIFY(MainFrm->Cards().Cell(28, 2).empty());
    QVERIFY(!MainFrm->Document().Changed());

    // Huber has no measurement date yet: no certificate, as the whole round leaves him out.
    MainFrm->SetCurrentCell(0, 3);
    MainFrm->Messbescheinigung1->trigger();
    shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].contains(QStringLiteral("kein Messdatum")), qPrintable(shown[0]));

    // Measured, his earlier card is in another card file of the same folder.
    MainFrm->Cards().SetCell(kColDate, 3, "10.05.2025");
    WriteBytes(program.Dir().File("2023.CSV"), "HUBER,Gasse 3,Bonn,Erdgas,,,,,,,,,,,02.05.2023,"
                                               "08:00,,,,,,,,,,31.0,,J,,\r\n");
    DialogAnswers::QueueForm({false, {}});
    MainFrm->Messbescheinigung1->trigger();
    QCOMPARE(DialogAnswers::FormShown().value(QStringLiteral("Edit1")), QStringLiteral("31.0"));
}

void CertificateTest::wholeRoundIntoOnePdfFromMenuAndTool() {
    ProgramUnderTest program;
    LoadCards(program);
    const QString pdf = QString::fromStdString(program.Dir().File("runde.pdf"));
    ChoosePdfPrinter(pdf);
    DialogAnswers::QueueFile(pdf);
    MainFrm->MessbescheinigungenAlle1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList());
    QVERIFY(MainFrm->statusBar()->currentMessage().contains(QStringLiteral("runde.pdf")));
    QCOMPARE(PdfPages(pdf), 2); // Huber has no measurement date

    const QString tool = QStringLiteral(FENDRO_BINARY_DIR "/fendro-tool");
    const QString csv = QString::fromStdString(program.Dir().File("holz.csv"));
    WriteBytes(csv.toStdString(), "Kurz,Weg 1,Ulm,Holz,185,20,60,3.5,12.8,12,30,1.20,---,89.0,"
                                  "07.12.2025,09:45,-0.12,JA,2,2,1,,,,,24.5,V,N,01.02.1995,N\r\n");
    const QString out = QString::fromStdString(program.Dir().File("holz.pdf"));
    QProcess p;
    p.start(tool, {QStringLiteral("certificate"), csv, QStringLiteral("1"), out,
                   QStringLiteral("--dta"), QString::fromStdString(BuiltDefinitionFile()),
                   QStringLiteral("--ini"), QString::fromStdString(program.SettingsFile())});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    const QString text = PdfText(out);
    // An unplaced fuel: no soot or oil-derivative verdict, a missing loss is not a pass.
    QVERIFY2(text.contains(QString::fromUtf8("„Holz“ ist weder Heizöl noch Gas")),
             qPrintable(text));
    QVERIFY(!text.contains(QString::fromUtf8("Rußzahl  ")));
    QVERIFY(
        text.contains(QRegularExpression(QStringLiteral("Abgasverlust +– +.* nicht gemessen"))));
    QVERIFY(!text.contains(QStringLiteral("werden eingehalten")));

    // The uncertainty comes from the settings file, as the window's does.
    WriteBytes(program.SettingsFile(), "[Betrieb]\r\nMessunsicherheitAbgasverlust=0.6\r\n");
    const QString cards = QString::fromStdString(MainFrm->Document().FileName());
    p.start(tool, {QStringLiteral("certificate"), cards, QStringLiteral("--all"), out,
                   QStringLiteral("--dta"), QString::fromStdString(BuiltDefinitionFile()),
                   QStringLiteral("--ini"), QString::fromStdString(program.SettingsFile())});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(PdfPages(out), 2);
    QVERIFY(PdfText(out).contains(QString::fromUtf8("(Messunsicherheit ± 0,6 Prozentpunkte)")));

    // A single card without a measurement date is refused, not printed as an empty certificate.
    p.start(tool, {QStringLiteral("certificate"), cards, QStringLiteral("3"), out,
                   QStringLiteral("--dta"), QString::fromStdString(BuiltDefinitionFile())});
    QVERIFY(p.waitForFinished(60000));
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("kein Messdatum")));
}

QTEST_MAIN(CertificateTest)
#include "certificate_guitest.moc"
