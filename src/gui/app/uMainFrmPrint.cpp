// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing commands of the main window.

#include "gui/app/uMainFrmPrint.h"

#include "core/files/uGlobal.h"
#include "core/printing/PrintLayout.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Dialogs.h"
#include "gui/app/TFileDialog.h"
#include "gui/app/uMainFrm.h"
#include "platform/QtPrintCanvas.h"
#include "platform/TextCodec.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

namespace {

// Ties the printer's lifetime to the main window, so a new set of forms starts with the
// system's default printer again. The PDF file dialog keeps its folder from job to job.
class PrinterHolder : public QObject {
public:
    explicit PrinterHolder(QObject* parent) : QObject(parent) {}
    QPrinter printer{QPrinter::HighResolution};
    TFileDialog pdfDialog{TFileDialog::Save};
};

QPointer<PrinterHolder> gPrinter;

// A job into a PDF file asks for the file each time, so that no job silently replaces the PDF
// of an earlier one. False when the user cancels or keeps the existing file.
bool ChoosePdfFile(QPrinter& printer, TFileDialog& dialog, QWidget* parent) {
    dialog.Title = QStringLiteral("In PDF-Datei drucken");
    dialog.Filter = QStringLiteral("PDF-Dateien (*.pdf)");
    dialog.DefaultExt = QStringLiteral("pdf");
    dialog.FileName = ProposedPdfName(MainFrm != nullptr ? MainFrm->Document().FileName() : "",
                                      printer.outputFileName());
    if (!dialog.Execute(parent)) {
        return false;
    }
    if (QFileInfo::exists(dialog.FileName) &&
        !AskYesNo(QString::fromUtf8("Die Datei %1 gibt es schon.\nSoll sie ersetzt werden?")
                      .arg(QDir::toNativeSeparators(dialog.FileName)),
                  QStringLiteral("PDF-Datei ersetzen"))) {
        return false;
    }
    printer.setOutputFileName(dialog.FileName);
    return true;
}

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

void RunPrintJob(QMainWindow* window, const std::function<void(PrintCanvas&)>& print) {
    QPrinter& printer = ProgramPrinter();
    // Printing into a file is chosen in the set-up dialog; until then a PDF printer is only Qt's
    // stand-in where no printer is installed, and that is reported.
    CheckPrinterUsable(printer);
    const bool pdf = printer.outputFormat() == QPrinter::PdfFormat;
    if (pdf && !ChoosePdfFile(printer, gPrinter->pdfDialog, window)) {
        return;
    }
    {
        QtPrintCanvas canvas(printer);
        print(canvas);
    }
    ReportPdfJob(window, printer);
}

QString ProposedPdfName(const std::string& cardFile, const QString& lastPdf) {
    if (cardFile.empty()) {
        return lastPdf.isEmpty() ? QStringLiteral("fendro.pdf") : lastPdf;
    }
    const QFileInfo card(FromUtf8(cardFile));
    return card.dir().filePath(card.completeBaseName() + QStringLiteral(".pdf"));
}

void ReportPdfJob(QMainWindow* window, const QPrinter& printer) {
    if (window != nullptr && printer.outputFormat() == QPrinter::PdfFormat) {
        window->statusBar()->showMessage(
            QString::fromUtf8("Gedruckt in die PDF-Datei %1")
                .arg(QDir::toNativeSeparators(printer.outputFileName())));
    }
}

void RunListPrintJob(QWidget* parent, QMainWindow* window, const QString& title,
                     const std::string& cardFile, const std::function<void(PrintCanvas&)>& print) {
    QPrinter& printer = ProgramPrinter();
    // A printer chosen before stays chosen.
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        printer.setOutputFileName(ProposedPdfName(cardFile, printer.outputFileName()));
    }
    if (const std::optional<bool> confirmed = DialogAnswers::AnswerPrinter(printer, title)) {
        if (!*confirmed) {
            return;
        }
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(title);
        // Printing into a PDF file is offered beside the printers.
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize);
        if (dialog.exec() != QDialog::Accepted) {
            return;
        }
    }
    CheckPrinterUsable(printer);
    {
        QtPrintCanvas canvas(printer);
        print(canvas);
    }
    ReportPdfJob(window, printer);
}

void TMainFrm::DruckerEinrichten1Click() {
    QPrinter& printer = ProgramPrinter();
    const QString title = QStringLiteral("Drucker einstellen");
    // The result is not used: Qt changes the printer only when the user confirms.
    if (DialogAnswers::AnswerPrinter(printer, title).has_value()) {
        return;
    }
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(title);
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
    RunPrintJob(this, [this](PrintCanvas& canvas) {
        PrintCard(canvas, Cards(), kCardPrintTitle, CurrentRow(), poPortrait);
    });
}

void TMainFrm::DruckenListe1Click() {
    RunPrintJob(this, [this](PrintCanvas& canvas) {
        PrintList(canvas, Cards(), ListPrintTitle(document_.FileName()), poPortrait,
                  StringGrid1->columnWidth(0), StringGrid1->columnWidth(1));
    });
}
