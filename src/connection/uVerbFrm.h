#pragma once
// The connection dialog: serial port or memory card, port and baud rate.

#include <QDialog>

class TVerbFrm : public QDialog {
    Q_OBJECT
public:
    explicit TVerbFrm(QWidget* parent = nullptr);
};

extern TVerbFrm* VerbFrm;
