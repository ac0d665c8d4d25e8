// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TempFileNames.h"

#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kNamePrefix = QStringLiteral("fendro-");
const QString kNameSuffix = QStringLiteral(".TMP");

#ifdef Q_OS_UNIX
// A process that still runs, or one we may not signal (another user's after a wrap of the
// numbers), keeps its files: only a file certainly left behind is deleted.
bool ProcessGone(qint64 pid) {
    if (pid <= 0 || pid == QCoreApplication::applicationPid()) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}
#endif

// The process id in "fendro-<pid>-...TMP", or 0 for any other name.
qint64 OwnerProcess(const QString& fileName) {
    if (!fileName.startsWith(kNamePrefix) || !fileName.endsWith(kNameSuffix)) {
        return 0;
    }
    const qsizetype dash = fileName.indexOf(QLatin1Char('-'), kNamePrefix.size());
    if (dash < 0) {
        return 0;
    }
    bool ok = false;
    const qint64 pid = fileName.mid(kNamePrefix.size(), dash - kNamePrefix.size()).toLongLong(&ok);
    return ok ? pid : 0;
}

} // namespace

std::string OwnTempFolder() {
#ifdef Q_OS_UNIX
    const std::string folder = ToUtf8(QDir::tempPath()) + "/fendro-" + std::to_string(::geteuid());
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) {
        return {};
    }
    // Ours, but opened up by someone: closed again before anything personal goes in.
    if ((st.st_mode & 077) != 0 && ::chmod(folder.c_str(), 0700) != 0) {
        return {};
    }
    return folder;
#else
    const QString folder = QDir::tempPath() + QStringLiteral("/fendro");
    const QFileInfo info(folder);
    if (info.isSymLink() || (!info.isDir() && !QDir().mkpath(folder))) {
        return {};
    }
    return ToUtf8(folder);
#endif
}

std::string MakeTempFileName(const std::string& folder, const std::string& prefix) {
    if (folder.empty()) {
        return {};
    }
    QTemporaryFile file(FromUtf8(folder) + QLatin1Char('/') + kNamePrefix +
                        QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') +
                        FromUtf8(prefix) + QStringLiteral("XXXXXX") + kNameSuffix);
    file.setAutoRemove(false);
    if (!file.open()) {
        return {};
    }
    return ToUtf8(file.fileName());
}

bool IsOwnPlainFile(const std::string& name) {
    if (name.empty()) {
        return false;
    }
#ifdef Q_OS_UNIX
    struct stat st {};
    return ::lstat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid();
#else
    const QFileInfo info(FromUtf8(name));
    return !info.isSymLink() && info.isFile();
#endif
}

void RemoveOwnTempFile(const std::string& name) {
    if (IsOwnPlainFile(name)) {
        QFile::remove(FromUtf8(name));
    }
}

void RemoveStaleTempFiles(const std::string& folder) {
#ifdef Q_OS_UNIX
    if (folder.empty()) {
        return;
    }
    const QDir dir(FromUtf8(folder));
    const QStringList names = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        if (ProcessGone(OwnerProcess(name))) {
            RemoveOwnTempFile(ToUtf8(dir.filePath(name)));
        }
    }
#else
    // Without a cheap test whether the process runs, another running copy's files could go.
    (void)folder;
#endif
}
