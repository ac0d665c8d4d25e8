// The desktop program: reads no arguments; its settings and column definitions lie beside it.

#include "app/Forms.h"
#include "app/uMainFrm.h"
#include "files/uGlobal.h"
#include "platform/TextCodec.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fendro"));
    QApplication::setApplicationDisplayName(QStringLiteral("Fendro"));
    SetProgramFileName(ToUtf8(QCoreApplication::applicationFilePath()));
    CreateForms();
    MainFrm->show();
    const int rc = QApplication::exec();
    DestroyForms();
    return rc;
}
