#pragma once
// The printer of the main window's print commands.

#include <functional>

class QPrinter;

// Chosen with "Drucker einstellen..." and used by every following job; it lives as long as the
// main window.
QPrinter& ProgramPrinter();

namespace PrinterSetupAutomation {
// For tests: replaces the printer set-up dialog. The function gets the printer to change, as the
// user would in the dialog, and returns whether the user confirmed. An empty function brings the
// real dialog back.
void SetAnswer(std::function<bool(QPrinter&)> answer);
} // namespace PrinterSetupAutomation
