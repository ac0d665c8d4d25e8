// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The progress of a window that reads the card files of a folder: the bar appears only when the
// reading takes a while, and events get through every few milliseconds so that the window stays
// responsive.

class QProgressBar;

class FolderProgress {
public:
    explicit FolderProgress(QProgressBar* bar);
    void operator()(int filesDone, int filesTotal);

private:
    QProgressBar* bar_;
    unsigned int start_;
    unsigned int lastPump_;
};
