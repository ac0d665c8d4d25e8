// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/uAuswahlFrm.h"

#include "gui/app/DialogAnswers.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const QString kReplace = QStringLiteral("ersetzen");
const QString kAdd = QStringLiteral("hinzufuegen");
const QString kByText = QStringLiteral("text");
const QString kByDueYear = QStringLiteral("faellig");

} // namespace

TAuswahlFrm::TAuswahlFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AuswahlFrm"));
    setWindowTitle(FromUtf8("Karten auswählen"));
    ComboBox2 = new QComboBox(this);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->addItem(FromUtf8("Name, Straße oder Ort enthält"), kByText);
    ComboBox2->addItem(FromUtf8("fällig im Jahr"), kByDueYear);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(260);
    Edit2 = new QLineEdit(QString::number(QDate::currentDate().year()), this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setValidator(new QIntValidator(1000, 9999, Edit2));
    Edit2->setEnabled(false);
    connect(ComboBox2, qOverload<int>(&QComboBox::currentIndexChanged), this, [this] {
        Edit1->setEnabled(!ByDueYear());
        Edit2->setEnabled(ByDueYear());
    });
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItem(FromUtf8("Auswahl ersetzen"), kReplace);
    ComboBox1->addItem(FromUtf8("zur Auswahl hinzufügen"), kAdd);
    auto* form = new QFormLayout;
    form->addRow(FromUtf8("Karten wählen nach:"), ComboBox2);
    form->addRow(FromUtf8("Name, Straße oder Ort enthält:"), Edit1);
    form->addRow(FromUtf8("Fällig im Jahr (oder früher):"), Edit2);
    form->addRow(FromUtf8("Gefundene Karten:"), ComboBox1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(FromUtf8("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

bool TAuswahlFrm::Execute() {
    Edit1->selectAll();
    Edit1->setFocus();
    if (const std::optional<bool> accepted = DialogAnswers::AnswerForm(*this)) {
        return *accepted;
    }
    return exec() == QDialog::Accepted;
}

QString TAuswahlFrm::Text() const {
    return Edit1->text();
}

bool TAuswahlFrm::AddsToSelection() const {
    return ComboBox1->currentData() == kAdd;
}

bool TAuswahlFrm::ByDueYear() const {
    return ComboBox2->currentData() == kByDueYear;
}

int TAuswahlFrm::DueYear() const {
    const QString text = Edit2->text().trimmed();
    bool ok = false;
    const int year = text.toInt(&ok);
    return ok && text.size() == 4 && year >= 1000 ? year : 0;
}
