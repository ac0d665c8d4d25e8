// The desktop's default application; Windows has its own in ShellOpenWin.cpp.
#include "platform/ShellOpen.h"

#include "app/AssociatedProgram.h"
#include "files/AtomicFile.h"

#include <QMimeDatabase>
#include <QMimeType>
#include <QProcess>
#include <QString>
#include <QStringList>

std::string GetAssociatedProgram(const std::string& extension) {
    const QMimeType type = QMimeDatabase().mimeTypeForFile(
        QStringLiteral("x.") + QString::fromUtf8(extension), QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault()) {
        return std::string();
    }
    const DesktopDirs dirs = DesktopDirsFromEnvironment(
        [](const char* name) { return qEnvironmentVariable(name).toStdString(); });
    return DesktopAssociatedProgram(type.name().toStdString(), dirs);
}

void ShellOpen(const std::string& program, const std::string& parameter,
               const std::string& workingDir) {
    const std::vector<std::string> command =
        SplitViewerCommand(program, [](const std::string& f) { return FileExists(f); });
    if (command.empty()) {
        return;
    }
    QStringList arguments;
    for (size_t i = 1; i < command.size(); ++i) {
        arguments << QString::fromStdString(command[i]);
    }
    arguments << QString::fromStdString(parameter);
    QProcess::startDetached(QString::fromStdString(command[0]), arguments,
                            QString::fromStdString(workingDir));
}
