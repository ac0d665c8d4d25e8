#include "files/uProgressFrm.h"

TProgressFrm* ProgressFrm = nullptr;

TProgressFrm::TProgressFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ProgressFrm"));
}
