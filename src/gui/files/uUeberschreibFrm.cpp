// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/files/uUeberschreibFrm.h"

#include "gui/app/DialogAnswers.h"
#include "platform/TextCodec.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

TUeberschreibFrm* UeberschreibFrm = nullptr;

namespace {
int gTimesShown = 0;
} // namespace

TUeberschreibFrm::TUeberschreibFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("UeberschreibFrm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(FromUtf8("Die Datei existiert bereits"));
    setModal(true);
    setFixedSize(297, 125);
    Label1 = new QLabel(FromUtf8("Möchten Sie "), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 281, 16);
    auto addButton = [this](const char* name, const char* caption, int y) {
        auto* button = new QPushButton(FromUtf8(caption), this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(8, y, 281, 25);
        button->setAutoDefault(true);
        return button;
    };
    Button1 = addButton("Button1", "Daten an die Datei anhängen", 32);
    Button2 = addButton("Button2", "Datei überschreiben", 64);
    Button3 = addButton("Button3", "Abbrechen", 96);
    connect(Button1, &QPushButton::clicked, this, &TUeberschreibFrm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TUeberschreibFrm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TUeberschreibFrm::Button3Click);
}

void TUeberschreibFrm::FormShow() {
    ++gTimesShown;
    setWindowTitle(FromUtf8("Datei existiert bereits"));
    Button1->setText(FromUtf8("Daten an die Datei anhängen"));
    Button2->setText(FromUtf8("Datei überschreiben"));
    Button3->setText(FromUtf8("Abbruch"));
    Label1->setText(FromUtf8("Möchten Sie "));
    // Closing by the title bar or Escape leaves this answer.
    answer_ = smCancel;
    Button3->setFocus();
}

void TUeberschreibFrm::showEvent(QShowEvent* event) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
    FormShow();
}

int TUeberschreibFrm::exec() {
    // Answered as if its button had been clicked; smCancel stands for "Abbruch".
    const std::optional<TSaveMode> answer = DialogAnswers::TakeChoice(windowTitle(), smCancel);
    if (!answer) {
        return QDialog::exec();
    }
    FormShow();
    switch (*answer) {
    case smAppend:
        Button1Click();
        break;
    case smOverwrite:
        Button2Click();
        break;
    default:
        Button3Click();
        break;
    }
    return result();
}

TSaveMode TUeberschreibFrm::Ask() {
    exec();
    return answer_;
}

void TUeberschreibFrm::Button1Click() {
    answer_ = smAppend;
    accept();
}

void TUeberschreibFrm::Button2Click() {
    answer_ = smOverwrite;
    accept();
}

void TUeberschreibFrm::Button3Click() {
    answer_ = smCancel;
    accept();
}

int TUeberschreibFrm::TimesShown() {
    return gTimesShown;
}
