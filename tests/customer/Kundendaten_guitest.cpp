// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// A customer's requests through the main window: the information printed into a PDF, every card
// deleted from the open table and the folder's files, and anonymised in an unsaved table.

#include "core/customer/CustomerCards.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class KundendatenTest : public QObject {
    Q_OBJECT
private slots:
    void printDeleteAndAnonymiseOverTheFolder();
};

void KundendatenTest::printDeleteAndAnonymiseOverTheFolder() {
    ProgramUnderTest program;
    DialogAnswers::Enable(true);
    const TempDir& dir = program.Dir();
    const std::string meier = "Meier,Ring 2,Ulm,Gas,150\r\n";
    WriteBytes(dir.File("a.csv"),
               "M\xFCller,Weg 1,Ulm,Gas,160\r\n" + meier + "m\xFCller ,Weg 1,Ulm\r\n");
    WriteBytes(dir.File("b.csv"), "Schulz,Hof 3,Ulm,Gas\r\nM\xFCller,Weg 1,ULM,Gas,170\r\n");
    WriteBytes(dir.File("c.csv"), meier);

    QVERIFY(!MainFrm->Kundendaten1->isEnabled());
    DialogAnswers::QueueFile(QString::fromStdString(dir.File("a.csv")));
    MainFrm->Oeffnen1->trigger();
    MainFrm->SetCurrentCell(0, 1);
    QVERIFY(MainFrm->Kundendaten1->isEnabled());

    // The information, read back from the PDF.
    const QString pdfTool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdfTool.isEmpty()) {
        DialogAnswers::PrinterAnswer setup;
        setup.pdfFile = QString::fromStdString(dir.File("setup.pdf"));
        DialogAnswers::QueuePrinter(setup);
        MainFrm->DruckerEinrichten1->trigger();
        const QString pdf = QString::fromStdString(dir.File("auskunft.pdf"));
        DialogAnswers::QueueFile(pdf);
        MainFrm->AuskunftDrucken1->trigger();
        QProcess p;
        p.start(pdfTool, {pdf, QStringLiteral("-")});
        p.waitForFinished(60000);
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QVERIFY2(text.contains(QStringLiteral("Karte 3 von 3")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("b.csv, Zeile 2")));
        QVERIFY(!text.contains(QStringLiteral("Meier")));
    }

    // "No" leaves everything; "Yes" takes the cards out of the table and both files.
    DialogAnswers::TakeShown();
    DialogAnswers::QueueYesNo(false);
    MainFrm->KundeLoeschen1->trigger();
    const QStringList asked = DialogAnswers::TakeShown();
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked[0].contains(QStringLiteral("a.csv: 2 Karten")), qPrintable(asked[0]));
    QVERIFY(asked[0].contains(QStringLiteral("b.csv: 1 Karte")));
    QCOMPARE(MainFrm->Cards().RowCount(), 4);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KundeLoeschen1->trigger();
    QCOMPARE(DialogAnswers::TakeShown().last(), QString::fromUtf8("3 Karten gelöscht."));
    QCOMPARE(MainFrm->Cards().RowCount(), 2);
    QCOMPARE(MainFrm->Cards().Cell(0, 1), std::string("Meier"));
    QVERIFY(!MainFrm->Document().Changed());
    QCOMPARE(ReadBytes(dir.File("a.csv")), meier);
    QCOMPARE(ReadBytes(dir.File("b.csv")), std::string("Schulz,Hof 3,Ulm,Gas\r\n"));
    QVERIFY(ReadBytes(dir.File(kErasureLogName)).find("a.csv: 2 Karten, b.csv: 1 Karte") !=
            std::string::npos);

    // An unsaved change: the table's card changes and stays to be saved, the other file is done.
    MainFrm->Cards().SetCell(4, 1, "155");
    MainFrm->Document().SetChanged(true);
    MainFrm->SetCurrentCell(0, 1);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KundeAnonymisieren1->trigger();
    QCOMPARE(DialogAnswers::TakeShown().last(),
             QString::fromUtf8("3 Karten anonymisiert. Die geöffnete Kartei ist noch nicht "
                               "gespeichert."));
    QVERIFY(MainFrm->Cards().Cell(0, 1).rfind("gel\xF6scht ", 0) == 0);
    QCOMPARE(MainFrm->Cards().Cell(4, 1), std::string("155"));
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(ReadBytes(dir.File("c.csv")).substr(19),
             std::string(",gel\xF6scht,gel\xF6scht,Gas,150\r\n"));
    QCOMPARE(ReadBytes(dir.File("a.csv")), ReadBytes(dir.File("c.csv")));
    QCOMPARE(DialogAnswers::Pending(), 0);
}

QTEST_MAIN(KundendatenTest)
#include "Kundendaten_guitest.moc"
