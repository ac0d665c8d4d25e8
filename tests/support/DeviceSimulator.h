// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// fendro-devsim as a process of the test, publishing its pseudo-terminal under a COM number in
// a settings file.

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <string>

class DeviceSimulator {
public:
    // `args` is the mode and its options; the port and the settings file are added.
    DeviceSimulator(const std::string& settingsFile, int com, QStringList args) {
        args << QStringLiteral("--com") << QString::number(com) << QStringLiteral("--ini")
             << QString::fromStdString(settingsFile);
        process_.start(QStringLiteral(FENDRO_BINARY_DIR "/fendro-devsim"), args);
    }
    ~DeviceSimulator() {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(3000);
        }
    }
    DeviceSimulator(const DeviceSimulator&) = delete;
    DeviceSimulator& operator=(const DeviceSimulator&) = delete;

    // Waits for the published path; empty when the simulator did not come up.
    QString Published() {
        QElapsedTimer t;
        t.start();
        while (!process_.canReadLine() && t.elapsed() < 5000) {
            process_.waitForReadyRead(100);
        }
        const QString line = QString::fromUtf8(process_.readLine()).trimmed();
        return line.section(QStringLiteral(" = "), 1);
    }
    bool Finished(int ms) { return process_.waitForFinished(ms); }
    // What the simulator reported so far.
    QString Report() {
        report_ += QString::fromUtf8(process_.readAllStandardError());
        return report_;
    }
    void Kill() { process_.kill(); }
    QProcess& Process() { return process_; }

private:
    QProcess process_;
    QString report_;
};
