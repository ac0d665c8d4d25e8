#include "files/uUeberschreibFrm.h"

TUeberschreibFrm* UeberschreibFrm = nullptr;

TUeberschreibFrm::TUeberschreibFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("UeberschreibFrm"));
}
