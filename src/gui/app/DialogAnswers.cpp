// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/DialogAnswers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QtGlobal>

#include <deque>
#include <variant>

namespace DialogAnswers {
namespace {

struct YesNo {
    bool yes;
};
struct FileName {
    QString name;
};

// Tagged by type, so a dialog can tell an answer meant for another kind of dialog.
using Answer = std::variant<YesNo, FileName, TSaveMode, FormAnswer, PrinterAnswer>;
const char* const kKinds[] = {"a yes/no", "a file name", "a choice", "a form", "a printer"};

bool gEnabled = false;
std::deque<Answer> gQueue;
QStringList gShown;
QMap<QString, QString> gFormShown;

// An empty queue is only recorded: a test may leave the question of its last close unanswered.
// An answer meant for another dialog is a fault of the test and is warned about as well.
void Unexpected(const QString& what, bool warn = false) {
    gShown << QStringLiteral("unexpected ") + what;
    if (warn) {
        qWarning("unexpected %s", qUtf8Printable(what));
    }
}

// The head of the queue when it is of type T. Otherwise, with automation on or an answer of
// another kind waiting, the dialog is recorded and answered with `cancel`; without automation
// and queue the real dialog opens.
template <class T> std::optional<T> Take(const char* kind, const QString& text, const T& cancel) {
    if (gQueue.empty()) {
        if (!gEnabled) {
            return std::nullopt;
        }
        Unexpected(QString::fromLatin1(kind) + QStringLiteral(": ") + text);
        return cancel;
    }
    if (const T* answer = std::get_if<T>(&gQueue.front())) {
        const T taken = *answer;
        gQueue.pop_front();
        return taken;
    }
    Unexpected(QString::fromLatin1(kind) + QStringLiteral(": ") + text +
                   QStringLiteral(" (queued: ") +
                   QString::fromLatin1(kKinds[gQueue.front().index()]) + QLatin1Char(')'),
               true);
    return cancel;
}

QMap<QString, QString> FieldsOf(const QWidget& form) {
    QMap<QString, QString> fields;
    for (const QWidget* child : form.findChildren<QWidget*>()) {
        if (child->objectName().isEmpty()) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(child)) {
            fields.insert(child->objectName(), label->text());
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(child)) {
            fields.insert(child->objectName(), edit->text());
        } else if (const auto* box = qobject_cast<const QComboBox*>(child)) {
            fields.insert(child->objectName(), box->currentText());
        } else if (const auto* check = qobject_cast<const QCheckBox*>(child)) {
            fields.insert(child->objectName(),
                          check->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }
    return fields;
}

// False when a field is missing or cannot take its text.
bool Fill(QWidget& form, const QString& name, const QString& text) {
    if (auto* edit = form.findChild<QLineEdit*>(name)) {
        edit->setText(text);
        return true;
    }
    if (auto* box = form.findChild<QComboBox*>(name)) {
        int index = box->findData(text);
        if (index < 0) {
            index = box->findText(text);
        }
        box->setCurrentIndex(index);
        return index >= 0;
    }
    if (auto* check = form.findChild<QCheckBox*>(name)) {
        check->setChecked(text == QStringLiteral("1"));
        return text == QStringLiteral("1") || text == QStringLiteral("0");
    }
    return false;
}

} // namespace

void Enable(bool on) {
    gEnabled = on;
    gQueue.clear();
    gShown.clear();
    gFormShown.clear();
}

bool Enabled() {
    return gEnabled;
}

void QueueYesNo(bool yes) {
    gQueue.push_back(YesNo{yes});
}

void QueueFile(const QString& fileName) {
    gQueue.push_back(FileName{fileName});
}

void QueueChoice(TSaveMode choice) {
    gQueue.push_back(choice);
}

void QueueForm(const FormAnswer& answer) {
    gQueue.push_back(answer);
}

void QueuePrinter(const PrinterAnswer& answer) {
    gQueue.push_back(answer);
}

int Pending() {
    return static_cast<int>(gQueue.size());
}

void Clear() {
    gQueue.clear();
}

QStringList TakeShown() {
    QStringList out;
    out.swap(gShown);
    return out;
}

QMap<QString, QString> FormShown() {
    return gFormShown;
}

void RecordShown(const QString& text) {
    gShown << text;
}

std::optional<bool> TakeYesNo(const QString& question) {
    const std::optional<YesNo> answer = Take("question", question, YesNo{false});
    if (!answer) {
        return std::nullopt;
    }
    return answer->yes;
}

std::optional<QString> TakeFile(const QString& title) {
    const std::optional<FileName> answer = Take("file dialog", title, FileName{});
    if (!answer) {
        return std::nullopt;
    }
    return answer->name;
}

std::optional<TSaveMode> TakeChoice(const QString& title, TSaveMode cancel) {
    return Take("choice", title, cancel);
}

std::optional<bool> AnswerForm(QWidget& form) {
    const std::optional<FormAnswer> answer =
        Take("form", form.windowTitle(), FormAnswer{false, {}});
    if (!answer) {
        return std::nullopt;
    }
    gFormShown = FieldsOf(form);
    for (auto it = answer->fields.cbegin(); it != answer->fields.cend(); ++it) {
        if (!Fill(form, it.key(), it.value())) {
            Unexpected(QStringLiteral("field of ") + form.windowTitle() + QStringLiteral(": ") +
                           it.key() + QStringLiteral(" = ") + it.value(),
                       true);
            return false;
        }
    }
    return answer->accepted;
}

std::optional<bool> AnswerPrinter(QPrinter& printer, const QString& title) {
    const std::optional<PrinterAnswer> answer =
        Take("printer dialog", title, PrinterAnswer{false, {}, {}, {}, {}});
    if (!answer) {
        return std::nullopt;
    }
    if (!answer->accepted) {
        return false;
    }
    if (!answer->pdfFile.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(answer->pdfFile);
    } else {
        printer.setPrinterName(answer->printerName);
        printer.setOutputFileName(QString());
    }
    if (answer->pageSize) {
        printer.setPageSize(QPageSize(*answer->pageSize));
    }
    if (answer->orientation) {
        printer.setPageOrientation(*answer->orientation);
    }
    return true;
}

} // namespace DialogAnswers
