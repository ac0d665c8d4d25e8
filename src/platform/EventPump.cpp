// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/EventPump.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace {
QElapsedTimer& Ticks() {
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer;
}
} // namespace

void HandlePendingMessages() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

void WaitForEvents(int maxWaitMs) {
    if (QCoreApplication::instance() == nullptr) {
        QThread::msleep(static_cast<unsigned long>(maxWaitMs));
        return;
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QAbstractEventDispatcher* dispatcher = QThread::currentThread()->eventDispatcher();
    if (dispatcher == nullptr || maxWaitMs <= 0) {
        return;
    }
    // The timer bounds the wait; any other event (a byte on a port, a key) ends it earlier.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxWaitMs);
    dispatcher->processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

unsigned int TickCount() {
    return static_cast<unsigned int>(Ticks().elapsed());
}

void PauseMs(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
        WaitForEvents(static_cast<int>(deadline.remainingTime()));
    }
}
