// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The due list through the real main window: gathered from the open table and a second card file,
// sorted, printed, the chosen customers opened as a new table, and the due customers selected
// with "Karten auswählen...".

#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "gui/app/uMainFrmPrint.h"
#include "gui/due/uFaelligFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

#include <map>

namespace {

std::string Card(const std::string& name, const std::string& fuel, const std::string& date,
                 const std::map<int, std::string>& facts = {}) {
    std::string line = name + ",Weg 1,Hof," + fuel;
    for (int col = 4; col < 48; ++col) {
        line += ",";
        if (col == 14) {
            line += date;
        } else if (facts.count(col) != 0) {
            line += facts.at(col);
        } else if (col < 25) {
            line += "7";
        }
    }
    return line + "\r\n";
}

} // namespace

class DueTest : public QObject {
    Q_OBJECT
private slots:
    void dueListOfAFolder();
};

void DueTest::dueListOfAFolder() {
    ProgramUnderTest program;
    DialogAnswers::Enable(true);
    const TempDir& dir = program.Dir();
    const std::string file = dir.File("kunden.csv");
    WriteBytes(file, Card("Abel", "Erdgas", "01.03.2017", {{25, "20"}, {28, "01.05.2015"}}) +
                         Card("Dorn", "Heiz\xF6l", "03.03.2025", {{25, "20"}, {28, "01.01.2020"}}) +
                         Card("Abel", "Erdgas", "01.03.2020", {{25, "20"}, {28, "01.05.2015"}}));
    WriteBytes(dir.File("alt.csv"),
               Card("Bauer", "Heiz\xF6l", "02.03.2024", {{25, "20"}, {28, "01.01.2000"}}) +
                   Card("Cramer", "Erdgas", "05.03.2022", {{25, "20"}, {43, "J"}}));
    DialogAnswers::QueueFile(QString::fromStdString(file));
    MainFrm->Oeffnen1->trigger();

    const QList<QAction*> items = MainFrm->Karteikarte1->actions();
    QCOMPARE(items.indexOf(MainFrm->FaelligeMessungen1), items.indexOf(MainFrm->Messverlauf1) + 1);
    MainFrm->FaelligeMessungen1->trigger();
    auto* frm = MainFrm->findChild<TFaelligFrm*>();
    QVERIFY(frm != nullptr && frm->isVisible() && !frm->IsBusy());
    frm->YearEdit->setValue(2026);

    // Abel from the newest of two cards, overdue; Bauer from the other file; Dorn not yet due.
    QCOMPARE(frm->Table->rowCount(), 2);
    QCOMPARE(frm->Table->item(0, 0)->text(), QStringLiteral("Abel"));
    QCOMPARE(frm->Table->item(0, 3)->text(), QStringLiteral("01.03.2020"));
    QCOMPARE(frm->Table->item(0, 5)->text(),
             QString::fromUtf8("überfällig seit 2023, alle 3 Jahre: Kessel 2015 errichtet"));
    QCOMPARE(frm->Table->item(1, 6)->text(), QString::fromUtf8("Heizöl"));
    frm->Table->sortItems(4, Qt::DescendingOrder);
    QCOMPARE(frm->Table->item(0, 0)->text(), QStringLiteral("Bauer"));
    QCOMPARE(frm->ExemptTable->rowCount(), 1);
    QVERIFY(frm->ExemptTable->item(0, 5)->text().startsWith(QString::fromUtf8("Gas-Brennwert")));
    frm->YearEdit->setValue(2028);
    QCOMPARE(frm->Table->rowCount(), 3);

    // Printed into a PDF file, named in the status bar.
    const QString pdf = QString::fromStdString(dir.File("faellig.pdf"));
    DialogAnswers::PrinterAnswer print;
    print.pdfFile = pdf;
    DialogAnswers::QueuePrinter(print);
    frm->PrintButton->click();
    QCOMPARE(MainFrm->statusBar()->currentMessage(),
             QStringLiteral("Gedruckt in die PDF-Datei ") + QDir::toNativeSeparators(pdf));
    QProcess text;
    text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
               {pdf, QStringLiteral("-")});
    QVERIFY(text.waitForFinished(60000));
    const QString page = QString::fromUtf8(text.readAllStandardOutput());
    for (const char* word : {"Fällige Messungen 2028", "Dorn", "Cramer"}) {
        QVERIFY2(page.contains(QString::fromUtf8(word)), word);
    }

    // The chosen customers' newest cards without their measured values, as a new table.
    frm->YearEdit->setValue(2026);
    frm->Table->sortItems(0, Qt::AscendingOrder);
    frm->Table->selectRow(0);
    frm->NewTableButton->click();
    QVERIFY(MainFrm->Document().FileName().empty());
    QCOMPARE(MainFrm->Cards().RowCount(), 2);
    QCOMPARE(MainFrm->Cards().Cell(0, 1), std::string("Abel"));
    for (const int col : {3, 12, 14, 24}) {
        QCOMPARE(MainFrm->Cards().Cell(col, 1), std::string());
    }
    QCOMPARE(MainFrm->Cards().Cell(28, 1), std::string("01.05.2015"));
    frm->close();

    // Back in the card file: the due customers' newest cards selected.
    DialogAnswers::QueueYesNo(false);
    DialogAnswers::QueueFile(QString::fromStdString(file));
    MainFrm->Oeffnen1->trigger();
    DialogAnswers::TakeShown();
    DialogAnswers::QueueForm({true,
                              {{QStringLiteral("ComboBox2"), QStringLiteral("faellig")},
                               {QStringLiteral("Edit2"), QStringLiteral("2026")},
                               {QStringLiteral("ComboBox1"), QStringLiteral("ersetzen")}}});
    MainFrm->KartenAuswaehlen1->trigger();
    QCOMPARE(MainFrm->CardsToDelete(), (std::vector<int>{3}));
    DialogAnswers::QueueForm({true,
                              {{QStringLiteral("ComboBox2"), QStringLiteral("faellig")},
                               {QStringLiteral("Edit2"), QStringLiteral("2028")},
                               {QStringLiteral("ComboBox1"), QStringLiteral("ersetzen")}}});
    MainFrm->KartenAuswaehlen1->trigger();
    QCOMPARE(MainFrm->CardsToDelete(), (std::vector<int>{2, 3}));
    DialogAnswers::Enable(false);
}

QTEST_MAIN(DueTest)
#include "due_guitest.moc"
