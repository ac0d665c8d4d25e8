// Printing commands of the main window.

#include "app/uMainFrmPrint.h"

#include "app/uMainFrm.h"
#include "files/uGlobal.h"
#include "printing/PrintLayout.h"
#include "printing/QtPrintCanvas.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>

namespace {

// Ties the printer's lifetime to the main window, so a new set of forms starts with the
// system's default printer again.
class PrinterHolder : public QObject {
public:
    explicit PrinterHolder(QObject* parent) : QObject(parent) {}
    QPrinter printer{QPrinter::HighResolution};
};

QPointer<PrinterHolder> gPrinter;
std::function<bool(QPrinter&)> gSetupAnswer;

} // namespace

QPrinter& ProgramPrinter() {
    if (gPrinter.isNull()) {
        QObject* owner = MainFrm != nullptr ? static_cast<QObject*>(MainFrm)
                                            : static_cast<QObject*>(QCoreApplication::instance());
        gPrinter = new PrinterHolder(owner);
        gPrinter->setObjectName(QStringLiteral("PrinterSetupDialog1"));
    }
    return gPrinter->printer;
}

void PrinterSetupAutomation::SetAnswer(std::function<bool(QPrinter&)> answer) {
    gSetupAnswer = std::move(answer);
}

void TMainFrm::DruckerEinrichten1Click() {
    QPrinter& printer = ProgramPrinter();
    // The result is not used: Qt changes the printer only when the user confirms.
    if (gSetupAnswer) {
        gSetupAnswer(printer);
        return;
    }
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Drucker einstellen"));
    // Printing into a file is the way out where no printer is installed.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only chooses the printer; nothing is printed when it closes.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) {
            ok->setText(QStringLiteral("OK"));
        }
    }
    dialog.exec();
}

void TMainFrm::DruckenKarteikarte1Click() {
    QPrinter& printer = ProgramPrinter();
    CheckPrinterUsable(printer);
    QtPrintCanvas canvas(printer);
    PrintCard(canvas, cards_, kCardPrintTitle, CurrentRow(), poPortrait);
}

void TMainFrm::DruckenListe1Click() {
    QPrinter& printer = ProgramPrinter();
    CheckPrinterUsable(printer);
    QtPrintCanvas canvas(printer);
    PrintList(canvas, cards_, ListPrintTitle(CardFileName), poPortrait, StringGrid1->columnWidth(0),
              StringGrid1->columnWidth(1));
}
