// The real main window at start and at exit.

#include "app/CardGridModel.h"
#include "app/Dialogs.h"
#include "app/uMainFrm.h"
#include "files/IniFile.h"
#include "files/uGlobal.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QtTest>

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void titleMenusAndOneEmptyCard();
    void storedCardFileIsNotReopenedAndSettingsAreWrittenAtExit();
    void missingDefinitionFileEndsTheProgram();
    void badWidthShowsTheConversionError();
    void newAsksOnlyAfterTyping();
};

void StartupTest::titleMenusAndOneEmptyCard() {
    ProgramUnderTest program;
    QCOMPARE(MainFrm->windowTitle(), QStringLiteral("vexa Fendro 3.03"));
    QCOMPARE(MainFrm->Datei1->title(), QStringLiteral("Datei"));
    QCOMPARE(MainFrm->Oeffnen1->text(), QString::fromUtf8("Öffnen..."));
    QCOMPARE(MainFrm->Speichernunter1->text(), QStringLiteral("Speichern als..."));
    QCOMPARE(MainFrm->KarteikarteSuchen1->text(), QStringLiteral("Suchen..."));
    QCOMPARE(MainFrm->KarteikarteEinfgen1->text(), QString::fromUtf8("Karteikarte hinzufügen"));
    QCOMPARE(MainFrm->Export1->text(), QStringLiteral("Export..."));
    QCOMPARE(MainFrm->Einstellungen1->title(), QStringLiteral("Einstellung"));
    QCOMPARE(MainFrm->PCzuMessgert1->text(), QString::fromUtf8("PC zum Messgerät"));
    QVERIFY(!MainFrm->Testdatenerzeugen1->isVisible());
    QCOMPARE(MainFrm->PageControl1->tabText(0), QString::fromUtf8("Übersicht Karteikarte"));
    QCOMPARE(MainFrm->PageControl1->tabText(1), QStringLiteral("Messdaten"));
    QCOMPARE(MainFrm->PageControl1->currentWidget(), MainFrm->TabSheet1);

    const CardTable& cards = MainFrm->Cards();
    QCOMPARE(cards.RowCount(), 2);
    QCOMPARE(cards.ColCount(), 25);
    QCOMPARE(QString::fromStdString(cards.Cell(0, 0)), QStringLiteral("Name"));
    for (int c = 0; c < 25; ++c) {
        QVERIFY(cards.Cell(c, 1).empty());
        QCOMPARE(MainFrm->StringGrid1->isColumnHidden(c), c >= 3);
    }
    QCOMPARE(MainFrm->StringGrid1->columnWidth(0), 130);
    QCOMPARE(MainFrm->StringGrid1->columnWidth(2), 118);
    QCOMPARE(MainFrm->StringGrid3->item(0, 0)->text(), QStringLiteral("Brennstoff"));
    QCOMPARE(MainFrm->StringGrid3->item(0, 1)->text(), QString());
    QCOMPARE(MainFrm->StringGrid2->rowCount(), 22);
    QVERIFY(!MainFrm->StringGrid3->isEnabled());

    // The fuel table is complete right after the start.
    IniFile ini(program.SettingsFile());
    for (int n = 0; n < 16; ++n) {
        QVERIFY(ini.ValueExists(std::to_string(n), "MaxEta"));
    }
    QVERIFY(ini.ReadString("0", "Name", "") == "Heiz\xF6l");
}

void StartupTest::storedCardFileIsNotReopenedAndSettingsAreWrittenAtExit() {
    ProgramUnderTest program(std::string(), false);
    WriteBytes(program.Dir().File("k.csv"), "A,B,C\r\n");
    WriteBytes(program.SettingsFile(),
               "; eigene Notiz\r\n[Main]\r\nFilename=" + program.Dir().File("k.csv") +
                   "\r\n[Fremd]\r\nx = 1\r\n");
    program.Show();
    QCOMPARE(MainFrm->windowTitle(), QStringLiteral("vexa Fendro 3.03"));
    QVERIFY(MainFrm->Cards().Cell(0, 1).empty());
    QVERIFY(CardFileName.empty());
    program.Close();
    const std::string text = ReadBytes(program.SettingsFile());
    QVERIFY(text.rfind("; eigene Notiz\r\n[Main]\r\n", 0) == 0);
    QVERIFY(text.find("[Fremd]\r\nx = 1\r\n") != std::string::npos);
    IniFile ini(program.SettingsFile());
    QCOMPARE(QString::fromStdString(ini.ReadString("Main", "Filename", "?")), QString());
    QCOMPARE(QString::fromStdString(ini.ReadString("Main", "TypGeraet", "")), QStringLiteral("RV"));
    QCOMPARE(QString::fromStdString(ini.ReadString("Main", "MMCFilename", "")),
             QStringLiteral("C:\\"));
    QCOMPARE(ini.ReadInteger("Main", "COMPort", -1), 0);
    QCOMPARE(ini.ReadInteger("Main", "Baudrate", -1), 9600);
}

void StartupTest::missingDefinitionFileEndsTheProgram() {
    ProgramUnderTest program(std::string(), false);
    std::remove(program.Dir().File("fendro.DTA").c_str());
    program.Show();
    const QStringList shown = DialogAutomation::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0], QStringLiteral("Datei %1 nicht gefunden")
                           .arg(QString::fromStdString(program.Dir().File("fendro.DTA"))));
    QTRY_VERIFY(!MainFrm->isVisible());
}

void StartupTest::badWidthShowsTheConversionError() {
    TempDir dir;
    WriteBytes(dir.File("bad.DTA"), "[CSVGER]\r\nK0=A,Page1,x20\r\nK1=B,Page1,20\r\n");
    ProgramUnderTest program(dir.File("bad.DTA"));
    const QStringList shown = DialogAutomation::TakeShown();
    QVERIFY(shown.contains(QStringLiteral("error: 'x20' is not a valid integer value")));
}

void StartupTest::newAsksOnlyAfterTyping() {
    ProgramUnderTest program;
    MainFrm->InsertCard();
    MainFrm->Neu1Click();
    QVERIFY(DialogAutomation::TakeShown().isEmpty());

    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(0, 0),
                                          QStringLiteral("Meier"), Qt::EditRole));
    QVERIFY(DataChanged);
    DialogAutomation::QueueAnswer(false);
    MainFrm->Neu1Click();
    QCOMPARE(DialogAutomation::TakeShown(), QStringList{QString::fromUtf8("?: Daten geändert ?")});
    QVERIFY(MainFrm->Cards().Cell(0, 1).empty());
    QVERIFY(!DataChanged);
}

QTEST_MAIN(StartupTest)
#include "startup_guitest.moc"
