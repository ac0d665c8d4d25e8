// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Program.h"

#include "core/files/uGlobal.h"
#include "gui/app/Forms.h"
#include "gui/app/uMainFrm.h"
#include "platform/TextCodec.h"
#include "platform/UserSettings.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int RunProgram(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fendro"));
    // Ties the windows to the desktop entry fendro.desktop (its icon and name in task bars).
    QGuiApplication::setDesktopFileName(QStringLiteral("fendro"));
    // No display name: on X11 Qt would append it to every window caption.
    // Qt's own dialogs (file, printer) speak German like the rest of the program.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTexts);
    }
    SetProgramFileName(ToUtf8(QCoreApplication::applicationFilePath()));
    // An installed program never writes its own folder; the user's folder keeps the file.
    SetSettingsFileName(SettingsFileFor(ProgramFileWithExtension(".ini")));
    CreateForms();
    MainFrm->show();
    const int rc = QApplication::exec();
    DestroyForms();
    return rc;
}
