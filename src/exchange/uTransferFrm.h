#pragma once
// The transfer window: the lines of a running transfer, its Abbruch button and the keys S
// (start) and ESC (abort), which set the request flags of the serial link.

#include "exchange/TransferLines.h"

#include <QDialog>

class QListWidget;
class QPushButton;

class TTransferFrm : public QDialog, public TransferLines {
    Q_OBJECT
public:
    explicit TTransferFrm(QWidget* parent = nullptr);
    ~TTransferFrm() override;

    // Appends a line, scrolls to it and repaints at once, so it shows while the caller is busy.
    void AddTransferLine(const std::string& text) override;
    // Replaces the last line and scrolls to it.
    void ReplaceTransferLine(const std::string& text) override;

    // The flows of the two transfer commands (SendViaCom, ReceiveViaCom, WriteMmcFile,
    // ReadMmcFile) are members of this window too; they come with the commands.

    QListWidget* ListBox1 = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void FormShow();
    // Returns true when the key is used up.
    bool FormKeyPress(QKeyEvent* event);
    void Button1Click();
    void FormCloseQuery();
};

extern TTransferFrm* TransferFrm;
