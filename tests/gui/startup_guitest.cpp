// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window at start and at exit.

#include "core/files/IniFile.h"
#include "core/files/Utf8Path.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Forms.h"
#include "gui/app/uMainFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QUrl>
#include <QtTest>

#include <filesystem>

namespace {

void TypeIntoFirstCard(const QString& text) {
    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(0, 0), text, Qt::EditRole));
    QVERIFY(MainFrm->Document().Changed());
}

const QString kQuestion = QString::fromUtf8("?: Daten geändert ?");

} // namespace

// Records the URLs that the program asks the desktop to open.
class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void Open(const QUrl& url) { urls << url; }

public:
    QList<QUrl> urls;
};

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void destroyingTheVisibleWindowWritesTheSettings();
    void titleMenusAndOneEmptyCard();
    void storedCardFileIsNotReopenedAndSettingsAreWrittenAtExit();
    void missingDefinitionFileEndsTheProgram();
    void badWidthShowsTheConversionError();
    void newAsksOnlyAfterTyping();
    void newAnsweredYesKeepsTheCards();
    void quitAfterACancelledSaveAsksAgainAndCloses();
    void closeButtonAsksOnceAndClosesWhateverTheAnswer();
    void exportDoesNothing();
    void titleShorteningOnTheMainWindowFont();
    void readOnlySettingsFileIsReportedAndTheWindowStillWorks();
    void helpOpensTheDocumentThroughTheDesktop();
    void helpDocumentIsBuiltAndCoversEveryMenuCommand();
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
    // The icon is the desktop entry's card picture: opaque on the card, clear in the corner.
    const QImage icon = MainFrm->windowIcon().pixmap(32).toImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(qAlpha(icon.pixel(10, 20)), 255);
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);

    const CardTable& cards = MainFrm->Cards();
    QCOMPARE(cards.RowCount(), 2);
    QCOMPARE(cards.ColCount(), 48);
    QCOMPARE(QString::fromStdString(cards.Cell(0, 0)), QStringLiteral("Name"));
    for (int c = 0; c < 48; ++c) {
        QVERIFY(cards.Cell(c, 1).empty());
        // The measured values are hidden; the five boiler facts after them are shown, the rest
        // of the plant is not.
        QCOMPARE(MainFrm->StringGrid1->isColumnHidden(c), (c >= 3 && c < 25) || c >= 30);
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
    QVERIFY(MainFrm->Document().FileName().empty());
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
    const QStringList shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0], QStringLiteral("Datei %1 nicht gefunden")
                           .arg(QString::fromStdString(program.Dir().File("fendro.DTA"))));
    QTRY_VERIFY(!MainFrm->isVisible());
}

void StartupTest::badWidthShowsTheConversionError() {
    TempDir dir;
    WriteBytes(dir.File("bad.DTA"), "[CSVGER]\r\nK0=A,Page1,x20\r\nK1=B,Page1,20\r\n");
    ProgramUnderTest program(dir.File("bad.DTA"));
    const QStringList shown = DialogAnswers::TakeShown();
    QVERIFY(shown.contains(QStringLiteral("error: 'x20' is not a valid integer value")));
}

void StartupTest::newAsksOnlyAfterTyping() {
    ProgramUnderTest program;
    MainFrm->InsertCard();
    MainFrm->Neu1Click();
    QVERIFY(DialogAnswers::TakeShown().isEmpty());

    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(0, 0),
                                          QStringLiteral("Meier"), Qt::EditRole));
    QVERIFY(MainFrm->Document().Changed());
    DialogAnswers::QueueYesNo(false);
    MainFrm->Neu1Click();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QString::fromUtf8("?: Daten geändert ?")});
    QVERIFY(MainFrm->Cards().Cell(0, 1).empty());
    QVERIFY(!MainFrm->Document().Changed());
}

void StartupTest::newAnsweredYesKeepsTheCards() {
    ProgramUnderTest program;
    TypeIntoFirstCard(QStringLiteral("Meier"));
    DialogAnswers::QueueYesNo(true);
    DialogAnswers::QueueFile(QString());
    MainFrm->Neu1Click();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kQuestion});
    // No new table after the save: the user chooses "Neu" again.
    QCOMPARE(QString::fromStdString(MainFrm->Cards().Cell(0, 1)), QStringLiteral("Meier"));
    QVERIFY(MainFrm->Document().Changed());
    MainFrm->Document().SetChanged(false);
}

void StartupTest::quitAfterACancelledSaveAsksAgainAndCloses() {
    ProgramUnderTest program;
    TypeIntoFirstCard(QStringLiteral("Meier"));
    // "Beenden": save, and the save dialog is cancelled.
    DialogAnswers::QueueYesNo(true);
    DialogAnswers::QueueFile(QString());
    DialogAnswers::QueueYesNo(false); // the close query asks again: no
    MainFrm->Beenden1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), (QStringList{kQuestion, kQuestion}));
    QTRY_VERIFY(!MainFrm->isVisible());
    // The settings were written on the way out.
    QCOMPARE(IniFile(program.SettingsFile()).ReadInteger("Main", "Baudrate", -1), 9600);
    MainFrm->Document().SetChanged(false);
}

void StartupTest::closeButtonAsksOnceAndClosesWhateverTheAnswer() {
    {
        ProgramUnderTest program;
        MainFrm->InsertCard(); // not typed: no question
        MainFrm->close();
        QVERIFY(DialogAnswers::TakeShown().isEmpty());
        QVERIFY(!MainFrm->isVisible());
    }

    ProgramUnderTest second;
    TypeIntoFirstCard(QStringLiteral("Meier"));
    DialogAnswers::QueueYesNo(true);
    DialogAnswers::QueueFile(QString());
    MainFrm->close();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kQuestion});
    QVERIFY(!MainFrm->isVisible()); // the close is never refused
    MainFrm->Document().SetChanged(false);
}

void StartupTest::exportDoesNothing() {
    ProgramUnderTest program;
    TypeIntoFirstCard(QStringLiteral("Meier"));
    const QString title = MainFrm->windowTitle();
    DialogAnswers::QueueFile(QString::fromStdString(program.Dir().File("export.csv")));
    MainFrm->Export1->trigger();
    QApplication::processEvents();
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    QCOMPARE(DialogAnswers::Pending(), 1); // no file dialog came
    DialogAnswers::Clear();
    QVERIFY(!std::filesystem::exists(PathFromUtf8(program.Dir().File("export.csv"))));
    QCOMPARE(MainFrm->windowTitle(), title);
    QCOMPARE(QString::fromStdString(MainFrm->Cards().Cell(0, 1)), QStringLiteral("Meier"));
    QVERIFY(MainFrm->Document().Changed());
    QVERIFY(MainFrm->isVisible());
    MainFrm->Document().SetChanged(false);
}

void StartupTest::titleShorteningOnTheMainWindowFont() {
    ProgramUnderTest program;
    const QFontMetrics metrics(MainFrm->font());
    const QString prefix = QStringLiteral("vexa Fendro 3.03 [");

    // The example path fits as it is.
    MainFrm->SetTitleWithShortPath("C:\\a\\b\\c\\name.csv");
    QCOMPARE(MainFrm->windowTitle(), prefix + QStringLiteral("C:\\a\\b\\c\\name.csv]"));

    // Long folders are dropped from the front; the first form that fits 300 pixels is used.
    const QString d1(20, QLatin1Char('a'));
    const QString d2(20, QLatin1Char('b'));
    const QString d3(20, QLatin1Char('c'));
    const QString path = QStringLiteral("C:\\%1\\%2\\%3\\kunden.csv").arg(d1, d2, d3);
    const QStringList forms = {path, QStringLiteral("C:\\...\\%1\\%2\\kunden.csv").arg(d2, d3),
                               QStringLiteral("C:\\...\\%1\\kunden.csv").arg(d3),
                               QStringLiteral("C:\\...\\kunden.csv")};
    QString expected;
    for (const QString& form : forms) {
        if (metrics.horizontalAdvance(form) <= 300) {
            expected = form;
            break;
        }
    }
    QVERIFY(metrics.horizontalAdvance(path) > 300);
    QVERIFY(expected.startsWith(QStringLiteral("C:\\...\\")) && expected.contains(d3));
    MainFrm->SetTitleWithShortPath(path.toStdString());
    QCOMPARE(MainFrm->windowTitle(), prefix + expected + QLatin1Char(']'));

    // A name too long for any form is shown bare.
    const std::string name(80, 'n');
    MainFrm->SetTitleWithShortPath("C:\\x\\" + name + ".csv");
    QCOMPARE(MainFrm->windowTitle(),
             prefix + QString::fromStdString(name) + QStringLiteral(".csv]"));
}

void StartupTest::readOnlySettingsFileIsReportedAndTheWindowStillWorks() {
    ProgramUnderTest program(std::string(), false);
    WriteBytes(program.SettingsFile(), "[Main]\r\nCOMPort=2\r\n");
    std::filesystem::permissions(PathFromUtf8(program.SettingsFile()),
                                 std::filesystem::perms::owner_read);
    program.Show();
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QStringLiteral("error: Unable to write to ") +
                         QString::fromStdString(program.SettingsFile())});
    QCOMPARE(MainFrm->Connection().ComPort, 2);
    QCOMPARE(MainFrm->windowTitle(), QStringLiteral("vexa Fendro 3.03"));
    QCOMPARE(MainFrm->Cards().ColCount(), 48);
    QCOMPARE(MainFrm->Oeffnen1->text(), QString::fromUtf8("Öffnen..."));
    program.Close();
    QCOMPARE(DialogAnswers::TakeShown().size(), 1); // the exit's write fails too
    QCOMPARE(ReadBytes(program.SettingsFile()), std::string("[Main]\r\nCOMPort=2\r\n"));
}

void StartupTest::helpOpensTheDocumentThroughTheDesktop() {
#ifdef _WIN32
    QSKIP("Windows starts the registry's viewer");
#endif
    // The desktop's opener (xdg-open) is what Qt calls for a file; the test stands in for it.
    UrlCatcher opener;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &opener, "Open");
    ProgramUnderTest program;
    MainFrm->N3->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(opener.urls.size(), 1);
    QCOMPARE(QDir::cleanPath(opener.urls.first().toLocalFile()),
             QDir::cleanPath(QString::fromStdString(program.Dir().File("DEUTSCH.PDF"))));
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
}

void StartupTest::helpDocumentIsBuiltAndCoversEveryMenuCommand() {
    const std::string pdf = ReadBytes(std::string(FENDRO_BINARY_DIR) + "/DEUTSCH.PDF");
    QVERIFY(pdf.rfind("%PDF-", 0) == 0);
    QVERIFY(pdf.find("%%EOF") != std::string::npos);
    QVERIFY(pdf.size() > 10000);

    const QString text =
        QString::fromUtf8(ReadBytes(std::string(FENDRO_SOURCE_DIR) + "/data/help/DEUTSCH.html"));
    ProgramUnderTest program;
    QStringList missing;
    const QList<QAction*> actions = MainFrm->menuBar()->findChildren<QAction*>();
    for (QAction* action : actions) {
        if (action->isSeparator() || !action->isVisible() || action->menu() != nullptr ||
            action->text().isEmpty()) {
            continue;
        }
        if (!text.contains(action->text())) {
            missing << action->text();
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QStringLiteral(", "))));
    QVERIFY(actions.size() >= 20);
    for (const char* needed :
         {"T7QKX.TXT", "MMC", "COM", "Heizöl", "Erdgas", "Stadtgas", "Kokereigas", "Flüssiggas",
          "Abgasverlust", "Wirkungsgrad", "Luftüberschuss", "21 / (21 − O2)",
          // what the search really compares, where an installed program keeps its settings
          "der Buchstaben a bis z", "bei den Umlauten aber schon", "~/.config/fendro/fendro.ini",
          "Straße", "Rußzahl"}) {
        QVERIFY2(text.contains(QString::fromUtf8(needed)), needed);
    }
    // German spelling in the prose; "Strasse" only where a caption of the program says so.
    QVERIFY(!text.contains(QStringLiteral("Gross")));
    QCOMPARE(text.count(QStringLiteral("Strasse")), 2);
}

void StartupTest::destroyingTheVisibleWindowWritesTheSettings() {
    ProgramUnderTest program;
    MainFrm->SetCurrentCell(0, 1);
    QVERIFY(MainFrm->isVisible());
    // Going away without a close first (the end of the program) must not touch freed cards.
    DestroyForms();
    QVERIFY(MainFrm == nullptr);
    IniFile ini(program.SettingsFile());
    QCOMPARE(ini.ReadInteger("Main", "Baudrate", -1), 9600);
}

QTEST_MAIN(StartupTest)
#include "startup_guitest.moc"
