// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/FolderProgress.h"

#include "platform/EventPump.h"

#include <QProgressBar>

namespace {
// A folder read faster than this shows no bar.
constexpr unsigned int kProgressDelayMs = 500;
constexpr unsigned int kPumpEveryMs = 10;
} // namespace

FolderProgress::FolderProgress(QProgressBar* bar)
    : bar_(bar), start_(TickCount()), lastPump_(start_) {}

void FolderProgress::operator()(int filesDone, int filesTotal) {
    const unsigned int now = TickCount();
    if (now - start_ >= kProgressDelayMs && bar_->isHidden()) {
        bar_->setRange(0, filesTotal);
        bar_->show();
    }
    bar_->setValue(filesDone);
    if (now - lastPump_ >= kPumpEveryMs) {
        HandlePendingMessages();
        lastPump_ = TickCount();
    }
}
