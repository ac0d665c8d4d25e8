// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Card files and card operations through the real main window, dialogs answered by the test.

#include "core/files/CardFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/TFileDialog.h"
#include "gui/app/uMainFrm.h"
#include "gui/files/uProgressFrm.h"
#include "gui/files/uUeberschreibFrm.h"
#include "platform/LocaleCollation.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <sys/stat.h>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Cell(int col, int row) {
    return MainFrm->Cards().Cell(col, row);
}

// The separators of an empty card: one between each two columns of the definition file.
std::string Commas() {
    return std::string(static_cast<size_t>(MainFrm->Cards().ColCount() - 1), ',');
}

// A card line of 25 fields: name, street, town and the measurement values m3 .. m24.
std::string Card(const std::string& name, const std::string& street = "S",
                 const std::string& town = "O") {
    std::string line = name + "," + street + "," + town;
    for (int c = 3; c < 25; ++c) {
        line += ",m" + std::to_string(c);
    }
    return line;
}

void Open(const std::string& file) {
    DialogAnswers::QueueFile(Q(file));
    MainFrm->Oeffnen1->trigger();
}

// The grid's in-place editor on a card cell.
QLineEdit* EditCell(int col, int row) {
    MainFrm->SetCurrentCell(col, row);
    const QModelIndex index = MainFrm->GridModel()->index(row - 1, col);
    MainFrm->StringGrid1->edit(index);
    return qobject_cast<QLineEdit*>(MainFrm->StringGrid1->indexWidget(index));
}

// Typing any text, also characters QTest::keyClicks cannot send.
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        const int key = c.unicode() < 0x80 ? c.toUpper().unicode() : int(Qt::Key_unknown);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

void CloseEditor(QLineEdit* editor) {
    QTest::keyClick(editor, Qt::Key_Escape);
}

// A click on the row header of a card, as the user selects whole cards.
void ClickRowHeader(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QHeaderView* header = MainFrm->StringGrid1->verticalHeader();
    const int y = header->sectionViewportPosition(row - 1) + header->sectionSize(row - 1) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers,
                      QPoint(header->width() / 2, y));
}

QStringList Names() {
    QStringList names;
    for (int r = 1; r < MainFrm->Cards().RowCount(); ++r) {
        names << QString::fromLatin1(Cell(0, r).c_str());
    }
    return names;
}

} // namespace

class CardsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void openLoadsCardsWithProgressAndTitle();
    void openEmptyAndVanishedFiles();
    void openAsksAboutTypedChangesFirst();
    void saveNewTableUnderNewName();
    void saveExistingFileAppendOverwriteCancel();
    void saveAsToExistingFileAsks();
    void overwriteAfterAChangeOnDiskAsks();
    void fileExistsDialogItself();
    void writeWithoutNameAsksForOne();
    void bigFileThroughTheWindow();
    void failedWriteKeepsTitleFlagAndFile();
    void typingRules();
    void pasteIsFiltered();
    void typedTextIsSavedWithEditorOpen();
    void insertAndDeletePositions();
    void deleteSelectedCardsWithOneQuestion();
    void copyAndPasteWholeCards();
    void sortByLocaleStableCurrentRowFollows();
    void sortWithoutNamedLocaleIsGerman();
};

void CardsTest::init() {
    DialogAnswers::Clear();
    ResetCollationLocale();
}

void CardsTest::openLoadsCardsWithProgressAndTitle() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("kunden.csv");
    std::string data;
    for (int i = 1; i <= 57; ++i) {
        data += Card("Kunde" + std::to_string(i)) + "\r\n";
    }
    WriteBytes(file, data);
    bool progressSeen = false;
    int pausedMs = 0;
    // The pause before the load is there for the progress window to show its start.
    MainFrm->SetWaits(
        {[](int) {},
         [&](int ms) {
             pausedMs += ms;
             QApplication::processEvents();
             progressSeen = ProgressFrm->isVisible() &&
                            ProgressFrm->windowTitle() == QString::fromUtf8("Datenübertragung") &&
                            ProgressFrm->Label1->text() == QStringLiteral("Bearbeite 0 von 57") &&
                            !MainFrm->StringGrid1->isHidden() && !MainFrm->menuBar()->isEnabled();
         }});
    // During the load itself the grid is hidden.
    QList<bool> gridHiddenAtStep;
    const auto watch =
        QObject::connect(ProgressFrm->ProgressBar1, &QProgressBar::valueChanged, [&](int value) {
            if (value > 0) {
                gridHiddenAtStep << MainFrm->StringGrid1->isHidden();
            }
        });
    MainFrm->PageControl1->setCurrentWidget(MainFrm->TabSheet2);
    Open(file);
    QObject::disconnect(watch);
    QCOMPARE(gridHiddenAtStep, (QList<bool>{true, true}));
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    QVERIFY2(progressSeen, qPrintable(ProgressFrm->Label1->text()));
    QCOMPARE(pausedMs, 300);
    QCOMPARE(ProgressFrm->Label1->text(), QStringLiteral("Bearbeite 50 von 57"));
    QVERIFY(!ProgressFrm->isVisible());
    QVERIFY(MainFrm->StringGrid1->isVisible());
    QVERIFY(MainFrm->menuBar()->isEnabled() && MainFrm->Neu1->isEnabled());

    QCOMPARE(MainFrm->Cards().RowCount(), 58);
    QCOMPARE(Cell(0, 57), std::string("Kunde57"));
    QCOMPARE(MainFrm->Document().FileName(), file);
    QVERIFY(MainFrm->windowTitle().startsWith(QStringLiteral("vexa Fendro 3.03 [")));
    QVERIFY(MainFrm->windowTitle().endsWith(QStringLiteral("kunden.csv]")));
    QVERIFY(!MainFrm->Document().Changed());
    QCOMPARE(MainFrm->PageControl1->currentWidget(), MainFrm->TabSheet1);
    QCOMPARE(MainFrm->StringGrid3->item(0, 1)->text(), QStringLiteral("m3"));

    const TFileDialog* shown = TFileDialog::LastShown();
    QCOMPARE(shown, &MainFrm->OpenDialog1);
    QVERIFY(shown->FileMustExist);
    QVERIFY(shown->DefaultExt.isEmpty());
    QVERIFY(shown->Filter.startsWith(QStringLiteral("*.CSV (*.CSV")));

    // Opening again presets the dialog with the current file.
    DialogAnswers::QueueFile(QString());
    MainFrm->Oeffnen1->trigger();
    QCOMPARE(MainFrm->OpenDialog1.FileName, Q(file));
    QCOMPARE(MainFrm->OpenDialog1.InitialDir, Q(program.Dir().Path()));
}

void CardsTest::openEmptyAndVanishedFiles() {
    ProgramUnderTest program;
    const std::string empty = program.Dir().File("leer.csv");
    WriteBytes(empty, "");
    Open(empty);
    QCOMPARE(MainFrm->Cards().RowCount(), 1);
    QCOMPARE(MainFrm->StringGrid3->item(0, 1)->text(), QString());
    // Deleting in a table without cards deletes nothing.
    DialogAnswers::QueueYesNo(true);
    MainFrm->KarteikarteLschen1->trigger();
    QCOMPARE(MainFrm->Cards().RowCount(), 1);
    QCOMPARE(Cell(0, 0), std::string("Name"));

    const std::string full = program.Dir().File("voll.csv");
    WriteBytes(full, Card("Meier") + "\r\n");
    Open(full);
    const QString title = MainFrm->windowTitle();
    DialogAnswers::TakeShown();
    // A file deleted between the dialog and the load: an error, and nothing changes.
    Open(program.Dir().File("weg.csv"));
    const QStringList shown = DialogAnswers::TakeShown();
    QCOMPARE(shown.size(), 1);
    QVERIFY(shown[0].startsWith(QStringLiteral("error: Unable to read ")));
    QCOMPARE(MainFrm->Document().FileName(), full);
    QCOMPARE(MainFrm->windowTitle(), title);
    QCOMPARE(Cell(0, 1), std::string("Meier"));
    QVERIFY(!ProgressFrm->isVisible());
    QVERIFY(MainFrm->StringGrid1->isVisible() && MainFrm->Neu1->isEnabled());
}

void CardsTest::openAsksAboutTypedChangesFirst() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    WriteBytes(file, Card("Meier") + "\r\n");
    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(0, 0), QStringLiteral("Neu"),
                                          Qt::EditRole));
    QVERIFY(MainFrm->Document().Changed());
    // Yes: the save dialog comes instead of the open dialog (cancelled here).
    DialogAnswers::QueueYesNo(true);
    DialogAnswers::QueueFile(QString());
    MainFrm->Oeffnen1->trigger();
    QCOMPARE(TFileDialog::LastShown(), &MainFrm->SaveDialog1);
    QCOMPARE(Cell(0, 1), std::string("Neu"));
    // No: the file opens and the changes are dropped.
    DialogAnswers::QueueYesNo(false);
    Open(file);
    QCOMPARE(DialogAnswers::TakeShown(), (QStringList{QString::fromUtf8("?: Daten geändert ?"),
                                                      QString::fromUtf8("?: Daten geändert ?")}));
    QCOMPARE(Cell(0, 1), std::string("Meier"));
    QVERIFY(!MainFrm->Document().Changed());
}

void CardsTest::saveNewTableUnderNewName() {
    ProgramUnderTest program;
    const int asked = TUeberschreibFrm::TimesShown();
    DialogAnswers::QueueFile(Q(program.Dir().File("neu")));
    MainFrm->Speichern1->trigger(); // no name yet: save under a new name
    const std::string file = program.Dir().File("neu.CSV");
    QCOMPARE(ReadBytes(file), Commas() + "\r\n");
    QCOMPARE(TUeberschreibFrm::TimesShown(), asked);
    QCOMPARE(MainFrm->windowTitle(), QStringLiteral("vexa Fendro 3.03 [neu.CSV]"));
    QCOMPARE(MainFrm->Document().FileName(), file);
    const TFileDialog* shown = TFileDialog::LastShown();
    QCOMPARE(shown, &MainFrm->SaveDialog1);
    QCOMPARE(shown->DefaultExt, QStringLiteral("CSV"));
    QVERIFY(!shown->OverwritePrompt);
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
}

void CardsTest::saveExistingFileAppendOverwriteCancel() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    const std::string old = Card("Alt") + "\r\n";
    WriteBytes(file, old);
    Open(file);
    MainFrm->InsertCard();
    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(1, 0), QStringLiteral("Neu"),
                                          Qt::EditRole));
    // The loaded card of 25 fields is written with every column of the definition file.
    const std::string loaded = Card("Alt") + Commas().substr(24) + "\r\n";
    const std::string table = loaded + "Neu" + Commas() + "\r\n";
    const int asked = TUeberschreibFrm::TimesShown();

    // The file the table came from is replaced without the question: appending the table to it
    // would hold every card twice.
    MainFrm->Speichern1->trigger();
    QCOMPARE(ReadBytes(file), table);
    QCOMPARE(TUeberschreibFrm::TimesShown(), asked);
    QVERIFY(!MainFrm->Document().Changed());
    QCOMPARE(MainFrm->windowTitle(), QStringLiteral("vexa Fendro 3.03 [k.csv]"));

    // Another existing file asks. "Abbruch": nothing written, the changes stay unsaved.
    const std::string other = program.Dir().File("andere.csv");
    WriteBytes(other, old);
    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(1, 0), QStringLiteral("Neu2"),
                                          Qt::EditRole));
    const std::string table2 = loaded + "Neu2" + Commas() + "\r\n";
    DialogAnswers::QueueFile(Q(other));
    DialogAnswers::QueueChoice(smCancel);
    MainFrm->Speichernunter1->trigger();
    QCOMPARE(ReadBytes(other), old);
    QCOMPARE(MainFrm->Document().WriteMode(), smCancel);
    QVERIFY(MainFrm->Document().Changed());

    // "Speichern" into that file, which the table does not hold, asks as well: append.
    DialogAnswers::QueueChoice(smAppend);
    MainFrm->Speichern1->trigger();
    QCOMPARE(ReadBytes(other), old + table2);
    QVERIFY(!MainFrm->Document().Changed());

    // After an append the file holds more than the table, so the question comes again.
    DialogAnswers::QueueChoice(smOverwrite);
    MainFrm->Speichern1->trigger();
    QCOMPARE(ReadBytes(other), table2);
    QCOMPARE(TUeberschreibFrm::TimesShown(), asked + 3);
    MainFrm->Speichern1->trigger();
    QCOMPARE(TUeberschreibFrm::TimesShown(), asked + 3);
    QCOMPARE(ReadBytes(other), table2);
    QCOMPARE(ReadBytes(file), table);
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    QCOMPARE(DialogAnswers::Pending(), 0);
}

void CardsTest::saveAsToExistingFileAsks() {
    ProgramUnderTest program;
    const std::string other = program.Dir().File("andere.csv");
    WriteBytes(other, Card("Fremd") + "\r\n");
    const int asked = TUeberschreibFrm::TimesShown();
    DialogAnswers::QueueFile(Q(other));
    DialogAnswers::QueueChoice(smCancel);
    MainFrm->Speichernunter1->trigger();
    QCOMPARE(TUeberschreibFrm::TimesShown(), asked + 1);
    QCOMPARE(ReadBytes(other), Card("Fremd") + "\r\n");
    // The chosen file is named although nothing was written.
    QCOMPARE(MainFrm->Document().FileName(), other);
    QCOMPARE(MainFrm->windowTitle(), QStringLiteral("vexa Fendro 3.03 [andere.csv]"));

    DialogAnswers::QueueFile(Q(other));
    DialogAnswers::QueueChoice(smOverwrite);
    MainFrm->Speichernunter1->trigger();
    QCOMPARE(ReadBytes(other), Commas() + "\r\n");
    // The dialog was preset with the current file.
    QCOMPARE(MainFrm->SaveDialog1.InitialDir, Q(program.Dir().Path()));
}

void CardsTest::overwriteAfterAChangeOnDiskAsks() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("geteilt.csv");
    const std::string mine = Card("Meier") + "\r\n";
    WriteBytes(file, mine);
    Open(file);
    // Written back with every column of the column definition file.
    const std::string saved =
        Card("Meier") + std::string(static_cast<size_t>(MainFrm->Cards().ColCount() - 25), ',') +
        "\r\n";
    const QString question = QStringLiteral(
        "?: Die Datei geteilt.csv wurde seit dem Öffnen oder letzten Speichern außerhalb dieses "
        "Programms geändert, zum Beispiel an einem anderen Arbeitsplatz.\nBeim Überschreiben "
        "gehen diese Änderungen verloren.\n\nDatei trotzdem überschreiben?");

    // A colleague adds a card in the shared folder; "No" keeps it.
    const std::string theirs = mine + Card("Kollege") + "\r\n";
    WriteBytes(file, theirs);
    DialogAnswers::QueueYesNo(false);
    MainFrm->Speichern1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{question});
    QCOMPARE(ReadBytes(file), theirs);

    // The next save asks again while the file is still theirs; "Yes" overwrites.
    DialogAnswers::QueueYesNo(true);
    MainFrm->Speichern1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{question});
    QCOMPARE(ReadBytes(file), saved);

    // After our own save only a new change asks.
    MainFrm->Speichern1->trigger();
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    QCOMPARE(ReadBytes(file), saved);
    WriteBytes(file, theirs);
    DialogAnswers::QueueYesNo(true);
    MainFrm->Speichern1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{question});
    QCOMPARE(ReadBytes(file), saved);
    QCOMPARE(DialogAnswers::Pending(), 0);
}

void CardsTest::fileExistsDialogItself() {
    ProgramUnderTest program;
    // The real dialog, clicked by the test: no queued answer may take its place.
    DialogAnswers::Enable(false);
    TUeberschreibFrm* dialog = UeberschreibFrm;
    QString caption;
    QString button3;
    bool focusOnCancel = false;
    // Enter right after the dialog opens chooses "Abbruch", which has the focus.
    QTimer::singleShot(0, [&] { dialog->Button2->click(); });
    dialog->exec();
    QCOMPARE(dialog->Answer(), smOverwrite);
    QTimer::singleShot(0, [&] {
        caption = dialog->windowTitle();
        button3 = dialog->Button3->text();
        focusOnCancel = dialog->focusWidget() == dialog->Button3;
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    });
    dialog->exec();
    QCOMPARE(caption, QStringLiteral("Datei existiert bereits"));
    QCOMPARE(button3, QStringLiteral("Abbruch"));
    QVERIFY(focusOnCancel);
    QCOMPARE(dialog->Answer(), smCancel);
    QCOMPARE(dialog->Button1->text(), QString::fromUtf8("Daten an die Datei anhängen"));
    QCOMPARE(dialog->Button2->text(), QString::fromUtf8("Datei überschreiben"));
    QCOMPARE(dialog->Label1->text(), QString::fromUtf8("Möchten Sie "));
    QCOMPARE(dialog->size(), QSize(297, 125));

    // Closing it without a choice leaves "Abbruch".
    QTimer::singleShot(0, [&] { dialog->Button1->click(); });
    dialog->exec();
    QCOMPARE(dialog->Answer(), smAppend);
    QTimer::singleShot(0, [&] { dialog->close(); });
    QCOMPARE(dialog->Ask(), smCancel);

    QTimer::singleShot(0, [&] { dialog->Button1->click(); });
    dialog->exec();
    QCOMPARE(dialog->Answer(), smAppend);
    QTimer::singleShot(0, [&] { dialog->Button2->click(); });
    dialog->exec();
    QCOMPARE(dialog->Answer(), smOverwrite);
    DialogAnswers::Enable(true);
}

void CardsTest::writeWithoutNameAsksForOne() {
    ProgramUnderTest program;
    // No name given: nothing is written.
    DialogAnswers::QueueFile(QString());
    QVERIFY(!MainFrm->WriteCardFile());
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QStringLiteral("Dateiname fehlt")});
    // A name of an existing file: the file-exists dialog decides.
    const std::string file = program.Dir().File("da.csv");
    WriteBytes(file, "Alt\r\n");
    DialogAnswers::QueueFile(Q(file));
    DialogAnswers::QueueChoice(smAppend);
    QVERIFY(MainFrm->WriteCardFile());
    QCOMPARE(ReadBytes(file), "Alt\r\n" + Commas() + "\r\n");
    QCOMPARE(DialogAnswers::Pending(), 0);
}

void CardsTest::bigFileThroughTheWindow() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("gross.csv");
    std::string data;
    for (int i = 0; i < 20000; ++i) {
        data += Card("N" + std::to_string(100000 - i), "S" + std::to_string(i % 7)) + "\r\n";
    }
    WriteBytes(file, data);
    Open(file);
    QCOMPARE(MainFrm->Cards().RowCount(), 20001);
    MainFrm->SetCurrentCell(0, 3);
    // Far beyond 2001 cards, the whole table is sorted and the current card followed.
    MainFrm->nachName1->trigger();
    for (int r = 2; r <= 20000; ++r) {
        QVERIFY2(Cell(0, r - 1) < Cell(0, r), Cell(0, r).c_str());
    }
    QCOMPARE(Cell(0, MainFrm->CurrentRow()), std::string("N99998"));
    QCOMPARE(Cell(3, MainFrm->CurrentRow()), std::string("m3"));
    MainFrm->KarteikarteEinfgen1->trigger();
    DialogAnswers::QueueYesNo(true);
    MainFrm->KarteikarteLschen1->trigger();
    MainFrm->Speichern1->trigger();
    QCOMPARE(CountLines(file), 20000);
    QCOMPARE(ReadBytes(file).substr(0, 8), std::string("N100000,"));
}

void CardsTest::failedWriteKeepsTitleFlagAndFile() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    const std::string old = Card("Alt") + "\r\n";
    WriteBytes(file, old);
    Open(file);
    const QString title = MainFrm->windowTitle();
    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(0, 0), QStringLiteral("Neu"),
                                          Qt::EditRole));
    chmod(file.c_str(), 0444);
    MainFrm->Speichern1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QStringLiteral("error: Unable to write to ") + Q(file)});
    QCOMPARE(ReadBytes(file), old);
    QCOMPARE(MainFrm->windowTitle(), title);
    QVERIFY(MainFrm->Document().Changed());

    // Under a new name in a folder that is gone: name, title and flag stay.
    DialogAnswers::QueueFile(Q(program.Dir().File("weg/neu.csv")));
    MainFrm->Speichernunter1->trigger();
    QCOMPARE(DialogAnswers::TakeShown().size(), 1);
    QCOMPARE(MainFrm->Document().FileName(), file);
    QCOMPARE(MainFrm->windowTitle(), title);
    QVERIFY(MainFrm->Document().Changed());
}

void CardsTest::typingRules() {
    ProgramUnderTest program;
    QLineEdit* editor = EditCell(0, 1);
    QVERIFY(editor != nullptr);
    QTest::keyClicks(editor, QStringLiteral("Abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(Cell(0, 1), std::string("Abcdefghijklmnopqrst"));
    QVERIFY(MainFrm->Document().Changed());
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, QStringLiteral("XY"));
    QCOMPARE(Cell(0, 1), std::string("AbcdefghijklmnopqrsX"));
    // Commas, semicolons and characters the card file cannot hold never go in.
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    Type(editor, QString::fromUtf8("M,ü;l\u4E2Dler"));
    QCOMPARE(Cell(0, 1), std::string("M\xFCller"));
    CloseEditor(editor);

    // Trailing blanks do not count.
    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(0, 1),
                                          Q(std::string(19, 's') + "   "), Qt::EditRole));
    editor = EditCell(1, 1);
    editor->end(false);
    QTest::keyClicks(editor, QStringLiteral("ab"));
    QCOMPARE(Cell(1, 1), std::string(19, 's') + "   a");
    CloseEditor(editor);

    editor = EditCell(2, 1);
    Type(editor, QString::fromUtf8("Mönchengladbach-Rheydt"));
    QCOMPARE(Cell(2, 1), std::string("M\xF6nchengladbach-"));
    // Enter counts as a character, so a full cell keeps its editor open.
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(MainFrm->StringGrid1->indexWidget(MainFrm->GridModel()->index(0, 2)), editor);
    CloseEditor(editor);

    // Nothing can be typed into a measurement field.
    editor = EditCell(5, 1);
    QTest::keyClicks(editor, QStringLiteral("12.5"));
    QCOMPARE(Cell(5, 1), std::string());
    CloseEditor(editor);

    // The boiler facts: a typed comma goes in as a point, letters as the capitals they stand for.
    editor = EditCell(25, 1);
    QTest::keyClicks(editor, QStringLiteral("24,5 kW"));
    QCOMPARE(Cell(25, 1), std::string("24.5"));
    // A second decimal would be lost on the certificate, so it does not go in.
    QTest::keyClicks(editor, QStringLiteral("5"));
    QCOMPARE(Cell(25, 1), std::string("24.5"));
    CloseEditor(editor);
    editor = EditCell(26, 1);
    QTest::keyClicks(editor, QStringLiteral("xzv"));
    QCOMPARE(Cell(26, 1), std::string("Z"));
    CloseEditor(editor);
}

void CardsTest::pasteIsFiltered() {
    ProgramUnderTest program;
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->setText(QString::fromUtf8("Müller, Hans;\r\nGroß\u4E2D-und-Söhne GmbH"));
    QLineEdit* editor = EditCell(0, 1);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Q(Cell(0, 1)), Q("M\xFCller HansGro\xDF-und-"));
    // A full cell takes nothing more.
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Cell(0, 1), std::string("M\xFCller HansGro\xDF-und-"));
    // Pasting over a selection counts only what stays.
    editor->selectAll();
    clipboard->setText(QStringLiteral("Abel"));
    QTest::keyClick(editor, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(Cell(0, 1), std::string("Abel"));
    CloseEditor(editor);
}

void CardsTest::typedTextIsSavedWithEditorOpen() {
    ProgramUnderTest program;
    QLineEdit* editor = EditCell(0, 1);
    QTest::keyClicks(editor, QStringLiteral("Meier"));
    // The editor is still open when the save runs.
    const std::string file = program.Dir().File("offen.csv");
    DialogAnswers::QueueFile(Q(file));
    MainFrm->Speichernunter1->trigger();
    QCOMPARE(ReadBytes(file), "Meier" + Commas() + "\r\n");
    QVERIFY(!MainFrm->Document().Changed());
    CloseEditor(editor);
    QVERIFY(!MainFrm->Document().Changed()); // closing an unchanged editor marks nothing
}

void CardsTest::insertAndDeletePositions() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    WriteBytes(file, Card("A") + "\r\n" + Card("B") + "\r\n" + Card("C") + "\r\n");
    Open(file);
    MainFrm->SetCurrentCell(0, 1);
    MainFrm->KarteikarteEinfgen1->trigger();
    QCOMPARE(MainFrm->Cards().RowCount(), 5);
    QCOMPARE(Cell(0, 1), std::string("A"));
    QCOMPARE(Cell(0, 2), std::string());
    QCOMPARE(Cell(5, 2), std::string());
    QCOMPARE(Cell(0, 3), std::string("B"));
    QCOMPARE(MainFrm->CurrentRow(), 1);
    QCOMPARE(MainFrm->StringGrid3->item(0, 1)->text(), QString()); // the new card's values

    MainFrm->SetCurrentCell(0, 4);
    MainFrm->KarteikarteEinfgen1->trigger();
    QCOMPARE(MainFrm->Cards().RowCount(), 6);
    QCOMPARE(Cell(0, 4), std::string("C"));
    QCOMPARE(Cell(0, 5), std::string());

    // Delete only after Yes; the next card moves into the current row.
    MainFrm->SetCurrentCell(0, 1);
    DialogAnswers::QueueYesNo(false);
    MainFrm->KarteikarteLschen1->trigger();
    QCOMPARE(MainFrm->Cards().RowCount(), 6);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KarteikarteLschen1->trigger();
    QCOMPARE(MainFrm->Cards().RowCount(), 5);
    QCOMPARE(Cell(0, 1), std::string());
    QCOMPARE(Cell(0, 2), std::string("B"));
    QCOMPARE(MainFrm->CurrentRow(), 1);
    MainFrm->SetCurrentCell(0, 2);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KarteikarteLschen1->trigger();
    QCOMPARE(Cell(0, 2), std::string("C"));
    QCOMPARE(MainFrm->StringGrid3->item(0, 1)->text(), QStringLiteral("m3"));
    // The last card: the selection goes to the new last row, the view shows empty values.
    MainFrm->SetCurrentCell(0, 3);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KarteikarteLschen1->trigger();
    QCOMPARE(MainFrm->Cards().RowCount(), 3);
    QCOMPARE(MainFrm->CurrentRow(), 2);
    QCOMPARE(MainFrm->StringGrid3->item(0, 1)->text(), QString());

    // None of it counts as a change: "Neu" asks nothing.
    QVERIFY(!MainFrm->Document().Changed());
    DialogAnswers::TakeShown();
    MainFrm->Neu1->trigger();
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    QCOMPARE(MainFrm->Cards().RowCount(), 2);
}

void CardsTest::deleteSelectedCardsWithOneQuestion() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    std::string data;
    for (const char* name : {"A", "B", "C", "D", "E", "F"}) {
        data += Card(name) + "\r\n";
    }
    WriteBytes(file, data);
    Open(file);
    // B, then D with Strg and on to F with Shift: four cards, one question, and the view is told
    // once rather than once a card.
    ClickRowHeader(2);
    ClickRowHeader(4, Qt::ControlModifier);
    ClickRowHeader(6, Qt::ShiftModifier);
    QSignalSpy removed(MainFrm->GridModel(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(MainFrm->GridModel(), &QAbstractItemModel::modelReset);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KarteikarteLschen1->trigger();
    QCOMPARE(
        DialogAnswers::TakeShown(),
        QStringList{QString::fromUtf8("?: Sollen die 4 Karteikarten wirklich gelöscht werden ?")});
    QCOMPARE(removed.size() + reset.size(), 1);
    QVERIFY(MainFrm->StringGrid1->isColumnHidden(3) && !MainFrm->StringGrid1->isColumnHidden(2));
    QCOMPARE(Names(), (QStringList{QStringLiteral("A"), QStringLiteral("C")}));
    QCOMPARE(MainFrm->CurrentRow(), 2);
    QCOMPARE(MainFrm->StringGrid3->item(0, 1)->text(), QStringLiteral("m3"));

    // Strg+A selects every card; one whole card is asked about as the current card always was.
    QTest::keyClick(MainFrm->StringGrid1, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(MainFrm->CardsToDelete(), (std::vector<int>{1, 2}));
    ClickRowHeader(1);
    DialogAnswers::QueueYesNo(true);
    MainFrm->KarteikarteLschen1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QString::fromUtf8("?: Soll die Karteikarte wirklich gelöscht werden ?")});
    QCOMPARE(Names(), QStringList{QStringLiteral("C")});
}

void CardsTest::copyAndPasteWholeCards() {
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    WriteBytes(file, Card("A") + "\r\n" + Card("B") + "\r\n" + Card("C") + "\r\n");
    Open(file);
    QClipboard* clipboard = QGuiApplication::clipboard();
    // Whole cards go out as tab-separated lines of every column.
    ClickRowHeader(1);
    ClickRowHeader(3, Qt::ControlModifier);
    QTest::keyClick(MainFrm->StringGrid1, Qt::Key_C, Qt::ControlModifier);
    const auto line = [](const std::string& name) -> QString {
        QString fields = Q(Card(name)).replace(QLatin1Char(','), QLatin1Char('\t'));
        return fields + QString(MainFrm->Cards().ColCount() - 25, QLatin1Char('\t')) +
               QStringLiteral("\r\n");
    };
    QCOMPARE(clipboard->text(), line("A") + line("C"));

    // They come back as new cards after the current one, selected, and count as a change.
    MainFrm->SetCurrentCell(0, 1);
    QTest::keyClick(MainFrm->StringGrid1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Names(), (QStringList{QStringLiteral("A"), QStringLiteral("A"), QStringLiteral("C"),
                                   QStringLiteral("B"), QStringLiteral("C")}));
    QCOMPARE(Cell(24, 3), std::string("m24"));
    QCOMPARE(MainFrm->CurrentRow(), 2);
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(MainFrm->CardsToDelete(), (std::vector<int>{2, 3}));

    // Spreadsheet lines are made to fit as typing would.
    clipboard->setText(QString::fromUtf8("Ludwig-van-Beethoven-Straße 12\tA, B\t\t\t180,5\n"));
    QTest::keyClick(MainFrm->StringGrid1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Cell(0, 3), std::string("Ludwig-van-Beethoven"));
    QCOMPARE(Cell(1, 3), std::string("A B"));
    QCOMPARE(Cell(4, 3), std::string("180.5"));

    // A single cell is copied as before, and a single value pasted on the grid adds no card.
    MainFrm->SetCurrentCell(1, 1);
    QTest::keyClick(MainFrm->StringGrid1, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), QStringLiteral("S"));
    QTest::keyClick(MainFrm->StringGrid1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Names().size(), 6);
}

void CardsTest::sortByLocaleStableCurrentRowFollows() {
    SetCollationLocale(QLocale(QLocale::German, QLocale::Germany));
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    WriteBytes(file, Card("Zander", "Weg 1", "Ulm") + "\r\n" + Card("Bauer", "Weg 2", "Bonn") +
                         "\r\n" + Card("\xC4rger", "Allee", "Aalen") + "\r\n" +
                         Card("Abel", "Weg 3", "Bonn") + "\r\n" + Card("abel", "Weg 3", "Bonn") +
                         "\r\n" + Card("Bauer", "Weg 2", "Bonn").replace(17, 2, "m9x") + "\r\n");
    Open(file);
    MainFrm->SetCurrentCell(0, 3); // Ärger
    MainFrm->nachName1->trigger();
    QStringList names;
    for (int r = 1; r < MainFrm->Cards().RowCount(); ++r) {
        names << QString::fromLatin1(Cell(0, r).c_str());
    }
    // Case matters (lower case first), Ä sorts with A, equal keys keep their order.
    QCOMPARE(names, (QStringList{QStringLiteral("abel"), QStringLiteral("Abel"),
                                 QString::fromUtf8("Ärger"), QStringLiteral("Bauer"),
                                 QStringLiteral("Bauer"), QStringLiteral("Zander")}));
    QCOMPARE(Cell(3, 4), std::string("m3"));
    QCOMPARE(Cell(3, 5), std::string("m9x"));
    QCOMPARE(MainFrm->CurrentRow(), 3);
    QCOMPARE(Cell(0, MainFrm->CurrentRow()), std::string("\xC4rger"));

    MainFrm->nachOrt1->trigger();
    QCOMPARE(Cell(2, 1), std::string("Aalen"));
    QCOMPARE(Cell(0, 6), std::string("Zander"));
    QCOMPARE(Cell(0, MainFrm->CurrentRow()), std::string("\xC4rger"));
    MainFrm->nachStrasse1->trigger();
    QCOMPARE(Cell(1, 1), std::string("Allee"));
    QCOMPARE(Cell(0, 2), std::string("Zander"));

    QVERIFY(!MainFrm->Document().Changed());
    DialogAnswers::TakeShown();
    MainFrm->Neu1->trigger();
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
}

void CardsTest::sortWithoutNamedLocaleIsGerman() {
    if (QLocale::system().language() != QLocale::C) {
        QSKIP("needs an environment without a locale (LC_ALL=C), as ctest sets it");
    }
    ProgramUnderTest program;
    const std::string file = program.Dir().File("k.csv");
    WriteBytes(file, Card("Zander") + "\r\n" + Card("\xC4rger") + "\r\n" + Card("Bauer") + "\r\n" +
                         Card("Abel") + "\r\n");
    Open(file);
    MainFrm->nachName1->trigger();
    QStringList names;
    for (int r = 1; r < MainFrm->Cards().RowCount(); ++r) {
        names << QString::fromLatin1(Cell(0, r).c_str());
    }
    QCOMPARE(names, (QStringList{QStringLiteral("Abel"), QString::fromUtf8("Ärger"),
                                 QStringLiteral("Bauer"), QStringLiteral("Zander")}));
}

QTEST_MAIN(CardsTest)
#include "cards_guitest.moc"
