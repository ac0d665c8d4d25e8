#include "connection/uVerbFrm.h"

TVerbFrm* VerbFrm = nullptr;

TVerbFrm::TVerbFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("VerbFrm"));
}
