// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/history/uZuordnungFrm.h"

#include "core/history/MatchTexts.h"
#include "core/history/MeasurementHistory.h"
#include "gui/app/DialogAnswers.h"
#include "platform/TextCodec.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

QString Lines(const std::vector<std::string>& lines) {
    QStringList list;
    for (const std::string& line : lines) {
        list << FromUtf8(line);
    }
    return list.join(QLatin1Char('\n'));
}

// A caption with the count, and the list below it in a scroll area of its own.
QLabel* AddList(QVBoxLayout& layout, const QString& caption, size_t count, const char* name,
                const std::vector<std::string>& lines, int height) {
    auto* title = new QLabel(QStringLiteral("%1 (%2)").arg(caption).arg(count));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout.addWidget(title);
    auto* list = new QLabel;
    list->setObjectName(QString::fromLatin1(name));
    list->setText(Lines(lines));
    list->setTextFormat(Qt::PlainText);
    // A line with the full texts is long; wrapped, it still starts with its card.
    list->setWordWrap(true);
    list->setTextInteractionFlags(Qt::TextSelectableByMouse);
    list->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* scroll = new QScrollArea;
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setMinimumSize(720, height);
    layout.addWidget(scroll, height);
    return list;
}

} // namespace

TZuordnungFrm::TZuordnungFrm(const MatchPlan& plan, const CardTable& table, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("ZuordnungFrm"));
    setWindowTitle(FromUtf8("Messwerte zuordnen"));
    auto* layout = new QVBoxLayout(this);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QString text = FromUtf8(MatchSummary(plan)) + QLatin1Char('.');
    const std::string skipped = SkippedText(plan.skipped);
    if (!skipped.empty()) {
        text += QLatin1Char('\n') + FromUtf8(skipped);
    }
    text += FromUtf8("\nZugeordnete Karten erhalten Name, Straße und Ort des Kunden aus den "
                     "anderen Karteien des Ordners und, wo ihre Felder leer sind, die Angaben zur "
                     "Anlage seiner neuesten Karte. Die übrigen Karten bleiben, wie sie sind.");
    Label1->setText(text);
    Label1->setWordWrap(true);
    layout->addWidget(Label1);
    Zugeordnet = AddList(*layout, FromUtf8("Zugeordnet"), plan.matched.size(), "Zugeordnet",
                         MatchedLines(table, plan, "Karte"), 160);
    Mehrdeutig = AddList(*layout, FromUtf8("Mehrdeutig"), plan.ambiguous.size(), "Mehrdeutig",
                         AmbiguousLines(table, plan, "Karte"), 70);
    NichtGefunden = AddList(*layout, FromUtf8("Nicht gefunden"), plan.notFound.size(),
                            "NichtGefunden", NotFoundLines(table, plan, "Karte"), 70);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* match = buttons->addButton(FromUtf8("Zuordnen"), QDialogButtonBox::AcceptRole);
    match->setEnabled(!plan.matched.empty());
    buttons->addButton(FromUtf8("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

bool TZuordnungFrm::Execute() {
    if (const std::optional<bool> accepted = DialogAnswers::AnswerForm(*this)) {
        return *accepted;
    }
    return exec() == QDialog::Accepted;
}
