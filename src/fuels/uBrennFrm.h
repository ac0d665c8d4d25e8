#pragma once
// The fuel type editor.

#include <QDialog>

class TBrennFrm : public QDialog {
    Q_OBJECT
public:
    explicit TBrennFrm(QWidget* parent = nullptr);
};

extern TBrennFrm* BrennFrm;
