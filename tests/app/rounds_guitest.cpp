// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing a round through the real main window: cards selected by a text, the selection opened
// as a new table, and the window before sending texts that the device would cut.

#include "core/app/WindowTitle.h"
#include "core/files/AtomicFile.h"
#include "core/files/ConnectionSettings.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QMenu>
#include <QtTest>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Card(const std::string& name, const std::string& street, const std::string& town) {
    std::string line = name + "," + street + "," + town;
    for (int c = 3; c < 25; ++c) {
        line += ",m" + std::to_string(c);
    }
    return line + "\r\n";
}

void Open(const std::string& file) {
    DialogAnswers::QueueFile(Q(file));
    MainFrm->Oeffnen1->trigger();
}

QStringList Names() {
    QStringList names;
    for (int r = 1; r < MainFrm->Cards().RowCount(); ++r) {
        names << QString::fromLatin1(MainFrm->Cards().Cell(0, r).c_str());
    }
    return names;
}

void Choose(const QString& text, const QString& how) {
    DialogAnswers::QueueForm(
        {true, {{QStringLiteral("Edit1"), text}, {QStringLiteral("ComboBox1"), how}}});
    MainFrm->KartenAuswaehlen1->trigger();
}

} // namespace

class RoundsTest : public QObject {
    Q_OBJECT
private slots:
    void init() { DialogAnswers::Clear(); }
    void chooseByTextAndOpenAsNewTable();
    void cutTextsAreShownBeforeSending();
};

void RoundsTest::chooseByTextAndOpenAsNewTable() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("kunden.csv");
    const std::string original = Card("Abel", "Weg 1", "K\xF6ln") + Card("Bauer", "Weg 2", "Bonn") +
                                 Card("Cramer", "K\xD6LNER STR. 3", "Hof") +
                                 Card("Dorn", "Gasse 4", "Ulm");
    WriteBytes(file, original);
    Open(file);
    // The new commands follow every existing one of the menu.
    const QList<QAction*> items = MainFrm->Karteikarte1->actions();
    QCOMPARE(items.indexOf(MainFrm->KarteikarteSuchen1), 2);
    QCOMPARE(items.mid(items.size() - 2),
             (QList<QAction*>{MainFrm->KartenAuswaehlen1, MainFrm->AuswahlNeueKartei1}));

    Choose(QString::fromUtf8("köln"), QStringLiteral("ersetzen"));
    QCOMPARE(MainFrm->CardsToDelete(), (std::vector<int>{1, 3}));
    QCOMPARE(MainFrm->CurrentRow(), 1);
    Choose(QStringLiteral("ulm"), QStringLiteral("hinzufuegen"));
    QCOMPARE(MainFrm->CardsToDelete(), (std::vector<int>{1, 3, 4}));
    // Nothing found: said so, and the selection stays.
    Choose(QStringLiteral("Paris"), QStringLiteral("ersetzen"));
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QString::fromUtf8("Keine Karteikarte enthält \"Paris\".")});
    QCOMPARE(MainFrm->CardsToDelete(), (std::vector<int>{1, 3, 4}));

    // The round asks about the typed change first, as "Neu" does; "Nein" gives it up.
    MainFrm->Document().SetChanged(true);
    DialogAnswers::QueueYesNo(false);
    MainFrm->AuswahlNeueKartei1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QString::fromUtf8("?: Daten geändert ?")});
    QCOMPARE(Names(), (QStringList{QStringLiteral("Abel"), QStringLiteral("Cramer"),
                                   QStringLiteral("Dorn")}));
    QCOMPARE(MainFrm->Cards().Cell(24, 3), std::string("m24"));
    QVERIFY(MainFrm->Document().FileName().empty());
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(MainFrm->TitleText(), QString::fromLatin1(kProgramTitle));
    QCOMPARE(ReadBytes(file), original);
}

void RoundsTest::cutTextsAreShownBeforeSending() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("kunden.csv");
    WriteBytes(file, Card("von der Heydt-Ostermann", "Weg 1", "Hof") +
                         Card("Abel", "Weg 2", "Garmisch-Partenkirchen"));
    Open(file);
    MainFrm->Connection().DeviceType = "MMC";
    const std::string mmc = program.Dir().File("T7QKX.TXT");

    // Stopping to correct them: no file dialog, nothing written.
    DialogAnswers::QueueForm({false, {}});
    MainFrm->PCzuMessgert1->trigger();
    QCOMPARE(DialogAnswers::Pending(), 0);
    QVERIFY(!FileExists(mmc));
    QCOMPARE(DialogAnswers::FormShown().value(QStringLiteral("Liste")),
             QString::fromUtf8("Karte 1, Name: \"von der Heydt-Ostermann\" wird zu \"von der "
                               "Heydt-Osterm\"\nKarte 2, Ort: \"Garmisch-Partenkirchen\" wird zu "
                               "\"Garmisch-Partenk\""));

    // Sending anyway goes on to the memory-card file.
    DialogAnswers::QueueForm({true, {}});
    DialogAnswers::QueueFile(Q(mmc));
    MainFrm->PCzuMessgert1->trigger();
    QCOMPARE(DialogAnswers::Pending(), 0);
    QVERIFY(FileExists(mmc));
    DialogAnswers::TakeShown();

    // Without a long text there is no window at all.
    MainFrm->Cards().SetCell(0, 1, "von der Heydt");
    MainFrm->Cards().SetCell(2, 2, "Garmisch");
    DialogAnswers::QueueFile(Q(mmc));
    MainFrm->PCzuMessgert1->trigger();
    QCOMPARE(DialogAnswers::Pending(), 0);
    for (const QString& shown : DialogAnswers::TakeShown()) {
        QVERIFY2(!shown.startsWith(QStringLiteral("unexpected")), qPrintable(shown));
    }
}

QTEST_MAIN(RoundsTest)
#include "rounds_guitest.moc"
