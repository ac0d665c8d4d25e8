#pragma once
// The file-exists dialog: append, overwrite or cancel.

#include <QDialog>

class TUeberschreibFrm : public QDialog {
    Q_OBJECT
public:
    explicit TUeberschreibFrm(QWidget* parent = nullptr);
};

extern TUeberschreibFrm* UeberschreibFrm;
