// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transfer window: the lines of a running transfer, its Abbruch button and the keys S
// (start) and ESC (abort), which set the request flags of its serial link.

#include "core/exchange/SerialLink.h"
#include "core/exchange/TransferLines.h"

#include <QDialog>

#include <string>

class CardWindow;
class QListWidget;
class QPushButton;
struct ConnectionSettings;

class TTransferFrm : public QDialog, public TransferLines {
    Q_OBJECT
public:
    // The flows and the serial link use `settings` as they are at each transfer.
    explicit TTransferFrm(const ConnectionSettings& settings, QWidget* parent = nullptr);
    ~TTransferFrm() override;

    SerialLink& Link() { return link_; }

    // Appends a line, scrolls to it and repaints at once, so it shows while the caller is busy.
    void AddTransferLine(const std::string& text) override;
    // Replaces the last line and scrolls to it.
    void ReplaceTransferLine(const std::string& text) override;

    // The window whose cards the flows below send and receive; needed before they run.
    void SetCardWindow(CardWindow* window) { window_ = window; }

    // Shows the window with an empty message list, also when it is still open from before.
    void ShowForTransfer();

    // The flows of the two transfer commands (uTransferFrmFlows.cpp). The cards travel through
    // the temporary card file; the table keeps the file it belongs to.
    // Card table -> serial device.
    void SendViaCom();
    // Serial device -> card table; false when the receive failed or was aborted.
    bool ReceiveViaCom();
    // Card table -> the settings' memory-card file.
    void WriteMmcFile();
    // The settings' memory-card file -> card table.
    void ReadMmcFile();

    QListWidget* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    // Places the list, `listWidth` wide and tall enough for every line, and the button below.
    void LayOut(int listWidth);
    // Widens the window when `text` would be cut at the right edge.
    void FitWidth(const QString& text);
    void FormShow();
    // Returns true when the key is used up.
    bool FormKeyPress(QKeyEvent* event);
    void Button1Click();
    void FormCloseQuery();
    // The card table into the temporary card file, replacing what was there.
    void WriteTempCardFile();

    const ConnectionSettings& settings_;
    SerialLink link_;
    CardWindow* window_ = nullptr;
};

extern TTransferFrm* TransferFrm;

// The flows' two temporary files in the program's own temporary folder: the card table on its
// way out or in ("...tmp...TMP"), and the serial device file ("...raw...TMP"). Each flow makes
// them when they are missing and deletes them when it is done; the names are empty in between.
extern std::string TempCardFile;
extern std::string TempDeviceFile;
// Removes what killed runs left in the folder, then makes both files, before any window exists;
// a name that could not be made stays empty and is tried again by the first flow that needs it.
void MakeTransferTempFiles();
// Deletes both files at the end of the program.
void RemoveTransferTempFiles();
