// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/TFileDialog.h"

#include "gui/app/Dialogs.h"

#include <QFileDialog>
#include <QFileInfo>

#include <deque>

namespace {
std::deque<QString> gQueued;
const TFileDialog* gLastShown = nullptr;
} // namespace

bool TFileDialog::Execute(QWidget* parent) {
    gLastShown = this;
    QString chosen;
    if (!gQueued.empty() || DialogAutomation::Enabled()) {
        if (gQueued.empty()) {
            return false;
        }
        chosen = gQueued.front();
        gQueued.pop_front();
    } else {
        QFileDialog dialog(parent, Title);
        dialog.setAcceptMode(kind_ == Open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
        dialog.setFileMode(kind_ == Open && FileMustExist ? QFileDialog::ExistingFile
                                                          : QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !OverwritePrompt);
        dialog.setOption(QFileDialog::ReadOnly, false);
        if (!Filter.isEmpty()) {
            dialog.setNameFilter(Filter);
        }
        if (!DefaultExt.isEmpty()) {
            dialog.setDefaultSuffix(DefaultExt);
        }
        QString dir = InitialDir;
        if (dir.isEmpty() && !FileName.isEmpty()) {
            dir = QFileInfo(FileName).absolutePath();
        }
        if (!dir.isEmpty()) {
            dialog.setDirectory(dir);
        }
        if (!FileName.isEmpty()) {
            dialog.selectFile(QFileInfo(FileName).fileName());
        }
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return false;
        }
        chosen = dialog.selectedFiles().constFirst();
    }
    if (chosen.isEmpty()) {
        return false;
    }
    if (!DefaultExt.isEmpty() && QFileInfo(chosen).suffix().isEmpty()) {
        chosen += QLatin1Char('.') + DefaultExt;
    }
    FileName = chosen;
    InitialDir = QFileInfo(chosen).absolutePath();
    return true;
}

void TFileDialog::QueueFileName(const QString& fileName) {
    gQueued.push_back(fileName);
}

int TFileDialog::PendingFileNames() {
    return static_cast<int>(gQueued.size());
}

void TFileDialog::ClearQueue() {
    gQueued.clear();
}

const TFileDialog* TFileDialog::LastShown() {
    return gLastShown;
}
