// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Elsewhere than Windows the desktop's own opener (xdg-open, through Qt) starts the viewer the
// user chose for the file's type, with every form of command line that desktop entries allow.

#include "platform/ShellOpen.h"

#include "platform/TextCodec.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

void OpenWithRegisteredProgram(const std::string& fileName, const std::string& workingDir) {
    const QString path = QDir(FromUtf8(workingDir)).absoluteFilePath(FromUtf8(fileName));
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
