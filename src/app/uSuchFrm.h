#pragma once
// The search dialog, modeless.

#include <QDialog>

class TSuchFrm : public QDialog {
    Q_OBJECT
public:
    explicit TSuchFrm(QWidget* parent = nullptr);
};

extern TSuchFrm* SuchFrm;
