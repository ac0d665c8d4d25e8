#pragma once
// The transfer window: the lines of a running transfer and its abort button.

#include <QDialog>

class TTransferFrm : public QDialog {
    Q_OBJECT
public:
    explicit TTransferFrm(QWidget* parent = nullptr);
};

extern TTransferFrm* TransferFrm;
