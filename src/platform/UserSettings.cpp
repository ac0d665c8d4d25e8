// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UserSettings.h"

#include "core/files/SettingsLocation.h"
#include "platform/TextCodec.h"

#include <QStandardPaths>

std::string SettingsFileFor(const std::string& besideProgram) {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return ChooseSettingsFile(
        besideProgram,
        config.isEmpty() ? std::string() : ToUtf8(config + QStringLiteral("/fendro/fendro.ini")));
}
