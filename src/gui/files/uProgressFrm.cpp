// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/files/uProgressFrm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

TProgressFrm* ProgressFrm = nullptr;

TProgressFrm::TProgressFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProgressFrm"));
    // A tool window without title-bar buttons: the load cannot be closed half-way.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(false);
    setFixedSize(238, 59);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 8, 225, 16);
    // A screen reader hears the progress from the bar. A label without a name of its own would
    // announce each of the count's changes (one every 25 cards of a load) over the bus.
    Label1->setAccessibleName(QString::fromUtf8("Fortschritt"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(8, 32, 225, 16);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setRange(0, 100);
}

void TProgressFrm::StartProgress(int n) {
    ProgressBar1->setRange(0, n);
    setWindowTitle(QString::fromUtf8("Datenübertragung"));
}

void TProgressFrm::ShowProgress(int k) {
    Label1->setText(QStringLiteral("Bearbeite %1 von %2").arg(k).arg(ProgressBar1->maximum()));
    ProgressBar1->setValue(k);
}

void TProgressFrm::showEvent(QShowEvent* event) {
    ProgressBar1->setValue(0);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    QDialog::showEvent(event);
}
