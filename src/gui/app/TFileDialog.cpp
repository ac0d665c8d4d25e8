// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/TFileDialog.h"

#include "gui/app/DialogAnswers.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {
const TFileDialog* gLastShown = nullptr;
} // namespace

bool TFileDialog::Execute(QWidget* parent) {
    gLastShown = this;
    QString chosen;
    const QString described =
        QStringList{kind_ == Open ? QStringLiteral("open") : QStringLiteral("save"), Title, Filter}
            .join(QLatin1Char(' '))
            .simplified();
    if (const std::optional<QString> queued = DialogAnswers::TakeFile(described)) {
        chosen = *queued;
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

const TFileDialog* TFileDialog::LastShown() {
    return gLastShown;
}
