// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The connection dialog through the real window, with pseudo-terminals as serial ports.

#include "core/files/ConnectionSettings.h"
#include "core/files/IniFile.h"
#include "core/files/uGlobal.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/uMainFrm.h"
#include "gui/connection/uVerbFrm.h"
#include "support/GuiTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSerialPort>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <map>

namespace {

// A pseudo-terminal whose slave side stands in for a serial port.
class Pty {
public:
    Pty() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0) {
            path_ = ptsname(master_);
        }
    }
    ~Pty() {
        if (master_ >= 0) {
            close(master_);
        }
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    const std::string& Path() const { return path_; }

private:
    int master_ = -1;
    std::string path_;
};

// Maps every COM number: the given ones to pseudo-terminals, all others to files that do not
// exist, so that the machine's own ports do not show up.
void MapPorts(const ProgramUnderTest& program, const std::map<int, const Pty*>& ports) {
    // Written in one go: the program's own writes store the whole file for every key.
    std::string section = "[Ports]\r\n";
    for (int n = 1; n <= 255; ++n) {
        const auto it = ports.find(n);
        section += "COM" + std::to_string(n) + "=" +
                   (it != ports.end() ? it->second->Path()
                                      : program.Dir().File("none" + std::to_string(n))) +
                   "\r\n";
    }
    std::string text = ReadBytes(program.SettingsFile());
    const size_t old = text.find("[Ports]");
    if (old != std::string::npos) {
        text.resize(old);
    }
    WriteBytes(program.SettingsFile(), text + section);
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i) {
        items << box->itemText(i);
    }
    return items;
}

QStringList L(std::initializer_list<const char*> items) {
    QStringList out;
    for (const char* i : items) {
        out << QString::fromLatin1(i);
    }
    return out;
}

QString Selected(const QComboBox* box) {
    return box->currentIndex() >= 0 ? box->currentText() : QString();
}

// The main window's values, which the dialog shows and stores.
ConnectionSettings& Settings() {
    return MainFrm->Connection();
}

void ShowDialog() {
    VerbFrm->show();
    QApplication::processEvents();
}

} // namespace

class ConnectionTest : public QObject {
    Q_OBJECT
private slots:
    void listsTheOpenablePortsAndSelectsTheStoredOne();
    void portHeldByAnotherProgramIsNotOffered();
    void memoryCardTypeIgnoresCaseAndKeepsSelections();
    void switchingToComSelectsStoredElseFirstPort();
    void okStoresAndCancelLeavesEverything();
    void missingSelectionsLeaveSettingsUnchanged();
    void deviceListShowsMappedNumbers();
    void connectionCommandFromTheMenu();
};

void ConnectionTest::listsTheOpenablePortsAndSelectsTheStoredOne() {
    ProgramUnderTest program;
    Pty p1, p3, p12;
    QVERIFY(!p1.Path().empty());
    MapPorts(program, {{1, &p1}, {3, &p3}, {12, &p12}});
    Settings().ComPort = 12;
    Settings().DeviceType = "COM";
    Settings().BaudRate = 19200;
    ShowDialog();
    QCOMPARE(Items(VerbFrm->ComboBox2), L({"COM1", "COM3", "COM12"}));
    QCOMPARE(Selected(VerbFrm->ComboBox2), QStringLiteral("COM12"));
    QCOMPARE(Selected(VerbFrm->ComboBox1), QStringLiteral("COM"));
    QCOMPARE(Selected(VerbFrm->ComboBox3), QStringLiteral("19200"));
    QVERIFY(VerbFrm->ComboBox2->isEnabled());
    QVERIFY(VerbFrm->ComboBox3->isEnabled());
    // The texts of every show replace those of the layout.
    QCOMPARE(VerbFrm->windowTitle(), QStringLiteral("Verbindung"));
    QCOMPARE(VerbFrm->Label1->text(), QStringLiteral("Verbindung"));
    QCOMPARE(VerbFrm->Label2->text(), QStringLiteral("COM Port"));
    QCOMPARE(VerbFrm->Label3->text(), QStringLiteral("Baudrate"));
    QCOMPARE(VerbFrm->Button1->text(), QStringLiteral("OK"));
    QCOMPARE(VerbFrm->Button2->text(), QStringLiteral("Abbruch"));
    // Tab order: type, OK, Abbruch, port, baud rate, device list.
    QCOMPARE(VerbFrm->ComboBox1->nextInFocusChain(), VerbFrm->Button1);
    QCOMPARE(VerbFrm->Button1->nextInFocusChain(), VerbFrm->Button2);
    QCOMPARE(VerbFrm->Button2->nextInFocusChain(), VerbFrm->ComboBox2);
    QCOMPARE(VerbFrm->ComboBox2->nextInFocusChain(), VerbFrm->ComboBox3);
    QCOMPARE(VerbFrm->ComboBox3->nextInFocusChain(), VerbFrm->BitBtn1);
    VerbFrm->Button2->click();

    // The stored port is gone: in COM mode the first one found is taken.
    Settings().ComPort = 0;
    ShowDialog();
    QCOMPARE(Selected(VerbFrm->ComboBox2), QStringLiteral("COM1"));
    VerbFrm->Button1->click();
    QCOMPARE(Settings().ComPort, 1);

    // Each show probes afresh: a port that appeared is offered.
    Pty p255;
    MapPorts(program, {{1, &p1}, {255, &p255}});
    Settings().ComPort = 255;
    ShowDialog();
    QCOMPARE(Items(VerbFrm->ComboBox2), L({"COM1", "COM255"}));
    QCOMPARE(Selected(VerbFrm->ComboBox2), QStringLiteral("COM255"));
    VerbFrm->Button1->click();
    QCOMPARE(Settings().ComPort, 255);
    QVERIFY(DialogAnswers::TakeShown().isEmpty());
}

void ConnectionTest::portHeldByAnotherProgramIsNotOffered() {
    ProgramUnderTest program;
    Pty p1, p3;
    MapPorts(program, {{1, &p1}, {3, &p3}});
    QSerialPort holder;
    holder.setPortName(QString::fromStdString(p3.Path()));
    QVERIFY(holder.open(QIODevice::ReadWrite));
    Settings().ComPort = 3;
    Settings().DeviceType = "COM";
    ShowDialog();
    QCOMPARE(Items(VerbFrm->ComboBox2), L({"COM1"}));
    QCOMPARE(Selected(VerbFrm->ComboBox2), QStringLiteral("COM1"));
    VerbFrm->Button2->click();
    holder.close();
    ShowDialog();
    QCOMPARE(Items(VerbFrm->ComboBox2), L({"COM1", "COM3"}));
    VerbFrm->Button2->click();
}

void ConnectionTest::memoryCardTypeIgnoresCaseAndKeepsSelections() {
    ProgramUnderTest program;
    Pty p1, p3;
    MapPorts(program, {{1, &p1}, {3, &p3}});
    Settings().DeviceType = "mmc";
    Settings().ComPort = 3;
    Settings().BaudRate = 4800;
    ShowDialog();
    QCOMPARE(Selected(VerbFrm->ComboBox1), QStringLiteral("MMC"));
    QVERIFY(!VerbFrm->ComboBox2->isEnabled());
    QVERIFY(!VerbFrm->ComboBox3->isEnabled());
    QVERIFY(!VerbFrm->Label2->isEnabled());
    QVERIFY(!VerbFrm->Label3->isEnabled());
    QVERIFY(VerbFrm->BitBtn1->isEnabled());
    QCOMPARE(Selected(VerbFrm->ComboBox2), QStringLiteral("COM3"));
    // The disabled lists' selections are stored all the same.
    VerbFrm->Button1->click();
    QCOMPARE(QString::fromStdString(Settings().DeviceType), QStringLiteral("MMC"));
    QCOMPARE(Settings().ComPort, 3);
    QCOMPARE(Settings().BaudRate, 4800);

    // With the stored port gone the port list has no selection in MMC mode.
    Settings().ComPort = 9;
    ShowDialog();
    QCOMPARE(Selected(VerbFrm->ComboBox2), QString());
    VerbFrm->Button1->click();
    QCOMPARE(Settings().ComPort, 9);
}

void ConnectionTest::switchingToComSelectsStoredElseFirstPort() {
    ProgramUnderTest program;
    Pty p1, p3;
    MapPorts(program, {{1, &p1}, {3, &p3}});
    Settings().DeviceType = "MMC";
    Settings().ComPort = 3;
    ShowDialog();
    VerbFrm->ComboBox2->setCurrentIndex(-1);
    VerbFrm->ComboBox1->setFocus();
    // The arrow key changes the type as the user would.
    QTest::keyClick(VerbFrm->ComboBox1, Qt::Key_Up);
    QCOMPARE(Selected(VerbFrm->ComboBox1), QStringLiteral("COM"));
    QVERIFY(VerbFrm->ComboBox2->isEnabled());
    QVERIFY(VerbFrm->Label2->isEnabled());
    QCOMPARE(Selected(VerbFrm->ComboBox2), QStringLiteral("COM3"));
    QTest::keyClick(VerbFrm->ComboBox1, Qt::Key_Down);
    QVERIFY(!VerbFrm->ComboBox2->isEnabled());
    Settings().ComPort = 7;
    QTest::keyClick(VerbFrm->ComboBox1, Qt::Key_Up);
    QCOMPARE(Selected(VerbFrm->ComboBox2), QStringLiteral("COM1"));
    VerbFrm->Button2->click();
}

void ConnectionTest::okStoresAndCancelLeavesEverything() {
    ProgramUnderTest program;
    Pty p1, p3;
    MapPorts(program, {{1, &p1}, {3, &p3}});
    Settings().DeviceType = "COM";
    Settings().ComPort = 1;
    Settings().BaudRate = 9600;
    ShowDialog();
    VerbFrm->ComboBox1->setCurrentIndex(1);
    VerbFrm->ComboBox2->setCurrentIndex(1);
    VerbFrm->ComboBox3->setCurrentIndex(6);
    VerbFrm->Button2->click();
    QVERIFY(!VerbFrm->isVisible());
    QCOMPARE(QString::fromStdString(Settings().DeviceType), QStringLiteral("COM"));
    QCOMPARE(Settings().ComPort, 1);
    QCOMPARE(Settings().BaudRate, 9600);
    QVERIFY(!IniFile(program.SettingsFile()).ValueExists("Main", "COMPort"));

    ShowDialog();
    VerbFrm->ComboBox2->setCurrentIndex(1);
    VerbFrm->ComboBox3->setCurrentIndex(0);
    VerbFrm->Button1->click();
    QVERIFY(!VerbFrm->isVisible());
    QCOMPARE(VerbFrm->result(), int(QDialog::Accepted));
    QCOMPARE(Settings().ComPort, 3);
    QCOMPARE(Settings().BaudRate, 1200);

    // OK writes them at once, not only when the program ends.
    IniFile ini(program.SettingsFile());
    QCOMPARE(ini.ReadInteger("Main", "COMPort", 0), 3);
    QCOMPARE(ini.ReadInteger("Main", "Baudrate", 0), 1200);
    QCOMPARE(QString::fromStdString(ini.ReadString("Main", "TypGeraet", "")),
             QStringLiteral("COM"));
}

void ConnectionTest::missingSelectionsLeaveSettingsUnchanged() {
    ProgramUnderTest program;
    MapPorts(program, {});
    // The start-up default type matches no item; the stored rate is none of the seven.
    Settings().DeviceType = "RV";
    Settings().ComPort = 5;
    Settings().BaudRate = 1234;
    ShowDialog();
    QCOMPARE(VerbFrm->ComboBox2->count(), 0);
    QCOMPARE(Selected(VerbFrm->ComboBox1), QString());
    QCOMPARE(Selected(VerbFrm->ComboBox3), QString());
    // Nothing chosen counts as the serial way.
    QVERIFY(VerbFrm->ComboBox2->isEnabled());
    QVERIFY(VerbFrm->ComboBox3->isEnabled());
    VerbFrm->Button1->click();
    QCOMPARE(QString::fromStdString(Settings().DeviceType), QString());
    QCOMPARE(Settings().ComPort, 5);
    QCOMPARE(Settings().BaudRate, 1234);

    // A later show keeps the selection left from the earlier one.
    Settings().BaudRate = 2400;
    Settings().DeviceType = "MMC";
    ShowDialog();
    VerbFrm->Button2->click();
    Settings().BaudRate = 777;
    Settings().DeviceType = "XQ";
    ShowDialog();
    QCOMPARE(Selected(VerbFrm->ComboBox3), QStringLiteral("2400"));
    QCOMPARE(Selected(VerbFrm->ComboBox1), QStringLiteral("MMC"));
    VerbFrm->Button2->click();
}

void ConnectionTest::deviceListShowsMappedNumbers() {
    ProgramUnderTest program;
    Pty p3;
    MapPorts(program, {{3, &p3}});
    ShowDialog();
    VerbFrm->BitBtn1->click();
    QDialog* list = VerbFrm->DeviceList();
    QVERIFY(list != nullptr);
    QVERIFY(list->isVisible());
    // The dialog stays open beside the list.
    QVERIFY(VerbFrm->isVisible());
    auto* table = list->findChild<QTableWidget*>(QStringLiteral("DeviceTable"));
    QVERIFY(table != nullptr);
    bool seen = false;
    for (int r = 0; r < table->rowCount(); ++r) {
        if (table->item(r, 1)->text() == QString::fromStdString(p3.Path())) {
            QCOMPARE(table->item(r, 0)->text(), QStringLiteral("COM3"));
            seen = true;
        }
    }
    QVERIFY(seen);
    list->close();
    VerbFrm->Button2->click();
}

void ConnectionTest::connectionCommandFromTheMenu() {
    ProgramUnderTest program;
    MapPorts(program, {});
    MainFrm->Document().SetFileName(program.Dir().File("k.csv"));
    MainFrm->Document().SetChanged(false);
    MainFrm->setWindowTitle(QStringLiteral("vexa Fendro 3.03 [k.csv]"));
    bool shown = false;
    QTimer::singleShot(0, VerbFrm, [&] {
        shown = VerbFrm->isVisible();
        VerbFrm->Button2->click();
    });
    MainFrm->Verbindung1->trigger();
    QVERIFY(shown);
    QVERIFY(MainFrm->Document().FileName().empty());
    QCOMPARE(MainFrm->windowTitle(), QStringLiteral("vexa Fendro 3.03"));
    QVERIFY(!MainFrm->Document().Changed());

    // Unsaved edits answered with Yes: the save runs and the dialog is not shown.
    MainFrm->Document().SetChanged(true);
    MainFrm->Document().SetFileName(program.Dir().File("k.csv"));
    DialogAnswers::QueueYesNo(true);
    DialogAnswers::QueueFile(QString());
    shown = false;
    QTimer::singleShot(0, VerbFrm, [&] {
        shown = VerbFrm->isVisible();
        VerbFrm->close();
    });
    MainFrm->Verbindung1->trigger();
    QApplication::processEvents();
    QVERIFY(!shown);
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QString::fromUtf8("?: Daten geändert ?")});
    QCOMPARE(MainFrm->Document().FileName(), program.Dir().File("k.csv"));

    // Answered with No: the cards stay, but no longer belong to a file.
    DialogAnswers::QueueYesNo(false);
    QTimer::singleShot(0, VerbFrm, [&] {
        shown = VerbFrm->isVisible();
        VerbFrm->Button2->click();
    });
    MainFrm->Verbindung1->trigger();
    QVERIFY(shown);
    QVERIFY(MainFrm->Document().FileName().empty());
    QVERIFY(!MainFrm->Document().Changed());
}

QTEST_MAIN(ConnectionTest)
#include "connection_guitest.moc"
