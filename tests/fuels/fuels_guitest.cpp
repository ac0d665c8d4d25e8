// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The fuel type editor through the real dialog.

#include "core/files/IniFile.h"
#include "core/files/Utf8Path.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "gui/fuels/uBrennFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <filesystem>

namespace {

const QString kNotANumber = QString::fromUtf8(" ist kein gültiger numerischer Wert.");
const QString kTooLong =
    QString::fromUtf8("Brennstoffarten-Bezeichnung ist zu lang und wird auf 13 Zeichen gekürzt");

QString Cell(int row, int col) {
    const QTableWidgetItem* item = BrennFrm->StringGrid1->item(row, col);
    return item != nullptr ? item->text() : QStringLiteral("<none>");
}

// Types into a cell of entry `entry` (grid row entry + 1).
void Type(int entry, int col, const QString& text) {
    BrennFrm->StringGrid1->item(entry + 1, col)->setText(text);
}

void ShowEditor() {
    BrennFrm->show();
    QApplication::processEvents();
}

} // namespace

class FuelEditorTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheTableFromTheFile();
    void faultsAreReportedInOrderAndNothingIsSaved();
    void commaBecomesPointAndTextsAreStoredAsTyped();
    void hiddenLastEntrySurvivesASave();
    void nameLimitAndCancel();
    void failedWriteClosesTheDialogAndShowsTheError();
    void menuOpensTheEditorModally();
};

void FuelEditorTest::showsTheTableFromTheFile() {
    ProgramUnderTest program;
    ShowEditor();
    QTableWidget* grid = BrennFrm->StringGrid1;
    QCOMPARE(grid->rowCount(), 16);
    QCOMPARE(grid->columnCount(), 6);
    QCOMPARE(BrennFrm->windowTitle(), QStringLiteral("Brennstoffarten"));
    QCOMPARE(BrennFrm->BitBtn1->text(), QStringLiteral("OK"));
    QCOMPARE(BrennFrm->BitBtn2->text(), QStringLiteral("Abbruch"));
    const QStringList heads = {QStringLiteral("NO"),     QStringLiteral("NAME"),
                               QStringLiteral("CO2MAX"), QStringLiteral("A1"),
                               QStringLiteral("B"),      QStringLiteral("MAXETA")};
    for (int c = 0; c < 6; ++c) {
        QCOMPARE(Cell(0, c), heads[c]);
        QCOMPARE(grid->columnWidth(c), c == 0 ? 30 : 80);
        // Heads and row numbers cannot be edited.
        QVERIFY(!(grid->item(0, c)->flags() & Qt::ItemIsEditable));
    }
    QCOMPARE(Cell(15, 0), QStringLiteral("15"));
    QVERIFY(!(grid->item(5, 0)->flags() & Qt::ItemIsEditable));
    QVERIFY(grid->item(5, 1)->flags() & Qt::ItemIsEditable);
    QCOMPARE(Cell(1, 1), QString::fromUtf8("Heizöl"));
    QCOMPARE(Cell(1, 3), QStringLiteral("0.50"));
    QCOMPARE(Cell(5, 1), QString::fromUtf8("Flüssiggas"));
    QCOMPARE(Cell(15, 2), QStringLiteral("0"));
    QCOMPARE(BrennFrm->HiddenEntry()[1], std::string("0"));
    BrennFrm->BitBtn2->click();

    // Each show reads the file again.
    {
        IniFile ini(program.SettingsFile());
        ini.WriteString("3", "Name", "Biogas");
        ini.WriteString("15", "MaxEta", "98.5");
    }
    ShowEditor();
    QCOMPARE(Cell(4, 1), QStringLiteral("Biogas"));
    QCOMPARE(BrennFrm->HiddenEntry()[4], std::string("98.5"));
    BrennFrm->BitBtn2->click();
}

void FuelEditorTest::faultsAreReportedInOrderAndNothingIsSaved() {
    ProgramUnderTest program;
    const std::string before = ReadBytes(program.SettingsFile());
    ShowEditor();
    Type(1, 3, QStringLiteral("1,5x"));
    Type(3, 2, QString());
    Type(6, 1, QStringLiteral("Abcdefghijklmn"));
    Type(8, 2, QStringLiteral("x")); // after the name fault nothing more is examined
    BrennFrm->BitBtn1->click();
    QCOMPARE(DialogAnswers::TakeShown(),
             (QStringList{QStringLiteral("1,5x") + kNotANumber, kNotANumber, kTooLong}));
    QVERIFY(BrennFrm->isVisible());
    QCOMPARE(ReadBytes(program.SettingsFile()), before);
    // The rewrites stay in the grid; the last offending cell is selected.
    QCOMPARE(Cell(2, 3), QStringLiteral("1.5x"));
    QCOMPARE(Cell(7, 1), QStringLiteral("Abcdefghijklm"));
    QCOMPARE(BrennFrm->StringGrid1->currentRow(), 7);
    QCOMPARE(BrennFrm->StringGrid1->currentColumn(), 1);

    // Corrected one by one: the shortened name is accepted now, the numbers are not yet.
    Type(1, 3, QStringLiteral("0,4"));
    BrennFrm->BitBtn1->click();
    QCOMPARE(DialogAnswers::TakeShown(),
             (QStringList{kNotANumber, QStringLiteral("x") + kNotANumber}));
    QCOMPARE(BrennFrm->StringGrid1->currentRow(), 9);
    QCOMPARE(BrennFrm->StringGrid1->currentColumn(), 2);
    Type(3, 2, QStringLiteral("10.2"));
    Type(8, 2, QStringLiteral("0"));
    BrennFrm->BitBtn1->click();
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    QVERIFY(!BrennFrm->isVisible());
    IniFile ini(program.SettingsFile());
    QCOMPARE(QString::fromStdString(ini.ReadString("6", "Name", "")),
             QStringLiteral("Abcdefghijklm"));
    QCOMPARE(QString::fromStdString(ini.ReadString("1", "A1", "")), QStringLiteral("0.4"));
}

void FuelEditorTest::commaBecomesPointAndTextsAreStoredAsTyped() {
    ProgramUnderTest program;
    ShowEditor();
    Type(0, 2, QStringLiteral("15,4"));
    Type(2, 1, QString::fromUtf8("Öl, leicht"));
    Type(4, 5, QStringLiteral(" 1.0E2"));
    BrennFrm->BitBtn1->click();
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    QVERIFY(!BrennFrm->isVisible());
    QCOMPARE(BrennFrm->result(), int(QDialog::Accepted));
    QCOMPARE(Cell(1, 2), QStringLiteral("15.4"));
    IniFile ini(program.SettingsFile());
    QVERIFY(ini.ReadString("0", "CO2Max", "") == "15.4");
    QVERIFY(ini.ReadString("0", "A1", "") == "0.50");
    QVERIFY(ini.ReadString("2", "Name", "") == "\xD6l, leicht");
    QVERIFY(ini.ReadString("4", "MaxEta", "") == "1.0E2");
    // The line itself keeps the blank; the reader trims it.
    QVERIFY(ReadBytes(program.SettingsFile()).find("MaxEta= 1.0E2\r\n") != std::string::npos);
}

void FuelEditorTest::hiddenLastEntrySurvivesASave() {
    ProgramUnderTest program;
    {
        IniFile ini(program.SettingsFile());
        ini.WriteString("15", "Name", "Von Hand");
        ini.WriteString("15", "CO2Max", "12,5");
        ini.WriteString("15", "B", "0.010");
    }
    ShowEditor();
    Type(0, 1, QStringLiteral("Heizoel"));
    BrennFrm->BitBtn1->click();
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    IniFile ini(program.SettingsFile());
    QVERIFY(ini.ReadString("0", "Name", "") == "Heizoel");
    QVERIFY(ini.ReadString("15", "Name", "") == "Von Hand");
    QVERIFY(ini.ReadString("15", "CO2Max", "") == "12.5");
    QVERIFY(ini.ReadString("15", "B", "") == "0.010");

    // A fault in the hidden entry refuses the save like any other.
    ini.WriteString("15", "A1", "abc");
    ShowEditor();
    BrennFrm->StringGrid1->setCurrentCell(3, 2);
    BrennFrm->BitBtn1->click();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QStringLiteral("abc") + kNotANumber});
    QVERIFY(BrennFrm->isVisible());
    QCOMPARE(BrennFrm->StringGrid1->currentRow(), 3);
    BrennFrm->BitBtn2->click();
}

void FuelEditorTest::nameLimitAndCancel() {
    ProgramUnderTest program;
    const std::string before = ReadBytes(program.SettingsFile());
    ShowEditor();
    Type(9, 1, QStringLiteral("Dreizehn Zei."));
    Type(10, 1, QString::fromUtf8("Vierzehn Zeiäh"));
    BrennFrm->BitBtn1->click();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kTooLong});
    QCOMPARE(Cell(11, 1), QString::fromUtf8("Vierzehn Zeiä"));
    QCOMPARE(ReadBytes(program.SettingsFile()), before);
    // Abbruch writes nothing; the next show brings the file's values back.
    BrennFrm->BitBtn2->click();
    QVERIFY(!BrennFrm->isVisible());
    QCOMPARE(BrennFrm->result(), int(QDialog::Rejected));
    QCOMPARE(ReadBytes(program.SettingsFile()), before);
    ShowEditor();
    QCOMPARE(Cell(10, 1), QString());
    QCOMPARE(Cell(11, 1), QString());

    // Typing what the settings file's code page cannot hold is refused.
    QTableWidget* grid = BrennFrm->StringGrid1;
    const auto typeWithEditor = [grid](const char* utf8) {
        grid->setCurrentCell(10, 1);
        grid->editItem(grid->item(10, 1));
        QLineEdit* editor = nullptr;
        for (QLineEdit* e : grid->findChildren<QLineEdit*>()) {
            editor = e->isVisible() ? e : editor;
        }
        QVERIFY(editor != nullptr);
        editor->setText(QString::fromUtf8(utf8));
        QTest::keyClick(editor, Qt::Key_Return);
        // The view takes the text and closes the editor from the event loop.
        QApplication::processEvents();
        QVERIFY(!editor->isVisible());
    };
    typeWithEditor("\xC5\x81\xC3\xB3"
                   "d\xC5\xBA");
    QCOMPARE(Cell(10, 1), QString());
    typeWithEditor("\xC3\x96l");
    QCOMPARE(Cell(10, 1), QString::fromUtf8("\xC3\x96l"));
    BrennFrm->BitBtn2->click();
}

void FuelEditorTest::failedWriteClosesTheDialogAndShowsTheError() {
    ProgramUnderTest program;
    ShowEditor();
    Type(0, 2, QStringLiteral("15,5"));
    namespace fs = std::filesystem;
    fs::permissions(PathFromUtf8(program.SettingsFile()), fs::perms::owner_read,
                    fs::perm_options::replace);
    BrennFrm->BitBtn1->click();
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QStringLiteral("error: Unable to write to ") +
                         QString::fromStdString(program.SettingsFile())});
    QVERIFY(!BrennFrm->isVisible());
    fs::permissions(PathFromUtf8(program.SettingsFile()),
                    fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::replace);
    QVERIFY(IniFile(program.SettingsFile()).ReadString("0", "CO2Max", "") == "15.4");
}

void FuelEditorTest::menuOpensTheEditorModally() {
    ProgramUnderTest program;
    bool modal = false;
    QTimer::singleShot(0, BrennFrm, [&] {
        modal = BrennFrm->isVisible() && BrennFrm->isModal();
        Type(1, 2, QStringLiteral("11,9"));
        BrennFrm->BitBtn1->click();
    });
    MainFrm->Brennstoffarten1->trigger();
    QVERIFY(modal);
    QVERIFY(IniFile(program.SettingsFile()).ReadString("1", "CO2Max", "") == "11.9");
}

QTEST_MAIN(FuelEditorTest)
#include "fuels_guitest.moc"
