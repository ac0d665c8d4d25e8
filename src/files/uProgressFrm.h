#pragma once
// The progress window of a card file load.

#include <QDialog>

class TProgressFrm : public QDialog {
    Q_OBJECT
public:
    explicit TProgressFrm(QWidget* parent = nullptr);
};

extern TProgressFrm* ProgressFrm;
