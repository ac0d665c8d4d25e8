// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/certificate/uBetriebFrm.h"

#include "core/files/PlantFacts.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Dialogs.h"
#include "platform/TextCodec.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

TBetriebFrm::TBetriebFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BetriebFrm"));
    setWindowTitle(FromUtf8("Betrieb"));
    const char* const captions[kBusinessLines] = {"Name:", "Straße:", "PLZ und Ort:", "Telefon:"};
    auto* form = new QFormLayout;
    for (int i = 0; i < kBusinessLines; ++i) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        edit->setMinimumWidth(300);
        edit->setMaxLength(60);
        Edits[static_cast<size_t>(i)] = edit;
        form->addRow(FromUtf8(captions[i]), edit);
    }
    Edit5 = new QLineEdit(this);
    Edit5->setObjectName(QStringLiteral("Edit5"));
    Edit5->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,2}([.,][0-9]?)?")), Edit5));
    form->addRow(FromUtf8("Messunsicherheit des Abgasverlusts (Prozentpunkte):"), Edit5);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(FromUtf8("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Valid()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void TBetriebFrm::SetBusiness(const SweepBusiness& business) {
    for (size_t i = 0; i < Edits.size(); ++i) {
        Edits[i]->setText(FromAnsi(business[i]));
    }
}

SweepBusiness TBetriebFrm::Business() const {
    SweepBusiness business;
    for (size_t i = 0; i < Edits.size(); ++i) {
        business[i] = ToAnsiLossy(Edits[i]->text().trimmed());
    }
    return business;
}

void TBetriebFrm::SetLossUncertainty(std::optional<int> tenths) {
    Edit5->setText(FromUtf8(TenthsText(tenths)).replace(QLatin1Char('.'), QLatin1Char(',')));
}

std::optional<int> TBetriebFrm::LossUncertainty() const {
    const std::optional<long long> tenths = ParseTenths(ToUtf8(Edit5->text()));
    if (!tenths) {
        return std::nullopt;
    }
    return static_cast<int>(*tenths);
}

bool TBetriebFrm::Valid() {
    if (!Edit5->text().trimmed().isEmpty() && !LossUncertainty()) {
        ShowMsg(FromUtf8("Die Messunsicherheit muss eine Zahl mit höchstens einer "
                         "Nachkommastelle sein, z. B. 0,6."));
        Edit5->setFocus();
        return false;
    }
    return true;
}

bool TBetriebFrm::Execute() {
    if (const std::optional<bool> accepted = DialogAnswers::AnswerForm(*this)) {
        return *accepted && Valid();
    }
    return exec() == QDialog::Accepted;
}
