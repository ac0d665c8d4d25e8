// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/connection/uVerbFrm.h"

#include "core/connection/ComPortList.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/IniFile.h"
#include "core/files/Utf8Path.h"
#include "core/files/uGlobal.h"
#include "gui/app/Dialogs.h"
#include "platform/PortProbe.h"
#include "platform/ShellOpen.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include <filesystem>
#include <memory>
#include <system_error>

TVerbFrm* VerbFrm = nullptr;

namespace {

// A small plug with its cable, for the device list button.
QPixmap MakeDeviceListPicture() {
    QPixmap pixmap(19, 19);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.setBrush(QColor(90, 120, 170));
    p.drawRoundedRect(2, 3, 15, 8, 2, 2);
    p.setBrush(QColor(230, 230, 230));
    for (int i = 0; i < 4; ++i) {
        p.drawEllipse(QPointF(5 + i * 3, 7), 0.9, 0.9);
    }
    p.setPen(QPen(QColor(40, 40, 40), 2));
    p.drawLine(9, 11, 9, 17);
    return pixmap;
}

} // namespace

TVerbFrm::TVerbFrm(ConnectionSettings& settings, QWidget* parent)
    : QDialog(parent), connection_(settings) {
    setObjectName(QStringLiteral("VerbFrm"));
    setWindowTitle(QStringLiteral("Verbindungen"));
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setFixedSize(354, 152);

    auto label = [this](const char* name, const QString& text, int x, int y) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setGeometry(x, y, 70, 16);
        return l;
    };
    auto combo = [this](const char* name, int x, int y) {
        auto* c = new QComboBox(this);
        c->setObjectName(QString::fromLatin1(name));
        c->setEditable(false);
        c->setGeometry(x, y, 161, 21);
        return c;
    };
    auto button = [this](const char* name, const QString& text, int x, int y, int w, int h) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, w, h);
        b->setAutoDefault(false);
        return b;
    };

    Label1 = label("Label1", FromUtf8("Gerätetyp : "), 8, 16);
    Label2 = label("Label2", FromUtf8("COM-Port : "), 8, 48);
    Label3 = label("Label3", FromUtf8("Baudrate : "), 8, 80);
    ComboBox1 = combo("ComboBox1", 80, 8);
    ComboBox1->addItems({QStringLiteral("COM"), QStringLiteral("MMC")});
    ComboBox1->setCurrentIndex(-1);
    ComboBox2 = combo("ComboBox2", 80, 40);
    ComboBox3 = combo("ComboBox3", 80, 72);
    ComboBox3->addItems({QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                         QStringLiteral("9600"), QStringLiteral("14400"), QStringLiteral("19200"),
                         QStringLiteral("28800")});
    ComboBox3->setCurrentIndex(-1);
    BitBtn1 = button("BitBtn1", QString(), 264, 40, 57, 33);
    BitBtn1->setIcon(QIcon(MakeDeviceListPicture()));
    BitBtn1->setIconSize(QSize(19, 19));
    BitBtn1->setToolTip(FromUtf8("Geräteliste"));
    Button2 = button("Button2", FromUtf8("&Abbruch"), 80, 112, 75, 25);
    Button1 = button("Button1", FromUtf8("&OK"), 168, 112, 75, 25);

    setTabOrder(ComboBox1, Button1);
    setTabOrder(Button1, Button2);
    setTabOrder(Button2, ComboBox2);
    setTabOrder(ComboBox2, ComboBox3);
    setTabOrder(ComboBox3, BitBtn1);

    // Only the user's choice counts as a change; FormShow calls the handler itself.
    connect(ComboBox1, &QComboBox::activated, this,
            [this] { RunGuarded([this] { ComboBox1Change(); }); });
    connect(Button1, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { Button2Click(); }); });
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { BitBtn1Click(); }); });
}

void TVerbFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        RunGuarded([this] { FormShow(); });
    }
}

bool TVerbFrm::ComPortAvailable(int n) const {
    return ::ComPortAvailable(n, settings_);
}

void TVerbFrm::FormShow() {
    setWindowTitle(QStringLiteral("Verbindung"));
    Label1->setText(QStringLiteral("Verbindung"));
    Label2->setText(QStringLiteral("COM Port"));
    Label3->setText(QStringLiteral("Baudrate"));
    Button2->setText(QStringLiteral("Abbruch"));
    Button1->setText(QStringLiteral("OK"));

    const int type = ComboBox1->findText(FromAnsi(connection_.DeviceType), Qt::MatchFixedString);
    if (type >= 0) {
        ComboBox1->setCurrentIndex(type);
    }

    ComboBox2->clear();
    {
        // The mapping is read once for the whole probe; an unreadable file means no [Ports].
        std::unique_ptr<IniFile> ini;
        try {
            ini = std::make_unique<IniFile>(SettingsFileName());
        } catch (const std::exception&) {
        }
        settings_ = ini.get();
        for (const int n : AvailableComPorts([this](int n) { return ComPortAvailable(n); })) {
            ComboBox2->addItem(FromUtf8(ComItemText(n)));
        }
        settings_ = nullptr;
    }
    // Adding to an empty list selects its first item; the stored port is chosen below.
    ComboBox2->setCurrentIndex(-1);
    SelectStoredPort();

    const int baud = ComboBox3->findText(QString::number(connection_.BaudRate), Qt::MatchExactly);
    if (baud >= 0) {
        ComboBox3->setCurrentIndex(baud);
    }
    ComboBox1Change();
}

void TVerbFrm::SelectStoredPort() {
    const int port =
        ComboBox2->findText(FromUtf8(ComItemText(connection_.ComPort)), Qt::MatchExactly);
    if (port >= 0) {
        ComboBox2->setCurrentIndex(port);
    }
}

void TVerbFrm::ComboBox1Change() {
    const QString type = ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText() : QString();
    ComboBox3->setEnabled(true);
    Label3->setEnabled(true);
    if (type.contains(QStringLiteral("MMC"))) {
        ComboBox2->setEnabled(false);
        ComboBox3->setEnabled(false);
        Label2->setEnabled(false);
        Label3->setEnabled(false);
        return;
    }
    ComboBox2->setEnabled(true);
    ComboBox3->setEnabled(true);
    Label2->setEnabled(true);
    Label3->setEnabled(true);
    if (ComboBox2->count() > 0) {
        ComboBox2->setCurrentIndex(0);
    }
    SelectStoredPort();
}

void TVerbFrm::Button1Click() {
    const QString type = ComboBox1->currentIndex() >= 0 ? ComboBox1->currentText() : QString();
    connection_.DeviceType = ToAnsiLossy(type);
    if (ComboBox2->currentIndex() >= 0) {
        connection_.ComPort = ComNumberOfItem(ToUtf8(ComboBox2->currentText()));
    }
    if (ComboBox3->currentIndex() >= 0) {
        connection_.BaudRate = ComboBox3->currentText().toInt();
    }
    // Written at once, so a program that is killed later keeps the choice; the dialog closes
    // also when the write fails, and the error is shown after.
    accept();
    SaveConnectionSettings(connection_);
}

void TVerbFrm::Button2Click() {
    reject();
}

void TVerbFrm::BitBtn1Click() {
#ifdef _WIN32
    // The shell's answer does not matter; the dialog stays as it is.
    ShellOpen("devmgmt.msc", std::string(), std::string());
#else
    if (deviceList_ == nullptr) {
        // A child window stays usable while this dialog is modal.
        deviceList_ = new QDialog(this, Qt::Window);
        deviceList_->setObjectName(QStringLiteral("DeviceList"));
        deviceList_->setWindowTitle(QStringLiteral("Serielle Schnittstellen"));
        deviceList_->resize(520, 260);
        auto* layout = new QVBoxLayout(deviceList_);
        deviceTable_ = new QTableWidget(0, 3, deviceList_);
        deviceTable_->setObjectName(QStringLiteral("DeviceTable"));
        deviceTable_->setHorizontalHeaderLabels(
            {QStringLiteral("Port"), QStringLiteral("Ger\u00e4t"), QStringLiteral("Beschreibung")});
        deviceTable_->verticalHeader()->hide();
        deviceTable_->horizontalHeader()->setStretchLastSection(true);
        deviceTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        deviceTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
        layout->addWidget(deviceTable_);
        auto* close = new QPushButton(QStringLiteral("Schlie\u00dfen"), deviceList_);
        close->setAutoDefault(false);
        connect(close, &QPushButton::clicked, deviceList_, &QDialog::close);
        layout->addWidget(close, 0, Qt::AlignRight);
    }
    FillDeviceList();
    deviceList_->show();
    deviceList_->raise();
    deviceList_->activateWindow();
#endif
}

void TVerbFrm::FillDeviceList() {
    std::unique_ptr<IniFile> ini;
    try {
        ini = std::make_unique<IniFile>(SettingsFileName());
    } catch (const std::exception&) {
    }
    std::vector<SerialDeviceInfo> devices = ListSerialDevices();
    // Devices given under [Ports] (pseudo-terminals, links) are not in the system's list.
    if (ini != nullptr) {
        for (const auto& entry : ini->ReadSectionValues("Ports")) {
            if (ComNumberOfItem(entry.first) == 0 || entry.second.empty()) {
                continue;
            }
            bool known = false;
            for (const auto& d : devices) {
                known = known || d.path == entry.second;
            }
            std::error_code ec;
            if (!known && std::filesystem::exists(PathFromUtf8(entry.second), ec)) {
                devices.push_back({entry.second, "Eintrag in [Ports]"});
            }
        }
    }
    deviceTable_->setRowCount(static_cast<int>(devices.size()));
    int row = 0;
    for (const auto& d : devices) {
        const int n = ComNumberOfDevice(d.path, ini.get());
        deviceTable_->setItem(
            row, 0, new QTableWidgetItem(n > 0 ? FromUtf8(ComItemText(n)) : QStringLiteral("-")));
        deviceTable_->setItem(row, 1, new QTableWidgetItem(FromUtf8(d.path)));
        deviceTable_->setItem(row, 2, new QTableWidgetItem(FromUtf8(d.description)));
        ++row;
    }
    deviceTable_->resizeColumnToContents(0);
    deviceTable_->resizeColumnToContents(1);
}
