// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of every kind of change through the real main window, and "Messwerte
// zuordnen..." with its window.

#include "gui/app/CardGridModel.h"
#include "gui/app/CardSelection.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QUndoStack>
#include <QtTest>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A card line: name, street, town, the measured values and the date in column 14.
std::string Card(const std::string& name, const std::string& street = "Weg 1",
                 const std::string& town = "Hof", const std::string& date = "05.02.2025",
                 const std::string& facts = "") {
    std::string line = name + "," + street + "," + town + ",Heiz\xF6l EL";
    for (int c = 4; c < 25; ++c) {
        line += "," + (c == 14 ? date : c == 15 ? std::string("09:30") : "1");
    }
    return line + facts + "\r\n";
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

QStringList L(const char* names) {
    return QString::fromLatin1(names).split(QLatin1Char(' '));
}

void Undo() {
    MainFrm->Rueckgaengig1->trigger();
}

void Redo() {
    MainFrm->Wiederherstellen1->trigger();
}

} // namespace

class MatchTest : public QObject {
    Q_OBJECT
private slots:
    void init() { DialogAnswers::Clear(); }
    void undoEveryKindOfChange();
    void matchShowsTheListsThenChangesUndoably();
    void erasedCustomerDoesNotComeBack();
};

void MatchTest::undoEveryKindOfChange() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    WriteBytes(file, Card("C") + Card("A") + Card("B"));
    Open(file);
    QVERIFY(!MainFrm->Rueckgaengig1->isEnabled());
    QCOMPARE(MainFrm->Rueckgaengig1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    QCOMPARE(MainFrm->Wiederherstellen1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Y));

    // Typing: one step for the cell while its editor is open; back at the file's state the
    // table is unchanged.
    MainFrm->SetCurrentCell(0, 1);
    const QModelIndex cell = MainFrm->GridModel()->index(0, 0);
    MainFrm->StringGrid1->edit(cell);
    auto* editor = qobject_cast<QLineEdit*>(MainFrm->StringGrid1->indexWidget(cell));
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClicks(editor, QStringLiteral("xy"));
    QCOMPARE(Names(), L("Cxy A B"));
    // Strg+Z in the editor is the editor's own.
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(Names(), L("C A B"));
    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(Names(), L("Cxy A B"));
    QVERIFY(MainFrm->Document().Changed());
    Undo(); // from the menu: the editor closes, the typing goes
    QVERIFY(MainFrm->StringGrid1->indexWidget(cell) == nullptr);
    QCOMPARE(Names(), L("C A B"));
    QVERIFY(!MainFrm->Document().Changed());
    Redo();
    QCOMPARE(Names(), L("Cxy A B"));
    QVERIFY(MainFrm->Document().Changed());
    // After a save the saved state is the unchanged one.
    MainFrm->Speichern1->trigger();
    QVERIFY(!MainFrm->Document().Changed());
    Undo();
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(Names(), L("C A B"));

    // Sorting, inserting, pasting and deleting several cards, each taken back and made again.
    MainFrm->nachName1->trigger();
    QCOMPARE(Names(), L("A B C"));
    MainFrm->SetCurrentCell(0, 1);
    MainFrm->KarteikarteEinfgen1->trigger();
    QVERIFY(MainFrm->PasteCards(QStringLiteral("P\tS\tO\nQ\tS\tO\n")));
    QCOMPARE(Names().join(QLatin1Char(',')), QStringLiteral("A,P,Q,,B,C"));
    SelectCards(*MainFrm->StringGrid1, {1, 3, 6}, false);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KarteikarteLschen1->trigger();
    QCOMPARE(Names().join(QLatin1Char(',')), QStringLiteral("P,,B"));
    Undo();
    QCOMPARE(Names().join(QLatin1Char(',')), QStringLiteral("A,P,Q,,B,C"));
    QCOMPARE(MainFrm->CardsToDelete(), (std::vector<int>{1, 3, 6}));
    Undo();
    QCOMPARE(Names().join(QLatin1Char(',')), QStringLiteral("A,,B,C"));
    Undo();
    QCOMPARE(Names(), L("A B C"));
    Undo();
    QCOMPARE(Names(), L("C A B"));
    QCOMPARE(MainFrm->Cards().Cell(4, 2), std::string("1")); // whole cards moved back
    for (int i = 0; i < 4; ++i) {
        Redo();
    }
    QCOMPARE(Names().join(QLatin1Char(',')), QStringLiteral("P,,B"));
    QVERIFY(!MainFrm->Wiederherstellen1->isEnabled());
    // A sort that moves nothing leaves nothing to undo.
    const int steps = MainFrm->UndoStack()->count();
    MainFrm->nachStrasse1->trigger();
    MainFrm->nachStrasse1->trigger();
    QCOMPARE(MainFrm->UndoStack()->count(), steps + 1);

    // The facts of the certificate dialog, and the entry point for forms.
    MainFrm->SetCardCell(25, 3, "12.0");
    QCOMPARE(MainFrm->Cards().Cell(25, 3), std::string("12.0"));
    Undo();
    QCOMPARE(MainFrm->Cards().Cell(25, 3), std::string());
    MainFrm->SetCurrentCell(0, 3);
    DialogAnswers::QueueForm({true, {{QStringLiteral("Edit1"), QStringLiteral("10,5")}}});
    MainFrm->Messbescheinigung1
        ->trigger(); // written back before the printout, which has no printer
    QCOMPARE(MainFrm->Cards().Cell(25, 3), std::string("10.5"));
    Undo();
    QCOMPARE(MainFrm->Cards().Cell(25, 3), std::string());

    DialogAnswers::TakeShown();

    // Loading and "Neu" start a new history.
    DialogAnswers::QueueYesNo(false); // the changes are given up
    Open(file);
    QVERIFY(!MainFrm->UndoStack()->canUndo() && !MainFrm->Rueckgaengig1->isEnabled());
    MainFrm->SetCardCell(0, 1, "Z");
    QVERIFY(MainFrm->UndoStack()->canUndo());
    DialogAnswers::QueueYesNo(false);
    MainFrm->Neu1->trigger();
    QVERIFY(!MainFrm->UndoStack()->canUndo());

    // A round opened as a new table is in no file: undoing a change there leaves it unsaved.
    Open(file);
    SelectCards(*MainFrm->StringGrid1, {2}, false);
    MainFrm->AuswahlNeueKartei1->trigger();
    MainFrm->SetCardCell(1, 1, "Weg 9");
    Undo();
    QCOMPARE(Names(), L("A"));
    QVERIFY(MainFrm->Document().Changed());
}

void MatchTest::matchShowsTheListsThenChangesUndoably() {
    ProgramUnderTest program;
    WriteBytes(program.Dir().File("kunden.csv"),
               Card("von der Heydt-Ostermann", "Ludwig-van-Beethoven-Str. 12", "Hof", "01.02.2024",
                    ",24.5,V,J,,") +
                   Card("Schmidt-Meier Gartenbau KG", "Weg 1", "Hof") +
                   Card("Schmidt-Meier Gartenbau GmbH", "Weg 1", "Hof"));
    const std::string round = program.Dir().File("runde.csv");
    WriteBytes(round, Card("VON DER HEYDT-OSTERM", "Ludwig-van-Beethoven", "Hof             ") +
                          Card("Schmidt-Meier Garten") + Card("Niemand") +
                          Card("Ohne Datum", "Weg 1", "Hof", ""));
    Open(round);
    // What the status bar says after a receive.
    MainFrm->PointToMatching();
    QVERIFY(MainFrm->statusBar()->currentMessage().contains(
        QStringLiteral("Karteikarte / Messwerte zuordnen...")));

    // The window shows the three lists; cancelling changes nothing.
    DialogAnswers::QueueForm({false, {}});
    MainFrm->MesswerteZuordnen1->trigger();
    const QMap<QString, QString> shown = DialogAnswers::FormShown();
    QVERIFY(shown.value(QStringLiteral("Label1"))
                .startsWith(QStringLiteral("1 zugeordnet, 1 mehrdeutig, 1 nicht gefunden.")));
    QCOMPARE(shown.value(QStringLiteral("Zugeordnet")),
             QString::fromUtf8("Karte 1: VON DER HEYDT-OSTERM, Ludwig-van-Beethoven, Hof wird zu "
                               "von der Heydt-Ostermann, Ludwig-van-Beethoven-Str. 12, Hof, 3 "
                               "Angaben zur Anlage ergänzt"));
    QVERIFY(shown.value(QStringLiteral("Mehrdeutig"))
                .startsWith(QStringLiteral("Karte 2: Schmidt-Meier Garten, Weg 1, Hof passt zu 2 "
                                           "Kunden: Schmidt-Meier Gartenbau KG")));
    QCOMPARE(shown.value(QStringLiteral("NichtGefunden")),
             QStringLiteral("Karte 3: Niemand, Weg 1, Hof"));
    QCOMPARE(Names()[0], QStringLiteral("VON DER HEYDT-OSTERM"));
    QVERIFY(!MainFrm->Document().Changed());

    DialogAnswers::QueueForm({true, {}});
    MainFrm->MesswerteZuordnen1->trigger();
    QCOMPARE(Names()[0], QStringLiteral("von der Heydt-Ostermann"));
    QCOMPARE(MainFrm->Cards().Cell(1, 1), std::string("Ludwig-van-Beethoven-Str. 12"));
    QCOMPARE(MainFrm->Cards().Cell(26, 1), std::string("V"));
    QCOMPARE(MainFrm->Cards().Cell(14, 1), std::string("05.02.2025"));
    QCOMPARE(Names()[1], QStringLiteral("Schmidt-Meier Garten"));
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(MainFrm->statusBar()->currentMessage(),
             QStringLiteral("1 zugeordnet, 1 mehrdeutig, 1 nicht gefunden"));
    Undo();
    QCOMPARE(Names()[0], QStringLiteral("VON DER HEYDT-OSTERM"));
    QCOMPARE(MainFrm->Cards().Cell(26, 1), std::string());
    QVERIFY(!MainFrm->Document().Changed());

    // A table in no file has no folder to look in.
    DialogAnswers::TakeShown();
    MainFrm->Neu1->trigger();
    MainFrm->SetCardCell(14, 1, "05.02.2025");
    MainFrm->Document().SetChanged(false);
    MainFrm->MesswerteZuordnen1->trigger();
    const QStringList said = DialogAnswers::TakeShown();
    QCOMPARE(said.size(), 1);
    QVERIFY(said[0].startsWith(QStringLiteral("Die Kartei ist in keiner Datei.")));
}

void MatchTest::erasedCustomerDoesNotComeBack() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    WriteBytes(file, Card("M\xFCller") + Card("Meier"));
    Open(file);
    MainFrm->SetCardCell(4, 1, "7"); // a step that holds the customer's card
    MainFrm->SetCurrentCell(0, 1);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KundeLoeschen1->trigger();
    QCOMPARE(Names(), L("Meier"));
    QVERIFY(!MainFrm->Rueckgaengig1->isEnabled());
    Undo();
    QCOMPARE(Names(), L("Meier"));
    QVERIFY(MainFrm->Document().Changed()); // the typed change is still unsaved
}

QTEST_MAIN(MatchTest)
#include "match_guitest.moc"
