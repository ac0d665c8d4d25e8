#include "exchange/uTransferFrm.h"

TTransferFrm* TransferFrm = nullptr;

TTransferFrm::TTransferFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TransferFrm"));
}
