// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// "Hilfe / Info über Fendro..." through the real main window.

#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void infoFollowsContentsAndTellsWhereThisRunsFilesAre();
};

void AboutTest::infoFollowsContentsAndTellsWhereThisRunsFilesAre() {
    ProgramUnderTest program;
    const QList<QAction*> help = MainFrm->Hilfe1->actions();
    QCOMPARE(help.size(), 2);
    QCOMPARE(help[0], MainFrm->N3);
    QCOMPARE(help[1]->text(), QString::fromUtf8("Info über Fendro..."));

    DialogAnswers::TakeShown();
    help[1]->trigger();
    const QStringList shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 1);
    const QString text = shown[0];
    QVERIFY2(text.startsWith(QStringLiteral("vexa Fendro 3.03\n")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("GNU General Public License")));
    QVERIFY(text.contains(QStringLiteral("Einstellungen: ") +
                          QString::fromStdString(program.SettingsFile())));
    QVERIFY(text.contains(QStringLiteral("Spaltendefinitionen: ") +
                          QString::fromStdString(program.Dir().File("fendro.DTA")) +
                          QStringLiteral("\n")));
    // The test folder has no help document.
    QVERIFY(text.contains(QStringLiteral("Hilfedokument: nicht gefunden (gesucht: ") +
                          QString::fromStdString(program.Dir().File("DEUTSCH.PDF"))));
}

QTEST_MAIN(AboutTest)
#include "about_guitest.moc"
