// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The card files used last, under "Datei" before the separator above "Beenden".

#include "core/files/AtomicFile.h"
#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

void TMainFrm::AddRecentCommands() {
    recentSeparator_ = Datei1->addSeparator();
    recentSeparator_->setObjectName(QStringLiteral("N5"));
    recentSeparator_->setVisible(false);
    for (int place = 0; place < RecentFiles::kMax; ++place) {
        QAction* action = Datei1->addAction(QString());
        action->setObjectName(QStringLiteral("Zuletzt%1").arg(place + 1));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, place] {
            RunGuarded([this, place] {
                const auto& names = recent_.Names();
                if (static_cast<size_t>(place) < names.size()) {
                    // A copy: opening changes the list.
                    const std::string name = names[static_cast<size_t>(place)];
                    OpenRecentFile(name);
                }
            });
        });
        recentCommands_.push_back(action);
    }
}

void TMainFrm::ReadRecentFiles() {
    // A file that cannot be read is reported by the settings' own reading.
    try {
        recent_.Read(IniFile(SettingsFileName()));
    } catch (const std::exception&) {
    }
    ShowRecentFiles();
}

void TMainFrm::ShowRecentFiles() {
    const auto& names = recent_.Names();
    for (size_t i = 0; i < recentCommands_.size(); ++i) {
        QAction* action = recentCommands_[i];
        if (i < names.size()) {
            QString shown = QDir::toNativeSeparators(FromUtf8(names[i]));
            shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        }
        action->setVisible(i < names.size());
    }
    recentSeparator_->setVisible(!names.empty());
}

void TMainFrm::ChangeRecentFiles(const std::function<bool(RecentFiles&)>& change) {
    if (!change(recent_)) {
        return;
    }
    ShowRecentFiles();
    IniFile ini(SettingsFileName());
    recent_.Write(ini);
}

void TMainFrm::RememberRecentFile(const std::string& fileName) {
    const std::string name = ToUtf8(QFileInfo(FromUtf8(fileName)).absoluteFilePath());
    ChangeRecentFiles([&name](RecentFiles& recent) { return recent.Add(name); });
}

void TMainFrm::OpenRecentFile(const std::string& fileName) {
    if (!FileExists(fileName)) {
        ChangeRecentFiles([&fileName](RecentFiles& recent) { return recent.Remove(fileName); });
        ShowMsg(QStringLiteral("Die Datei %1 gibt es nicht mehr. Sie wird aus der Liste der "
                               "zuletzt geöffneten Dateien entfernt.")
                    .arg(QDir::toNativeSeparators(FromUtf8(fileName))));
        return;
    }
    // As "Öffnen..." asks; a save that does not happen keeps the table.
    if (AskSaveChanges()) {
        SaveCardFileAs();
        if (document_.Changed()) {
            return;
        }
    }
    if (OpenNamedCardFile(fileName)) {
        RememberRecentFile(fileName);
    }
}
