// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The printer of the main window's print commands.

#include <QString>

#include <functional>
#include <string>

class PrintCanvas;
class QMainWindow;
class QPrinter;
class QWidget;

// Chosen with "Drucker einstellen..." and used by every following job; it lives as long as the
// main window.
QPrinter& ProgramPrinter();

// Runs one job on the program's printer. A job into a PDF file asks for the file first, so that
// no job silently replaces the PDF of an earlier one, and then says in the status bar where the
// file went.
void RunPrintJob(QMainWindow* window, const std::function<void(PrintCanvas&)>& print);

// The name offered for a PDF: the card file's (UTF-8), with ".pdf"; without a card file the
// last PDF.
QString ProposedPdfName(const std::string& cardFile, const QString& lastPdf);

// Says in the window's status bar where a job into a PDF file went; nothing for a printer.
void ReportPdfJob(QMainWindow* window, const QPrinter& printer);

// A list window's print job: the print dialog titled `title` over `parent`, offering the PDF
// under the card file's name; then `print` on the chosen printer and the status-bar line in
// `window`. Nothing happens when the dialog is cancelled.
void RunListPrintJob(QWidget* parent, QMainWindow* window, const QString& title,
                     const std::string& cardFile, const std::function<void(PrintCanvas&)>& print);
