// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/uSuchFrm.h"

#include "core/app/CardSearch.h"
#include "core/files/CardDocument.h"
#include "gui/app/CardWindow.h"
#include "gui/app/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/TextCodec.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

TSuchFrm* SuchFrm = nullptr;

namespace {
// How long one wait for the next event may last before the flags are looked at again.
constexpr int kWaitSliceMs = 100;
} // namespace

TSuchFrm::TSuchFrm(CardWindow& window, QWidget* parent) : QDialog(parent), window_(window) {
    setObjectName(QStringLiteral("SuchFrm"));
    setWindowTitle(QStringLiteral("Suchen"));
    setModal(false);
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(212, 93);

    Label1 = new QLabel(QStringLiteral("Geben Sie einen Suchbegriff ein"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 193, 16);
    Edit1 = new QLineEdit(QStringLiteral("Edit1"), this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(8, 24, 193, 21);
    Button1 = new QPushButton(QStringLiteral("&Suchen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(8, 56, 89, 25);
    Button2 = new QPushButton(QStringLiteral("&Weitersuchen"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setGeometry(112, 56, 89, 25);
    // Neither button is the default one.
    Button1->setAutoDefault(false);
    Button2->setAutoDefault(false);

    connect(Button1, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { Button2Click(); }); });
}

void TSuchFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        RunGuarded([this] { FormShow(); });
    }
}

void TSuchFrm::FormShow() {
    // A search still on the stack from before the last close ends when it sees this count change.
    ++showCount_;
    Edit1->clear();
    found_ = false;
    continueRequest_ = false;
    stopRequest_ = false;
    restartRequest_ = false;
    Button2->hide();
    setWindowTitle(QStringLiteral("Suchen"));
    Label1->setText(QStringLiteral("Geben Sie einen Suchbegriff ein"));
    Button1->setText(QStringLiteral("Suchen"));
}

void TSuchFrm::Button1Click() {
    if (waiting_) {
        // The waiting search is replaced: it starts over with the new term where it waits, so
        // that searches never pile up inside each other.
        restartRequest_ = true;
        restartText_ = Edit1->text();
        return;
    }
    QString text = Edit1->text();
    while (!RunSearch(text) && restartRequest_) {
        restartRequest_ = false;
        text = restartText_;
    }
}

bool TSuchFrm::RunSearch(const QString& text) {
    std::string ansi;
    // A term that Windows-1252 cannot hold is in no card.
    const std::string key = ToAnsi(text, ansi) ? SearchKey(ansi) : std::string();
    found_ = false;
    continueRequest_ = false;
    const bool completed = WalkSearchHits(window_.Document().Cards(), key,
                                          [this](int col, int row) { return WaitAtHit(col, row); });
    if (completed && !found_) {
        ShowMsg(QStringLiteral("Suchbegriff nicht gefunden."));
    }
    return completed;
}

bool TSuchFrm::WaitAtHit(int, int row) {
    found_ = true;
    ++hitCount_;
    window_.ShowCard(row);
    Button2->show();

    const unsigned show = showCount_;
    // Cleared on every way out, so that a later "Suchen" never takes itself for a restart.
    struct WaitingFlag {
        bool& flag;
        explicit WaitingFlag(bool& f) : flag(f) { flag = true; }
        ~WaitingFlag() { flag = false; }
    } waiting(waiting_);
    // Ends also when the dialog or the main window is gone from the screen (program end).
    while (!continueRequest_ && !stopRequest_ && !restartRequest_ && show == showCount_ &&
           isVisible() && window_.IsOnScreen()) {
        WaitForEvents(kWaitSliceMs);
    }
    const bool goOn =
        continueRequest_ && !stopRequest_ && !restartRequest_ && show == showCount_ && isVisible();
    continueRequest_ = false;
    return goOn;
}

void TSuchFrm::Button2Click() {
    // Without a waiting search the request would only make the next search pass a hit by.
    if (!waiting_) {
        return;
    }
    continueRequest_ = true;
    found_ = false;
}

void TSuchFrm::FormCloseQuery() {
    stopRequest_ = true;
    HandlePendingMessages();
}

void TSuchFrm::reject() {
    // The close button and Escape both end here.
    RunGuarded([this] { FormCloseQuery(); });
    QDialog::reject();
}
