// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Anlage" page: the facts of the selected card, typed under the grid's rules into the card;
// and the certificate dialog on the same form, with the legal basis it suggests.

#include "core/files/AtomicFile.h"
#include "core/files/CardColumns.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "gui/certificate/PlantFactsForm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

namespace {

QString Tool(const char* name) {
    return QStandardPaths::findExecutable(QString::fromLatin1(name));
}

// Meier measured on 1.11.2025 with a loss too high for 20 kW, then again six weeks later;
// Huber without facts.
const char* const kCards =
    "Meier,Weg 1,Ulm,Heiz\xF6l,170,20,60,3.5,12.8,10,20,1.20,13.0,91.0,01.11.2025,09:00,-0.10,"
    "NEIN,1,1,1,,,,,20,Z,N,01.02.2015,N,,,,Kessel AG\r\n"
    "Meier,Weg 1,Ulm,Heiz\xF6l,170,20,60,3.5,12.8,10,20,1.20,9.0,91.0,13.12.2025,09:00,-0.10,"
    "NEIN,1,1,1,,,,\r\n"
    "Huber,Gasse 3,Bonn\r\n";

void LoadCards(const ProgramUnderTest& program) {
    MainFrm->Document().SetFileName(program.Dir().File("kunden.csv"));
    WriteBytes(MainFrm->Document().FileName(), kCards);
    QVERIFY(MainFrm->LoadCardFile());
    MainFrm->Document().SetChanged(false);
}

template <class T> T* Field(const char* name) {
    return MainFrm->PlantFacts1->findChild<T*>(QString::fromLatin1(name));
}

} // namespace

class PlantTest : public QObject {
    Q_OBJECT
private slots:
    void anlagePageFollowsTheCardAndTypesIntoIt();
    void certificateDialogProposesAndSuggestsTheLegalBasis();
};

void PlantTest::anlagePageFollowsTheCardAndTypesIntoIt() {
    ProgramUnderTest program;
    LoadCards(program);
    QLineEdit* output = Field<QLineEdit>("Edit1");
    QLineEdit* owner = Field<QLineEdit>("Fact30");
    QComboBox* plant = Field<QComboBox>("Fact42");
    QVERIFY(output && owner && plant);

    // The page is filled when it is shown.
    MainFrm->SetCurrentCell(0, 1);
    QCOMPARE(output->text(), QString());
    MainFrm->PageControl1->setCurrentWidget(MainFrm->TabSheet3);
    QCOMPARE(output->text(), QStringLiteral("20"));
    QCOMPARE(Field<QLineEdit>("Fact33")->text(), QStringLiteral("Kessel AG"));
    MainFrm->SetCurrentCell(0, 3);
    QCOMPARE(output->text(), QString());
    QVERIFY(!MainFrm->Document().Changed());

    // The grid's rules: a comma becomes a point, one decimal only, no separator in a text.
    output->setFocus();
    QTest::keyClicks(output, QStringLiteral("24,55"));
    QTest::keyClicks(owner, QStringLiteral("Bau, AG"));
    QCOMPARE(output->text(), QStringLiteral("24.5"));
    const CardTable& cards = MainFrm->Cards();
    QCOMPARE(QString::fromStdString(cards.Cell(kColNominalOutput, 3)), QStringLiteral("24.5"));
    QCOMPARE(QString::fromStdString(cards.Cell(kColOwner, 3)), QStringLiteral("Bau AG"));
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(MainFrm->GridModel()->index(2, kColNominalOutput).data().toString(),
             QStringLiteral("24.5"));
    // A choice is made by its letter, as typed into the grid.
    QTest::keyClicks(plant, QStringLiteral("e"));
    QCOMPARE(QString::fromStdString(cards.Cell(kColPlantKind, 3)), QStringLiteral("E"));

    // Typed into the grid, the page follows.
    MainFrm->GridModel()->setData(MainFrm->GridModel()->index(2, kColNominalOutput),
                                  QStringLiteral("11"), Qt::EditRole);
    QCOMPARE(output->text(), QStringLiteral("11"));
}

void PlantTest::certificateDialogProposesAndSuggestsTheLegalBasis() {
    if (Tool("pdftotext").isEmpty() || Tool("pdfinfo").isEmpty()) {
        QSKIP("pdftotext/pdfinfo (poppler-utils) not installed");
    }
    ProgramUnderTest program;
    LoadCards(program);
    WriteBytes(program.SettingsFile(), "[Betrieb]\r\nMessunsicherheitAbgasverlust=0.5\r\n");
    const QString pdf = QString::fromStdString(program.Dir().File("b.pdf"));
    DialogAnswers::PrinterAnswer setup;
    setup.pdfFile = pdf;
    DialogAnswers::QueuePrinter(setup);
    MainFrm->DruckerEinrichten1->trigger();

    // Long texts in every field still give one page.
    const QString longText = QStringLiteral("Mustermann-Obermeier Verwaltungs GmbH Nord");
    MainFrm->SetCurrentCell(0, 2);
    DialogAnswers::QueueForm({true,
                              {{QStringLiteral("Fact30"), longText},
                               {QStringLiteral("Fact31"), longText},
                               {QStringLiteral("Fact32"), longText},
                               {QStringLiteral("Fact34"), longText},
                               {QStringLiteral("Fact37"), longText},
                               {QStringLiteral("Fact38"), longText}}});
    DialogAnswers::QueueFile(pdf);
    MainFrm->Messbescheinigung1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList());
    const QMap<QString, QString> shown = DialogAnswers::FormShown();
    QCOMPARE(shown.value(QStringLiteral("ComboBox4")),
             QString::fromUtf8("§ 14 Abs. 5 (Wiederholung)"));
    QCOMPARE(shown.value(QStringLiteral("Fact33")), QStringLiteral("Kessel AG"));
    QCOMPARE(QString::fromStdString(MainFrm->Cards().Cell(kColExchangerMaker, 2)),
             QStringLiteral("Kessel AG"));
    QCOMPARE(QString::fromStdString(MainFrm->Cards().Cell(kColOwner, 2)), longText.left(40));

    QProcess p;
    p.start(Tool("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(text.contains(QRegularExpression(
                 QString::fromUtf8("Rechtliche Grundlage +§ 14 Abs. 5 \\(Wiederholung\\)"))),
             qPrintable(text));
    p.start(Tool("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    QVERIFY(QString::fromUtf8(p.readAllStandardOutput())
                .contains(QRegularExpression(QStringLiteral("Pages:\\s*1\\n"))));

    // The dialog's choice prints.
    const QString pdf2 = QString::fromStdString(program.Dir().File("b2.pdf"));
    DialogAnswers::QueueForm(
        {true, {{QStringLiteral("ComboBox4"), QString::fromUtf8("§ 14 Abs. 2 (erste Messung)")}}});
    DialogAnswers::QueueFile(pdf2);
    MainFrm->Messbescheinigung1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList());
    p.start(Tool("pdftotext"), {QStringLiteral("-layout"), pdf2, QStringLiteral("-")});
    p.waitForFinished(60000);
    const QString chosen = QString::fromUtf8(p.readAllStandardOutput());
    QVERIFY2(chosen.contains(QString::fromUtf8("§ 14 Abs. 2 (erste Messung)")), qPrintable(chosen));
}

QTEST_MAIN(PlantTest)
#include "plant_guitest.moc"
