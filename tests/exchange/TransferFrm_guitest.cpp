// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The transfer window: its keys, its button, its closing and its message list.

#include "core/exchange/SerialLink.h"
#include "core/files/ConnectionSettings.h"
#include "gui/exchange/uTransferFrm.h"

#include <QListWidget>
#include <QPushButton>
#include <QtTest>

class TransferFrmTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void showingStartsWithAnEmptyList();
    void keysSetTheRequestFlags();
    void enterAndSpaceOnTheButtonAbortAndClose();
    void everyWayOfClosingAborts();
    void linesAreAddedAndTheLastReplaced();

private:
    ConnectionSettings settings;
    TTransferFrm* frm = nullptr;
};

void TransferFrmTest::init() {
    frm = new TTransferFrm(settings);
    frm->Link().StartRequested = false;
    frm->Link().AbortRequested = false;
}

void TransferFrmTest::cleanup() {
    delete frm;
    frm = nullptr;
}

void TransferFrmTest::showingStartsWithAnEmptyList() {
    frm->AddTransferLine("alt");
    frm->Button1->setText(QStringLiteral("x"));
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm));
    QCOMPARE(frm->ListBox1->count(), 0);
    QCOMPARE(frm->windowTitle(), QString::fromUtf8("Übertragung"));
    QCOMPARE(frm->Button1->text(), QStringLiteral("Abbruch"));
    QCOMPARE(QApplication::focusWidget(), frm->Button1);
    // Taller than the classic 366 x 153 frame: 14 whole lines of 13 pixels.
    QCOMPARE(frm->size(), QSize(366, 230));
    QCOMPARE(frm->ListBox1->viewport()->height(), 14 * 13);
    QVERIFY(!frm->isModal());
}

void TransferFrmTest::keysSetTheRequestFlags() {
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm));
    // The focus is on the button, yet the window sees the key first.
    QTest::keyClick(frm->Button1, Qt::Key_S);
    QVERIFY(frm->Link().StartRequested);
    QVERIFY(!frm->Link().AbortRequested);
    frm->Link().StartRequested = false;
    QTest::keyClicks(frm->Button1, QStringLiteral("s"));
    QVERIFY(frm->Link().StartRequested);
    frm->Link().StartRequested = false;
    QTest::keyClick(frm->Button1, Qt::Key_S, Qt::ShiftModifier);
    QVERIFY(frm->Link().StartRequested);
    frm->Link().StartRequested = false;

    QTest::keyClicks(frm->Button1, QStringLiteral("ax1q"));
    QVERIFY(!frm->Link().StartRequested);
    QVERIFY(!frm->Link().AbortRequested);
    QVERIFY(frm->isVisible());

    // ESC asks for the abort and leaves the window open.
    QTest::keyClick(frm->Button1, Qt::Key_Escape);
    QVERIFY(frm->Link().AbortRequested);
    QVERIFY(!frm->Link().StartRequested);
    QVERIFY(frm->isVisible());
}

void TransferFrmTest::enterAndSpaceOnTheButtonAbortAndClose() {
    const Qt::Key keys[] = {Qt::Key_Return, Qt::Key_Space};
    for (Qt::Key key : keys) {
        frm->Link().AbortRequested = false;
        frm->show();
        QVERIFY(QTest::qWaitForWindowExposed(frm));
        QTest::keyClick(frm->Button1, key);
        QTRY_VERIFY(!frm->isVisible());
        QVERIFY(frm->Link().AbortRequested);
    }
}

void TransferFrmTest::everyWayOfClosingAborts() {
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm));
    QVERIFY(frm->close());
    QVERIFY(frm->Link().AbortRequested);
    QVERIFY(!frm->isVisible());

    frm->Link().AbortRequested = false;
    frm->show();
    frm->Button1->click();
    QVERIFY(frm->Link().AbortRequested);
    QVERIFY(!frm->isVisible());
}

void TransferFrmTest::linesAreAddedAndTheLastReplaced() {
    frm->show();
    QVERIFY(QTest::qWaitForWindowExposed(frm));
    for (int i = 0; i < 30; ++i) {
        frm->AddTransferLine("Zeile " + std::to_string(i));
    }
    frm->AddTransferLine("");
    frm->ReplaceTransferLine("12 Datensätze übertragen");
    QCOMPARE(frm->ListBox1->count(), 31);
    QCOMPARE(frm->ListBox1->item(30)->text(), QString::fromUtf8("12 Datensätze übertragen"));
    QCOMPARE(frm->ListBox1->item(29)->text(), QStringLiteral("Zeile 29"));
    // The last line is in view.
    const QRect last = frm->ListBox1->visualItemRect(frm->ListBox1->item(30));
    QVERIFY(frm->ListBox1->viewport()->rect().contains(last));
}

QTEST_MAIN(TransferFrmTest)
#include "TransferFrm_guitest.moc"
