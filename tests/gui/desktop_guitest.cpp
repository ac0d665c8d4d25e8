// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window as a desktop program: the card files used last and the window's place.

#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QScreen>
#include <QTableView>
#include <QtTest>

#include <filesystem>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

void Open(const std::string& file) {
    DialogAnswers::QueueFile(Q(file));
    MainFrm->Oeffnen1->trigger();
}

// The captions of "Datei" from the last print command to "Beenden", visible ones only.
QStringList RecentPartOfTheMenu() {
    QStringList captions;
    bool inside = false;
    for (QAction* action : MainFrm->Datei1->actions()) {
        if (action == MainFrm->MessbescheinigungenAlle1) {
            inside = true;
        } else if (action == MainFrm->Beenden1) {
            break;
        } else if (inside && action->isVisible()) {
            captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return captions;
}

} // namespace

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void init() { DialogAnswers::Clear(); }
    void recentFilesUnderDatei();
    void windowKeptAndOnTheScreen();
};

void DesktopTest::recentFilesUnderDatei() {
    ProgramUnderTest program;
    QCOMPARE(RecentPartOfTheMenu(), QStringList{QStringLiteral("-")});
    std::vector<std::string> files;
    for (const char* name : {"a", "b", "c", "d", "e"}) {
        files.push_back(program.Dir().File(std::string(name) + ".csv"));
        WriteBytes(files.back(), std::string(name) + ",Weg,Ort\r\n");
        Open(files.back());
    }
    const QString e = Q(files[4]), d = Q(files[3]), c = Q(files[2]), b = Q(files[1]);
    QCOMPARE(
        RecentPartOfTheMenu(),
        (QStringList{QStringLiteral("-"), QStringLiteral("&1 ") + e, QStringLiteral("&2 ") + d,
                     QStringLiteral("&3 ") + c, QStringLiteral("&4 ") + b, QStringLiteral("-")}));
    // Written at once, in a section of its own.
    IniFile ini(program.SettingsFile());
    QCOMPARE(Q(ini.ReadString("Zuletzt", "Datei1", "")), e);
    QCOMPARE(Q(ini.ReadString("Zuletzt", "Datei4", "")), b);
    QVERIFY(!ini.ValueExists("Main", "Filename"));

    // Typed changes are asked about first; the file then opens and moves to the front.
    MainFrm->Document().SetChanged(true);
    DialogAnswers::QueueYesNo(false);
    MainFrm->RecentCommand(2)->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QString::fromUtf8("?: Daten geändert ?")});
    QCOMPARE(MainFrm->Document().FileName(), files[2]);
    QCOMPARE(MainFrm->Cards().Cell(0, 1), std::string("c"));
    QCOMPARE(MainFrm->Recent().Names(),
             (std::vector<std::string>{files[2], files[4], files[3], files[1]}));

    // A file that is gone leaves the list with a message, and the table stays.
    std::filesystem::remove(files[3]);
    MainFrm->RecentCommand(2)->trigger();
    const QStringList shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].contains(d) && shown[0].contains(QStringLiteral("entfernt")));
    QCOMPARE(MainFrm->Document().FileName(), files[2]);
    QCOMPARE(MainFrm->Recent().Names(), (std::vector<std::string>{files[2], files[4], files[1]}));
    QCOMPARE(RecentPartOfTheMenu().size(), 5);
    QCOMPARE(IniFile(program.SettingsFile()).ReadString("Zuletzt", "Datei3", "?"), files[1]);
}

void DesktopTest::windowKeptAndOnTheScreen() {
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    {
        // Left far off the screen and larger than it: the whole window comes back onto it.
        ProgramUnderTest program(std::string(), false);
        WriteBytes(program.SettingsFile(), "[Main]\r\nCOMPort=2\r\n[Fenster]\r\nLinks=-3000\r\n"
                                           "Oben=-3000\r\nBreite=9000\r\nHoehe=9000\r\n");
        program.Show();
        QVERIFY(area.contains(MainFrm->frameGeometry()));
        QCOMPARE(MainFrm->frameGeometry().topLeft(), area.topLeft());
    }
    // A place that fits is taken as it was kept.
    ProgramUnderTest program(std::string(), false);
    WriteBytes(program.SettingsFile(),
               "[Main]\r\nCOMPort=2\r\n[Fenster]\r\nLinks=" + std::to_string(area.x() + 10) +
                   "\r\nOben=" + std::to_string(area.y() + 10) + "\r\nBreite=650\r\nHoehe=400\r\n");
    program.Show();
    QCOMPARE(MainFrm->pos(), area.topLeft() + QPoint(10, 10));
    QCOMPARE(MainFrm->size(), QSize(650, 400));
    // The grid grows with the window.
    const int gridWidth = MainFrm->StringGrid1->width();
    MainFrm->setGeometry(area.x() + 20, area.y() + 30, 700, 450);
    QApplication::processEvents();
    QVERIFY(MainFrm->StringGrid1->width() > gridWidth);
    const QPoint corner = MainFrm->pos();
    program.Close();
    IniFile ini(program.SettingsFile());
    QCOMPARE(ini.ReadInteger("Fenster", "Links", -1), corner.x());
    QCOMPARE(ini.ReadInteger("Fenster", "Oben", -1), corner.y());
    QCOMPARE(ini.ReadInteger("Fenster", "Breite", -1), 700);
    QCOMPARE(ini.ReadInteger("Fenster", "Hoehe", -1), 450);
    QCOMPARE(ini.ReadInteger("Fenster", "Maximiert", -1), 0);
    QCOMPARE(ini.ReadInteger("Main", "COMPort", -1), 2);
}

QTEST_MAIN(DesktopTest)
#include "desktop_guitest.moc"
