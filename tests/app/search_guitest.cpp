// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The search dialog through the real windows: it waits at each hit while the main window stays
// usable.

#include "gui/app/CardGridModel.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "gui/app/uSuchFrm.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <vector>

namespace {

const QString kNotFound = QStringLiteral("Suchbegriff nicht gefunden.");

// Replaces the cards of the main window; cells are Windows-1252.
void SetCards(const std::vector<std::vector<std::string>>& cards) {
    CardTable& table = MainFrm->Cards();
    MainFrm->GridModel()->BeginChange();
    table.SetRowCount(1);
    for (const auto& card : cards) {
        CardTable::Row row = table.EmptyRow();
        for (size_t c = 0; c < card.size() && c < row.size(); ++c) {
            row[c] = card[c];
        }
        table.AppendRow(row);
    }
    MainFrm->GridModel()->EndChange();
}

void OpenSearch() {
    MainFrm->KarteikarteSuchen1->trigger();
    QApplication::processEvents();
}

// Presses "Suchen" with `term` and returns when that search has ended. At the k-th hit that
// the search waits at, actions[k] runs (without one, "Weitersuchen" is pressed); the current
// card at each hit is recorded in `rows`.
struct Search {
    std::vector<std::function<void()>> actions;
    std::vector<int> rows;

    void Run(const QString& term) {
        SuchFrm->Edit1->setText(term);
        int handled = SuchFrm->HitCount();
        const int first = handled;
        QTimer timer;
        timer.setInterval(1);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            if (!SuchFrm->IsWaitingAtHit() || SuchFrm->HitCount() == handled) {
                return;
            }
            handled = SuchFrm->HitCount();
            const size_t k = static_cast<size_t>(handled - first - 1);
            rows.push_back(MainFrm->CurrentRow());
            if (k >= 50) {
                SuchFrm->close(); // a search that never ends would hang the test
            } else if (k < actions.size() && actions[k]) {
                actions[k]();
            } else {
                SuchFrm->Button2->click();
            }
        });
        timer.start();
        SuchFrm->Button1->click();
    }
};

} // namespace

class SearchTest : public QObject {
    Q_OBJECT
private slots:
    void showResetsTheDialog();
    void nothingToFindGivesTheMessageAtOnce();
    void umlautsAndBlanksFollowTheComparisonRule();
    void stopsTwiceInOneRowAndEndsAfterTheLastHit();
    void closingAtAHitEndsWithoutMessage();
    void mainWindowStaysUsableWhileWaiting();
    void programEndWhileWaitingEndsTheSearch();
    void newSearchReplacesTheWaitingOne();
    void continueWithoutWaitingSearchDoesNotAffectTheNext();
};

void SearchTest::showResetsTheDialog() {
    ProgramUnderTest program;
    QVERIFY(!SuchFrm->isVisible());
    OpenSearch();
    QVERIFY(SuchFrm->isVisible());
    QVERIFY(!SuchFrm->isModal());
    QCOMPARE(SuchFrm->windowTitle(), QStringLiteral("Suchen"));
    QCOMPARE(SuchFrm->Label1->text(), QStringLiteral("Geben Sie einen Suchbegriff ein"));
    QCOMPARE(SuchFrm->Button1->text(), QStringLiteral("Suchen"));
    QCOMPARE(SuchFrm->Edit1->text(), QString());
    QVERIFY(!SuchFrm->Button2->isVisible());
    QVERIFY(!SuchFrm->Button1->isDefault() && !SuchFrm->Button2->isDefault());
    // The main window takes commands while the dialog is open.
    QVERIFY(MainFrm->menuBar()->isEnabled());
    SuchFrm->close();
}

void SearchTest::nothingToFindGivesTheMessageAtOnce() {
    ProgramUnderTest program;
    SetCards({});
    OpenSearch();
    Search s;
    s.Run(QStringLiteral("x"));
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});
    SetCards({{"Meier", "Hauptstr. 1", "Ulm"}});
    s.Run(QStringLiteral("   "));
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});
    // A character the cards cannot hold is in none of them.
    s.Run(QString::fromUtf8("Meier\xC5\x81"));
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});
    QVERIFY(s.rows.empty());
    QVERIFY(!SuchFrm->Button2->isVisible());

    // Shown for real, it is a plain message: titled "Fendro", no icon.
    DialogAnswers::Enable(false);
    QString shown;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QTimer closer;
    closer.setInterval(10);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + QLatin1Char('|') + box->text();
            icon = box->icon();
            box->accept();
        }
    });
    closer.start();
    s.Run(QStringLiteral("x"));
    DialogAnswers::Enable(true);
    QCOMPARE(shown, QStringLiteral("Fendro|") + kNotFound);
    QCOMPARE(icon, QMessageBox::NoIcon);
    SuchFrm->close();
}

void SearchTest::umlautsAndBlanksFollowTheComparisonRule() {
    ProgramUnderTest program;
    SetCards({{"Schmidt", "Talweg 2", "Bonn"},
              {"M\xFCller", "Bergstrasse 4", "Ulm"},
              {"MUELLER", "Am Berg", "Ulm"}});
    OpenSearch();
    Search s;
    s.actions = {[] { SuchFrm->close(); }};
    s.Run(QString::fromUtf8("müller"));
    QCOMPARE(s.rows, std::vector<int>{2});
    QVERIFY(DialogAnswers::TakeShown().isEmpty());

    OpenSearch();
    Search capital;
    capital.Run(QString::fromUtf8("MÜLLER"));
    QVERIFY(capital.rows.empty());
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});

    Search blanks;
    blanks.Run(QStringLiteral(" ber "));
    QCOMPARE(blanks.rows, (std::vector<int>{2, 3}));
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});
    SuchFrm->close();
}

void SearchTest::stopsTwiceInOneRowAndEndsAfterTheLastHit() {
    ProgramUnderTest program;
    SetCards({{"Hof", "Weg", "Ort"}, {"Bad Berg", "Talweg", "Bergheim"}, {"X", "Y", "Berg"}});
    OpenSearch();
    Search s;
    std::vector<bool> continueVisible;
    const auto look = [&] {
        continueVisible.push_back(SuchFrm->Button2->isVisible());
        SuchFrm->Button2->click();
    };
    s.actions = {look, look, look};
    s.Run(QStringLiteral("berg"));
    QCOMPARE(s.rows, (std::vector<int>{2, 2, 3}));
    QCOMPARE(continueVisible, (std::vector<bool>{true, true, true}));
    // "Weitersuchen" at the last hit ends with the message; the button stays.
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});
    QVERIFY(SuchFrm->Button2->isVisible());
    QVERIFY(!SuchFrm->IsWaitingAtHit());
    SuchFrm->close();
}

void SearchTest::closingAtAHitEndsWithoutMessage() {
    ProgramUnderTest program;
    SetCards({{"Berg", "", ""}, {"Berg", "", ""}});
    OpenSearch();
    Search s;
    s.actions = {[] { SuchFrm->close(); }};
    s.Run(QStringLiteral("berg"));
    QCOMPARE(s.rows, std::vector<int>{1});
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
    QVERIFY(!SuchFrm->isVisible());
    QVERIFY(!SuchFrm->IsWaitingAtHit());

    // Shown again: an empty term and a hidden "Weitersuchen".
    OpenSearch();
    QCOMPARE(SuchFrm->Edit1->text(), QString());
    QVERIFY(!SuchFrm->Button2->isVisible());

    // Escape closes as well and ends the waiting search.
    Search esc;
    esc.actions = {[] { QTest::keyClick(SuchFrm->Edit1, Qt::Key_Escape); }};
    esc.Run(QStringLiteral("berg"));
    QCOMPARE(esc.rows, std::vector<int>{1});
    QVERIFY(!SuchFrm->isVisible());
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
}

void SearchTest::mainWindowStaysUsableWhileWaiting() {
    ProgramUnderTest program;
    SetCards({{"Berg", "", ""}, {"Tal", "", ""}, {"Au", "", ""}, {"Berg", "", ""}});
    OpenSearch();
    Search s;
    bool sawEditedCell = false;
    s.actions = {
        [&] {
            // The user edits a later card in the main grid while the search waits.
            CardGridModel* model = MainFrm->GridModel();
            QVERIFY(model->setData(model->index(1, 2), QStringLiteral("am Bergsee"), Qt::EditRole));
            SuchFrm->Button2->click();
        },
        [&] {
            sawEditedCell = MainFrm->CurrentRow() == 2;
            // Cards lost meanwhile: the search ends at the table's current end.
            MainFrm->GridModel()->BeginChange();
            MainFrm->Cards().SetRowCount(3);
            MainFrm->GridModel()->EndChange();
            SuchFrm->Button2->click();
        }};
    s.Run(QStringLiteral("berg"));
    QVERIFY(sawEditedCell);
    QCOMPARE(s.rows, (std::vector<int>{1, 2}));
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});
    SuchFrm->close();
}

void SearchTest::programEndWhileWaitingEndsTheSearch() {
    ProgramUnderTest program;
    SetCards({{"Berg", "", ""}, {"Berg", "", ""}});
    OpenSearch();
    Search s;
    s.actions = {[] { MainFrm->Beenden1->trigger(); }};
    s.Run(QStringLiteral("berg"));
    QCOMPARE(s.rows, std::vector<int>{1});
    QVERIFY(!MainFrm->isVisible());
    QVERIFY(!SuchFrm->IsWaitingAtHit());
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
}

void SearchTest::newSearchReplacesTheWaitingOne() {
    ProgramUnderTest program;
    SetCards({{"Berg", "", ""}, {"Tal", "", ""}, {"Berg", "Tal", ""}});
    OpenSearch();
    Search s;
    s.actions = {[] {
                     SuchFrm->Edit1->setText(QStringLiteral("tal"));
                     SuchFrm->Button1->click();
                 },
                 nullptr, nullptr};
    s.Run(QStringLiteral("berg"));
    // The first hit of "berg", then the two of "tal" from the start; no hit of "berg" after.
    QCOMPARE(s.rows, (std::vector<int>{1, 2, 3}));
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});
    QVERIFY(!SuchFrm->IsWaitingAtHit());
    SuchFrm->close();
}

void SearchTest::continueWithoutWaitingSearchDoesNotAffectTheNext() {
    ProgramUnderTest program;
    SetCards({{"Berg", "", ""}, {"Berg", "", ""}});
    OpenSearch();
    Search first;
    first.Run(QStringLiteral("berg"));
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{kNotFound});
    QVERIFY(SuchFrm->Button2->isVisible());
    SuchFrm->Button2->click();
    SuchFrm->Button2->click();
    // The next search still waits at its first hit.
    Search next;
    next.actions = {[] { SuchFrm->close(); }};
    next.Run(QStringLiteral("berg"));
    QCOMPARE(next.rows, std::vector<int>{1});
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
}

QTEST_MAIN(SearchTest)
#include "search_guitest.moc"
