// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The connection dialog: serial port or memory card, port and baud rate.

#include <QDialog>

struct ConnectionSettings;
class IniFile;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class TVerbFrm : public QDialog {
    Q_OBJECT
public:
    // Shows `settings` and stores the user's choice in them on OK.
    explicit TVerbFrm(ConnectionSettings& settings, QWidget* parent = nullptr);

    // Port "COM<n>" under the mapping of the settings file's [Ports] section.
    bool ComPortAvailable(int n) const;

    void FormShow();
    void ComboBox1Change();
    void Button1Click();
    void Button2Click();
    void BitBtn1Click();

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* ComboBox1 = nullptr; // device type
    QComboBox* ComboBox2 = nullptr; // port
    QComboBox* ComboBox3 = nullptr; // baud rate
    QPushButton* BitBtn1 = nullptr; // the system's device list
    QPushButton* Button1 = nullptr; // OK
    QPushButton* Button2 = nullptr; // Abbruch

    // The window listing the serial devices (not on Windows); null until first opened.
    QDialog* DeviceList() const { return deviceList_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void SelectStoredPort();
    void FillDeviceList();

    ConnectionSettings& connection_;
    const IniFile* settings_ = nullptr; // the mapping while a show probes
    QDialog* deviceList_ = nullptr;
    QTableWidget* deviceTable_ = nullptr;
};

extern TVerbFrm* VerbFrm;
