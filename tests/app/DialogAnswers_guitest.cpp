// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The one queue through which tests answer the dialogs.

#include "gui/app/DialogAnswers.h"
#include "gui/app/Dialogs.h"
#include "gui/app/TFileDialog.h"
#include "gui/files/uUeberschreibFrm.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QtTest>

class DialogAnswersTest : public QObject {
    Q_OBJECT
private slots:
    void init() { DialogAnswers::Enable(true); }
    void cleanup() { DialogAnswers::Enable(false); }
    void answerOfAnotherKindIsRecordedAndStaysQueued();
    void withoutAnAnswerEveryKindCancels();
    void formIsFilledAndWhatItShowedKept();
};

void DialogAnswersTest::answerOfAnotherKindIsRecordedAndStaysQueued() {
    DialogAnswers::QueueFile(QStringLiteral("/tmp/a.csv"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^unexpected question")));
    QVERIFY(!AskYesNo(QStringLiteral("Weiter?"), QStringLiteral("Fendro")));
    QCOMPARE(DialogAnswers::TakeShown(),
             (QStringList{QStringLiteral("?: Weiter?"),
                          QStringLiteral("unexpected question: Weiter? (queued: a file name)")}));
    QCOMPARE(DialogAnswers::Pending(), 1);

    // The file dialog it was meant for still gets it.
    TFileDialog dialog(TFileDialog::Open);
    QVERIFY(dialog.Execute(nullptr));
    QCOMPARE(dialog.FileName, QStringLiteral("/tmp/a.csv"));
    QCOMPARE(DialogAnswers::Pending(), 0);
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
}

void DialogAnswersTest::withoutAnAnswerEveryKindCancels() {
    TFileDialog dialog(TFileDialog::Save);
    QVERIFY(!dialog.Execute(nullptr));
    QCOMPARE(DialogAnswers::TakeChoice(QStringLiteral("Datei"), smCancel), smCancel);
    QPrinter printer;
    printer.setOutputFileName(QStringLiteral("/tmp/vorher.pdf"));
    QCOMPARE(DialogAnswers::AnswerPrinter(printer, QStringLiteral("Drucken")),
             std::optional<bool>(false));
    QCOMPARE(printer.outputFileName(), QStringLiteral("/tmp/vorher.pdf"));
    QCOMPARE(DialogAnswers::TakeShown().size(), 3);

    // Without automation nothing is answered: the real dialog would open.
    DialogAnswers::Enable(false);
    QCOMPARE(DialogAnswers::TakeYesNo(QStringLiteral("Weiter?")), std::optional<bool>());
    DialogAnswers::QueueYesNo(true);
    QCOMPARE(DialogAnswers::TakeYesNo(QStringLiteral("Weiter?")), std::optional<bool>(true));
}

void DialogAnswersTest::formIsFilledAndWhatItShowedKept() {
    QDialog form;
    auto* edit = new QLineEdit(QStringLiteral("alt"), &form);
    edit->setObjectName(QStringLiteral("Edit1"));
    auto* box = new QComboBox(&form);
    box->setObjectName(QStringLiteral("ComboBox1"));
    box->addItem(QStringLiteral("ja (J)"), QStringLiteral("J"));
    box->addItem(QStringLiteral("nein (N)"), QStringLiteral("N"));

    DialogAnswers::QueueForm({true,
                              {{QStringLiteral("Edit1"), QStringLiteral("neu")},
                               {QStringLiteral("ComboBox1"), QStringLiteral("N")}}});
    QCOMPARE(DialogAnswers::AnswerForm(form), std::optional<bool>(true));
    QCOMPARE(DialogAnswers::FormShown().value(QStringLiteral("Edit1")), QStringLiteral("alt"));
    QCOMPARE(DialogAnswers::FormShown().value(QStringLiteral("ComboBox1")),
             QStringLiteral("ja (J)"));
    QCOMPARE(edit->text(), QStringLiteral("neu"));
    QCOMPARE(box->currentIndex(), 1);

    // A field the form does not have cancels it.
    DialogAnswers::QueueForm({true, {{QStringLiteral("Edit9"), QStringLiteral("x")}}});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^unexpected field")));
    QCOMPARE(DialogAnswers::AnswerForm(form), std::optional<bool>(false));
    QCOMPARE(DialogAnswers::TakeShown().size(), 1);
}

QTEST_MAIN(DialogAnswersTest)
#include "DialogAnswers_guitest.moc"
