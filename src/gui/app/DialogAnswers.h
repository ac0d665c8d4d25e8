// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tests answer the program's dialogs through one queue instead of a person. Questions, file
// dialogs, the file-exists choice, the certificate forms and the printer dialogs take the answer
// at the head before they open for real, each its own kind of answer. While automation is on,
// message boxes are recorded, and a dialog that finds no answer, or one of another kind, records
// that as unexpected and is cancelled: none of them opens for real in a test.

#include <QMap>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <optional>

class QPrinter;
class QWidget;

// The answer of the file-exists dialog, defined with the card files.
enum TSaveMode : unsigned char;

namespace DialogAnswers {

// A form dialog: new texts for its fields by object name (a line edit takes the text, a combo
// box the item with that data or text, a check box "1" or "0"), then OK or cancel.
struct FormAnswer {
    bool accepted = true;
    QMap<QString, QString> fields;
};

// A printer dialog: printing into a PDF file or to a printer by name, and the paper chosen.
struct PrinterAnswer {
    bool accepted = true;
    QString pdfFile; // empty: the printer below
    QString printerName;
    std::optional<QPageSize::PageSizeId> pageSize;
    std::optional<QPageLayout::Orientation> orientation;
};

// Switching clears the queue and the record.
void Enable(bool on);
bool Enabled();

// The answers of the next dialogs, in the order the dialogs come.
void QueueYesNo(bool yes);
void QueueFile(const QString& fileName); // an empty name cancels
void QueueChoice(TSaveMode choice);
void QueueForm(const FormAnswer& answer);
void QueuePrinter(const PrinterAnswer& answer);
int Pending();
void Clear();

// What was shown since the last call: messages, questions after "?: ", errors after "error: "
// and dialogs without their answer after "unexpected ". Cleared by reading.
QStringList TakeShown();
// The fields of the last form answered from the queue, as the form showed them.
QMap<QString, QString> FormShown();

// For the dialogs. Each returns the queued answer, or nothing when the real dialog is to open.
void RecordShown(const QString& text);
std::optional<bool> TakeYesNo(const QString& question);
std::optional<QString> TakeFile(const QString& title);
// `cancel` is the choice that stands for cancelling.
std::optional<TSaveMode> TakeChoice(const QString& title, TSaveMode cancel);
// Fills the form's fields; true for OK.
std::optional<bool> AnswerForm(QWidget& form);
// Sets the printer up as the user would have; true when confirmed.
std::optional<bool> AnswerPrinter(QPrinter& printer, const QString& title);

} // namespace DialogAnswers
