#include "fuels/uBrennFrm.h"

TBrennFrm* BrennFrm = nullptr;

TBrennFrm::TBrennFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BrennFrm"));
}
