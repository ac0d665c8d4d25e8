// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/certificate/uBetriebFrm.h"

#include "gui/app/DialogAnswers.h"
#include "platform/TextCodec.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
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
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(FromUtf8("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
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

bool TBetriebFrm::Execute() {
    if (const std::optional<bool> accepted = DialogAnswers::AnswerForm(*this)) {
        return *accepted;
    }
    return exec() == QDialog::Accepted;
}
