// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Dialogs.h"

#include "platform/TextCodec.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <deque>
#include <exception>

namespace {
QPointer<QWidget> gParent;
bool gAutomated = false;
std::deque<bool> gAnswers;
QStringList gShown;

const QString kAppTitle = QStringLiteral("Fendro");
} // namespace

void SetMessageParent(QWidget* parent) {
    gParent = parent;
}

void ShowMsg(const QString& text) {
    if (gAutomated) {
        gShown << text;
        return;
    }
    // A plain message carries no icon; QMessageBox::information would add one.
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, gParent);
    box.exec();
}

void ShowInfoMsg(const QString& text, const QString& caption) {
    if (gAutomated) {
        gShown << text;
        return;
    }
    QMessageBox::information(gParent, caption, text, QMessageBox::Ok);
}

bool AskYesNo(const QString& text, const QString& caption) {
    if (gAutomated) {
        gShown << QStringLiteral("?: ") + text;
        if (gAnswers.empty()) {
            gShown << QStringLiteral("unexpected question: ") + text;
            return false;
        }
        const bool yes = gAnswers.front();
        gAnswers.pop_front();
        return yes;
    }
    return QMessageBox::question(gParent, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void RunGuarded(const std::function<void()>& command) {
    QString error;
    try {
        command();
        return;
    } catch (const std::exception& e) {
        error = FromUtf8(e.what());
    } catch (...) {
        error = QStringLiteral("Unbekannter Fehler");
    }
    if (gAutomated) {
        gShown << QStringLiteral("error: ") + error;
        return;
    }
    QMessageBox::critical(gParent, kAppTitle, error, QMessageBox::Ok);
}

namespace DialogAutomation {
void Enable(bool on) {
    gAutomated = on;
    gAnswers.clear();
    gShown.clear();
}
bool Enabled() {
    return gAutomated;
}
void QueueAnswer(bool yes) {
    gAnswers.push_back(yes);
}
QStringList TakeShown() {
    QStringList out;
    out.swap(gShown);
    return out;
}
int PendingAnswers() {
    return static_cast<int>(gAnswers.size());
}
} // namespace DialogAutomation
