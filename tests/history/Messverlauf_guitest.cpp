// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The history window through the real main window: gathered from a folder of three card files,
// shown as table and chart, printed, and the way back to a card in another file.

#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "gui/app/uMainFrmPrint.h"
#include "gui/history/uMessverlaufFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTableWidget>
#include <QtTest>

namespace {

// A card line of 25 fields with date, time and flue-gas loss; efficiency is 100 - loss.
std::string Card(const std::string& name, const std::string& date, double loss,
                 const std::string& time = "10:00") {
    std::vector<std::string> f(25, "0");
    f[0] = name;
    f[1] = "Hauptstr. 1";
    f[2] = "Ulm";
    f[3] = "Heiz\xF6l EL";
    f[12] = QString::number(loss, 'f', 1).toStdString();
    f[13] = QString::number(100 - loss, 'f', 1).toStdString();
    f[14] = date;
    f[15] = time;
    std::string line;
    for (size_t i = 0; i < f.size(); ++i) {
        line += (i > 0 ? "," : "") + f[i];
    }
    return line + "\r\n";
}

QLineSeries* Series(const QChart* chart, const QString& name) {
    for (QAbstractSeries* s : chart->series()) {
        if (s->name() == name) {
            return qobject_cast<QLineSeries*>(s);
        }
    }
    return nullptr;
}

} // namespace

class MessverlaufTest : public QObject {
    Q_OBJECT
private slots:
    void historyOfAFolderOfThreeFiles();
};

void MessverlaufTest::historyOfAFolderOfThreeFiles() {
    ProgramUnderTest program;
    DialogAnswers::Enable(true);
    const TempDir& dir = program.Dir();
    WriteBytes(dir.File("2019.csv"),
               Card("Meier", "01.02.2019", 5.0) + Card("M\xFCller", "12.03.2019", 7.8));
    WriteBytes(dir.File("2021.CSV"), Card("M\xDCLLER  ", "02.04.2021", 8.4, "11:15") +
                                         Card("M\xFCller", "00.00.2000", 1.0));
    WriteBytes(dir.File("2023.csv"),
               Card("M\xFCller", "20.03.2023", 9.1) + Card("M\xFCller", "12.03.2019", 7.8));

    // Without a card the command is off.
    QVERIFY(!MainFrm->Messverlauf1->isEnabled());
    DialogAnswers::QueueFile(QString::fromStdString(dir.File("2023.csv")));
    MainFrm->Oeffnen1->trigger();
    QVERIFY(MainFrm->Messverlauf1->isEnabled());
    QCOMPARE(MainFrm->Messverlauf1->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    MainFrm->SetCurrentCell(0, 1);
    MainFrm->Messverlauf1->trigger();
    // The command returns when the folder has been read.
    auto* frm = MainFrm->findChild<TMessverlaufFrm*>();
    QVERIFY(frm != nullptr);
    QVERIFY(!frm->IsBusy());
    QVERIFY(frm->isVisible());
    QVERIFY(!frm->isModal());

    // Three measurements newest first; the copy in two files once; the card without date noted.
    QCOMPARE(frm->Table->rowCount(), 3);
    QCOMPARE(frm->Table->item(0, 0)->text(), QStringLiteral("20.03.2023"));
    QCOMPARE(frm->Table->item(1, 1)->text(), QStringLiteral("11:15"));
    QCOMPARE(frm->Table->item(1, 14)->text(), QStringLiteral("2021.CSV"));
    QCOMPARE(frm->Table->item(2, 14)->text(), QStringLiteral("2023.csv"));
    QCOMPARE(frm->Table->horizontalHeaderItem(7)->text(), QStringLiteral("Abgasverlust %"));
    QCOMPARE(frm->NotesLabel->text(), QStringLiteral("1 Karte ohne Messdatum"));
    QVERIFY(frm->CustomerLabel->text().contains(QString::fromUtf8("Müller")));

    const QChart* chart = frm->ChartView->chart();
    QLineSeries* loss = Series(chart, QStringLiteral("Abgasverlust"));
    QLineSeries* efficiency = Series(chart, QStringLiteral("Wirkungsgrad"));
    QVERIFY(loss != nullptr && efficiency != nullptr);
    QCOMPARE(loss->count(), 3);
    QCOMPARE(loss->at(0).y(), 7.8);
    QCOMPARE(loss->at(2).y(), 9.1);
    QCOMPARE(efficiency->at(1).y(), 91.6);
    QCOMPARE(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(loss->at(1).x())),
             QDateTime(QDate(2021, 4, 2), QTime(11, 15)));
    // No nominal output in these cards, so no limit line.
    QCOMPARE(chart->series().size(), 2);

    // Once PDF is the choice, the print dialog offers it under the card file's name.
    ProgramPrinter().setOutputFormat(QPrinter::PdfFormat);
    DialogAnswers::PrinterAnswer cancel;
    cancel.accepted = false;
    DialogAnswers::QueuePrinter(cancel);
    frm->PrintButton->click();
    QCOMPARE(ProgramPrinter().outputFileName(), QString::fromStdString(dir.File("2023.pdf")));

    // Printed into a PDF file: the page holds the customer, the chart's titles and the table;
    // the status bar says where it went.
    const QString pdf = QString::fromStdString(dir.File("verlauf.pdf"));
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
    for (const char* word : {"Messverlauf", "Messdatum", "Abgasverlust in %", "02.04.2021",
                             "2021.CSV", "1 Karte ohne Messdatum"}) {
        QVERIFY2(page.contains(QString::fromUtf8(word)), word);
    }

    // To the card in another file: the table has unsaved changes, so the question comes first.
    MainFrm->Document().SetChanged(true);
    DialogAnswers::QueueYesNo(false);
    frm->Table->selectRow(1);
    frm->GoToButton->click();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QString::fromUtf8("?: Daten geändert ?")});
    QCOMPARE(QString::fromStdString(MainFrm->Document().FileName()),
             QString::fromStdString(dir.File("2021.CSV")));
    QCOMPARE(MainFrm->CurrentRow(), 1);
    QCOMPARE(MainFrm->Cards().Cell(15, MainFrm->CurrentRow()), std::string("11:15"));

    // The size the user gives the window is kept in the settings file.
    frm->resize(700, 500);
    frm->close();
    const IniFile ini(SettingsFileName());
    QCOMPARE(ini.ReadInteger("Messverlauf", "Breite", 0), 700);
    QCOMPARE(ini.ReadInteger("Messverlauf", "Hoehe", 0), 500);
    DialogAnswers::Enable(false);
}

QTEST_MAIN(MessverlaufTest)
#include "Messverlauf_guitest.moc"
