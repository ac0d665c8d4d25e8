// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/exchange/uKuerzungFrm.h"

#include "gui/app/DialogAnswers.h"
#include "platform/TextCodec.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

const char* const kFieldNames[3] = {"Name", "Straße", "Ort"};

QString CutLines(const std::vector<DeviceCut>& cuts) {
    QStringList lines;
    for (const DeviceCut& cut : cuts) {
        lines << FromUtf8("Karte %1, %2: \"%3\" wird zu \"%4\"")
                     .arg(cut.row)
                     .arg(FromUtf8(kFieldNames[cut.col]), FromAnsi(cut.text), FromAnsi(cut.kept));
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

TKuerzungFrm::TKuerzungFrm(const std::vector<DeviceCut>& cuts, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KuerzungFrm"));
    setWindowTitle(FromUtf8("Texte zu lang für das Messgerät"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setText(FromUtf8("Das Messgerät speichert vom Namen und von der Straße 20 Zeichen, "
                             "vom Ort 16. Diese Texte werden gekürzt übertragen; die Messwerte "
                             "kommen unter der gekürzten Form zurück."));
    Label1->setWordWrap(true);
    Liste = new QLabel(this);
    Liste->setObjectName(QStringLiteral("Liste"));
    Liste->setText(CutLines(cuts));
    Liste->setTextFormat(Qt::PlainText);
    Liste->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Liste->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(Liste);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(520, 220);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(FromUtf8("Trotzdem senden"), QDialogButtonBox::AcceptRole);
    QPushButton* stop =
        buttons->addButton(FromUtf8("Abbrechen und korrigieren"), QDialogButtonBox::RejectRole);
    // Stopping is the safe answer to a key pressed without reading.
    stop->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
}

bool TKuerzungFrm::Execute() {
    if (const std::optional<bool> accepted = DialogAnswers::AnswerForm(*this)) {
        return *accepted;
    }
    return exec() == QDialog::Accepted;
}

bool MaySendCuts(const CardTable& table, QWidget* parent) {
    const std::vector<DeviceCut> cuts = DeviceCuts(table);
    if (cuts.empty()) {
        return true;
    }
    TKuerzungFrm window(cuts, parent);
    return window.Execute();
}
