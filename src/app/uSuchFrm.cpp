#include "app/uSuchFrm.h"

TSuchFrm* SuchFrm = nullptr;

TSuchFrm::TSuchFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SuchFrm"));
}
