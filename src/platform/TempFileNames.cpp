// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TempFileNames.h"

#include "platform/TextCodec.h"

#include <QDir>
#include <QTemporaryFile>

std::string MakeTempFileName(const std::string& prefix) {
    QTemporaryFile file(QDir::tempPath() + QLatin1Char('/') + FromUtf8(prefix) +
                        QStringLiteral("XXXXXX.TMP"));
    file.setAutoRemove(false);
    if (!file.open()) {
        return {};
    }
    return ToUtf8(file.fileName());
}
