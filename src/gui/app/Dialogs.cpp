// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Dialogs.h"

#include "gui/app/DialogAnswers.h"
#include "platform/TextCodec.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <exception>

namespace {
QPointer<QWidget> gParent;

const QString kAppTitle = QStringLiteral("Fendro");
} // namespace

void SetMessageParent(QWidget* parent) {
    gParent = parent;
}

void ShowMsg(const QString& text) {
    if (DialogAnswers::Enabled()) {
        DialogAnswers::RecordShown(text);
        return;
    }
    // A plain message carries no icon; QMessageBox::information would add one.
    QMessageBox box(QMessageBox::NoIcon, kAppTitle, text, QMessageBox::Ok, gParent);
    box.exec();
}

void ShowInfoMsg(const QString& text, const QString& caption) {
    if (DialogAnswers::Enabled()) {
        DialogAnswers::RecordShown(text);
        return;
    }
    QMessageBox::information(gParent, caption, text, QMessageBox::Ok);
}

bool AskYesNo(const QString& text, const QString& caption) {
    if (DialogAnswers::Enabled()) {
        DialogAnswers::RecordShown(QStringLiteral("?: ") + text);
    }
    if (const std::optional<bool> yes = DialogAnswers::TakeYesNo(text)) {
        return *yes;
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
    if (DialogAnswers::Enabled()) {
        DialogAnswers::RecordShown(QStringLiteral("error: ") + error);
        return;
    }
    QMessageBox::critical(gParent, kAppTitle, error, QMessageBox::Ok);
}
