// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Both transfers through the real serial port layer and the transfer window, against
// fendro-devsim on a pseudo-terminal.

#include "core/exchange/SerialLink.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/uGlobal.h"
#include "gui/exchange/uTransferFrm.h"
#include "platform/QtSerialPort.h"
#include "support/DeviceSimulator.h"
#include "support/TempDir.h"

#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

const QString kDevsim = QStringLiteral(FENDRO_BINARY_DIR "/fendro-devsim");
const QString kTool = QStringLiteral(FENDRO_BINARY_DIR "/fendro-tool");
constexpr int kCom = 9;

// fendro-devsim serving one opening of the port, until the test ends.
class Simulator : public DeviceSimulator {
public:
    Simulator(const TempDir& dir, QStringList args)
        : DeviceSimulator(dir.File("fendro.ini"), kCom, args << QStringLiteral("--once")) {}
};

std::string SendLine(const std::string& name, const std::string& street, const std::string& town) {
    std::string line(166, ' ');
    line.replace(58, name.size(), name);
    line.replace(78, street.size(), street);
    line.replace(98, town.size(), town);
    return line + "\r\n";
}

QStringList Lines(const TTransferFrm& frm) {
    QStringList lines;
    for (int i = 0; i < frm.ListBox1->count(); ++i) {
        lines << frm.ListBox1->item(i)->text();
    }
    return lines;
}

// Every line of the list in view and whole: 13 pixels high, its text within the list's width.
QString LinesNotWhole(const TTransferFrm& frm) {
    QStringList cut;
    const QListWidget& list = *frm.ListBox1;
    const QRect view = list.viewport()->rect();
    for (int i = 0; i < list.count(); ++i) {
        const QRect r = list.visualItemRect(list.item(i));
        const int textWidth = list.fontMetrics().horizontalAdvance(list.item(i)->text());
        if (r.height() != 13 || !view.contains(r) || textWidth + 6 > view.width()) {
            cut << list.item(i)->text();
        }
    }
    return cut.join(QLatin1Char('|'));
}

} // namespace

class SerialTransferTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void sendsFiftyCards();
    void receivesTwoHundredRecordsByteForByte();
    void abortWhileWaitingForTheFirstByte();
    void vanishingDeviceEndsTheReceive();
    void vanishingDeviceEndsTheSend();
    void toolReceivesAndReportsTheOutcome();
    void toolTakesTheProgramsDeviceTypeDefault();

private:
    // Presses S in the transfer window once the link waits for it.
    void PressSLater(int ms) {
        QTimer::singleShot(ms, frm, [this] { QTest::keyClick(frm->Button1, Qt::Key_S); });
    }

    TempDir* dir = nullptr;
    ConnectionSettings settings;
    TTransferFrm* frm = nullptr;
};

void SerialTransferTest::init() {
    dir = new TempDir;
    SetSettingsFileName(dir->File("fendro.ini"));
    settings.ComPort = kCom;
    settings.BaudRate = 9600;
    settings.DeviceType = "COM";
    frm = new TTransferFrm(settings);
    frm->show();
}

void SerialTransferTest::cleanup() {
    delete frm;
    frm = nullptr;
    SetSettingsFileName(std::string());
    delete dir;
    dir = nullptr;
}

void SerialTransferTest::sendsFiftyCards() {
    std::string file;
    std::string expected;
    for (int i = 1; i <= 50; ++i) {
        const std::string name = "Kunde M\xFCller " + std::to_string(i);
        const std::string street = "Hauptstra\xDF"
                                   "e " +
                                   std::to_string(i);
        file += SendLine(name, street, "K\xF6ln");
        expected += name + "," + street + ",K\xF6ln\r\n";
    }
    WriteBytes(dir->File("send.raw"), file);
    Simulator sim(*dir, {QStringLiteral("receive"), QStringLiteral("--names"),
                         QString::fromStdString(dir->File("names.txt"))});
    QVERIFY(!sim.Published().isEmpty());

    PressSLater(200);
    QVERIFY(frm->Link().SendToDevice(dir->File("send.raw")));
    const QStringList lines = Lines(*frm);
    QCOMPARE(lines.mid(lines.size() - 4),
             (QStringList{QString::fromUtf8("Datensatz 50 von 50 übertragen."),
                          QStringLiteral("Daten wurden korrekt gelesen bzw. geschrieben"),
                          QString(), QStringLiteral("COM 9 ist geschlossen.")}));
    QVERIFY(sim.Finished(5000));
    QCOMPARE(ReadBytes(dir->File("names.txt")), expected);
    QVERIFY2(sim.Report().contains(
                 QString::fromUtf8("Leitung: 9600 Baud, 8 Datenbits, Parität keine, 2 Stoppbits")),
             qPrintable(sim.Report()));
}

void SerialTransferTest::receivesTwoHundredRecordsByteForByte() {
    QCOMPARE(QProcess::execute(kDevsim, {QStringLiteral("generate"), QStringLiteral("200"),
                                         QString::fromStdString(dir->File("device.raw")),
                                         QStringLiteral("--seed"), QStringLiteral("5")}),
             0);
    const std::string sent = ReadBytes(dir->File("device.raw"));
    QCOMPARE(sent.size(), size_t(200 * 168));
    Simulator sim(*dir, {QStringLiteral("send"), QStringLiteral("--file"),
                         QString::fromStdString(dir->File("device.raw")), QStringLiteral("--delay"),
                         QStringLiteral("100")});
    const QString path = sim.Published();
    QVERIFY(!path.isEmpty());

    // The control unit's way: S first, then the device sends. Meanwhile the port is ours alone.
    settings.DeviceType = "T7Q";
    bool secondOpen = true;
    QTimer::singleShot(150, frm, [&] {
        QtSerialPort other;
        secondOpen = other.Open(path.toStdString());
        other.Close();
    });
    // While the link waits for S, the operator reads every instruction whole.
    QStringList waiting;
    QString cut = QStringLiteral("not checked");
    QTimer::singleShot(250, frm, [&] {
        waiting = Lines(*frm);
        cut = LinesNotWhole(*frm);
    });
    PressSLater(300);
    QVERIFY(frm->Link().ReceiveFromDevice(dir->File("got.raw")));
    QVERIFY(ReadBytes(dir->File("got.raw")) == sent);
    QCOMPARE(waiting.size(), 10);
    QCOMPARE(waiting.first(), QString::fromUtf8("COM9 ist geöffnet."));
    QCOMPARE(cut, QString());
    QVERIFY(frm->ListBox1->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff);
    QVERIFY(!secondOpen);
    const QStringList lines = Lines(*frm);
    QCOMPARE(lines.mid(lines.size() - 4),
             (QStringList{QString::fromUtf8("200 Datensätze übertragen"),
                          QStringLiteral("Daten wurden korrekt gelesen bzw. geschrieben"),
                          QString(), QStringLiteral("COM 9 ist geschlossen.")}));
}

void SerialTransferTest::abortWhileWaitingForTheFirstByte() {
    Simulator sim(*dir, {QStringLiteral("send"), QStringLiteral("--count"), QStringLiteral("5"),
                         QStringLiteral("--delay"), QStringLiteral("60000")});
    QVERIFY(!sim.Published().isEmpty());
    QTimer::singleShot(500, frm, [this] { frm->Button1->click(); });
    QElapsedTimer t;
    t.start();
    QVERIFY(!frm->Link().ReceiveFromDevice(dir->File("got.raw")));
    QVERIFY(t.elapsed() < 3000);
    QVERIFY(!frm->isVisible());
    QCOMPARE(ReadBytes(dir->File("got.raw")), std::string());
    const QStringList lines = Lines(*frm);
    QCOMPARE(lines.mid(lines.size() - 4),
             (QStringList{QStringLiteral("Abbruch durch Benutzer"),
                          QString::fromUtf8("Keine Verbindung zum Messgerät"), QString(),
                          QStringLiteral("COM 9 ist geschlossen.")}));

    // The port is free again at once.
    QTimer::singleShot(300, frm, [this] { QTest::keyClick(frm->Button1, Qt::Key_Escape); });
    QVERIFY(!frm->Link().SendToDevice(dir->File("got.raw")));
    QVERIFY(Lines(*frm).contains(QString::fromUtf8("COM9 ist geöffnet.")));
    QVERIFY(Lines(*frm).contains(QString::fromUtf8("Verbindung zum Messgerät nicht möglich")));
}

void SerialTransferTest::vanishingDeviceEndsTheReceive() {
    Simulator sim(*dir, {QStringLiteral("send"), QStringLiteral("--count"), QStringLiteral("20"),
                         QStringLiteral("--delay"), QStringLiteral("100"),
                         QStringLiteral("--vanish-at"), QStringLiteral("1000")});
    QVERIFY(!sim.Published().isEmpty());
    QElapsedTimer t;
    t.start();
    QVERIFY(!frm->Link().ReceiveFromDevice(dir->File("got.raw")));
    QVERIFY2(t.elapsed() < 2000, "the receive waited for the silence");
    QCOMPARE(ReadBytes(dir->File("got.raw")).size(), size_t(1000));
    const QStringList lines = Lines(*frm);
    QCOMPARE(lines.mid(lines.size() - 3),
             (QStringList{QString::fromUtf8("Keine Verbindung zum Messgerät"), QString(),
                          QStringLiteral("COM 9 ist geschlossen.")}));
}

void SerialTransferTest::vanishingDeviceEndsTheSend() {
    std::string file;
    for (int i = 0; i < 100; ++i) {
        file += SendLine("Name " + std::to_string(i), "Weg", "Ort");
    }
    WriteBytes(dir->File("send.raw"), file);
    Simulator sim(*dir, {QStringLiteral("receive"), QStringLiteral("--names"),
                         QString::fromStdString(dir->File("names.txt")), QStringLiteral("--late"),
                         QStringLiteral("20")});
    QVERIFY(!sim.Published().isEmpty());
    PressSLater(100);
    QTimer::singleShot(600, frm, [&sim] { sim.Kill(); });
    QElapsedTimer t;
    t.start();
    QVERIFY(!frm->Link().SendToDevice(dir->File("send.raw")));
    QVERIFY(t.elapsed() < 4000);
    const QStringList lines = Lines(*frm);
    QVERIFY(lines.contains(QString::fromUtf8("Daten gesendet aber Messgerät antwortet nicht.")));
    QCOMPARE(lines.last(), QStringLiteral("COM 9 ist geschlossen."));
}

void SerialTransferTest::toolReceivesAndReportsTheOutcome() {
    Simulator sim(*dir,
                  {QStringLiteral("send"), QStringLiteral("--count"), QStringLiteral("3"),
                   QStringLiteral("--delay"), QStringLiteral("100"), QStringLiteral("--save-sent"),
                   QString::fromStdString(dir->File("sent.raw"))});
    QVERIFY(!sim.Published().isEmpty());
    QProcess tool;
    tool.start(kTool, {QStringLiteral("receive"), QStringLiteral("--port"), QString::number(kCom),
                       QStringLiteral("--type"), QStringLiteral("T7Q"), QStringLiteral("--ini"),
                       QString::fromStdString(dir->File("fendro.ini")),
                       QString::fromStdString(dir->File("got.raw"))});
    QVERIFY(tool.waitForStarted());
    tool.write("xs");
    tool.closeWriteChannel();
    QVERIFY(tool.waitForFinished(10000));
    QCOMPARE(tool.exitCode(), 0);
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    QVERIFY(out.contains(QString::fromUtf8("4. Drücken Sie die Taste S am PC\n")));
    QVERIFY(out.contains(QString::fromUtf8("3 Datensätze übertragen\n")));
    QVERIFY(ReadBytes(dir->File("got.raw")) == ReadBytes(dir->File("sent.raw")));

    // A port that does not open is a failure.
    QProcess failing;
    failing.start(kTool, {QStringLiteral("send"), QStringLiteral("--port"), QStringLiteral("0"),
                          QStringLiteral("--start"), QString::fromStdString(dir->File("got.raw"))});
    QVERIFY(failing.waitForFinished(10000));
    QCOMPARE(failing.exitCode(), 1);
    QCOMPARE(QString::fromUtf8(failing.readAllStandardOutput()),
             QString::fromUtf8("Kann Verbindung über COM0 nicht öffnen\n"));
}

void SerialTransferTest::toolTakesTheProgramsDeviceTypeDefault() {
    // The settings file names the port but no device type: the program's default "RV" holds.
    WriteBytes(dir->File("send.raw"), SendLine("Meier", "Weg 1", "Ulm"));
    Simulator sim(*dir, {QStringLiteral("receive"), QStringLiteral("--names"),
                         QString::fromStdString(dir->File("names.txt"))});
    QVERIFY(!sim.Published().isEmpty());
    QProcess tool;
    tool.start(kTool, {QStringLiteral("send"), QStringLiteral("--port"), QString::number(kCom),
                       QStringLiteral("--ini"), QString::fromStdString(dir->File("fendro.ini")),
                       QStringLiteral("--start"), QString::fromStdString(dir->File("send.raw"))});
    QVERIFY(tool.waitForFinished(10000));
    const QString out = QString::fromUtf8(tool.readAllStandardOutput());
    QCOMPARE(tool.exitCode(), 0);
    QVERIFY2(out.contains(QString::fromUtf8("Vebinden Sie das vexa® RV mit COM 9 und\n")),
             qPrintable(out));
}

QTEST_MAIN(SerialTransferTest)
#include "SerialTransfer_guitest.moc"
