// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/certificate/uBescheinigungFrm.h"

#include "gui/app/DialogAnswers.h"
#include "gui/app/Dialogs.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// The items of a choice and the letters they stand for; item 0 is "not stated".
void FillChoice(QComboBox* box, const char* first, const char* firstLetter, const char* second,
                const char* secondLetter) {
    box->addItem(QString(), QString());
    box->addItem(FromUtf8(first), QString::fromLatin1(firstLetter));
    box->addItem(FromUtf8(second), QString::fromLatin1(secondLetter));
}

void SelectLetter(QComboBox* box, const std::string& cell) {
    QString letter = FromAnsi(cell).trimmed().toUpper();
    const int index = letter.isEmpty() ? 0 : box->findData(letter);
    box->setCurrentIndex(index < 0 ? 0 : index);
}

std::string Letter(const QComboBox* box) {
    return box->currentData().toString().toStdString();
}

} // namespace

TBescheinigungFrm::TBescheinigungFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BescheinigungFrm"));
    setWindowTitle(FromUtf8("Messbescheinigung"));
    Label1 = new QLabel(this);
    Label2 = new QLabel(this);
    Label2->setWordWrap(true);
    Edit1 = new QLineEdit(this);
    // Digits with one decimal after a comma or a point; the comma is stored as a point.
    Edit1->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,5}([.,][0-9]?)?")), Edit1));
    ComboBox1 = new QComboBox(this);
    FillChoice(ComboBox1, "Verdampfungsbrenner (V)", "V", "Zerstäubungsbrenner (Z)", "Z");
    ComboBox2 = new QComboBox(this);
    FillChoice(ComboBox2, "ja (J)", "J", "nein (N)", "N");
    Edit2 = new QLineEdit(this);
    Edit2->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    Edit2->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]{0,10}")), Edit2));
    ComboBox3 = new QComboBox(this);
    FillChoice(ComboBox3, "ja (J)", "J", "nein (N)", "N");

    // Named, so that a test's answer can fill them.
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    Edit1->setObjectName(QStringLiteral("Edit1"));
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    Edit2->setObjectName(QStringLiteral("Edit2"));
    ComboBox3->setObjectName(QStringLiteral("ComboBox3"));

    auto* form = new QFormLayout;
    form->addRow(FromUtf8("Nennwärmeleistung (kW):"), Edit1);
    form->addRow(FromUtf8("Brennerart (bei Öl):"), ComboBox1);
    form->addRow(FromUtf8("Standardheizkessel:"), ComboBox2);
    form->addRow(FromUtf8("Errichtet am:"), Edit2);
    form->addRow(FromUtf8("Im Beitrittsgebiet bis zum 3.10.1990 errichtet:"), ComboBox3);

    auto* buttons = new QDialogButtonBox(this);
    BitBtn1 = buttons->addButton(FromUtf8("Drucken"), QDialogButtonBox::AcceptRole);
    BitBtn2 = buttons->addButton(FromUtf8("Abbrechen"), QDialogButtonBox::RejectRole);
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        if (Valid()) {
            accept();
        }
    });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addLayout(form);
    layout->addWidget(Label2);
    layout->addWidget(buttons);

    for (QLineEdit* edit : {Edit1, Edit2}) {
        connect(edit, &QLineEdit::textChanged, this, [this] { UpdateMissing(); });
    }
    for (QComboBox* box : {ComboBox1, ComboBox2, ComboBox3}) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] { UpdateMissing(); });
    }
}

void TBescheinigungFrm::SetCard(const QString& customer, FuelKind fuel, const FactValues& facts,
                                const std::optional<ProposedFacts>& proposal) {
    fuel_ = fuel;
    Label1->setText(customer);
    bool any = false;
    for (const std::string& cell : facts) {
        any = any || !FromAnsi(cell).trimmed().isEmpty();
    }
    const FactValues& shown = !any && proposal ? proposal->values : facts;
    proposalText_ = !any && proposal
                        ? FromUtf8("Vorgeschlagen aus der Karte vom ") +
                              FromAnsi(proposal->date).trimmed() + FromUtf8(" desselben Kunden.")
                        : QString();
    Edit1->setText(FromAnsi(shown[0]).trimmed().replace(QLatin1Char(','), QLatin1Char('.')));
    SelectLetter(ComboBox1, shown[1]);
    SelectLetter(ComboBox2, shown[2]);
    Edit2->setText(FromAnsi(shown[3]).trimmed());
    SelectLetter(ComboBox3, shown[4]);
    ComboBox1->setEnabled(fuel != FuelKind::Gas);
    UpdateMissing();
}

FactValues TBescheinigungFrm::Facts() const {
    FactValues values;
    values[0] = ToAnsiLossy(Edit1->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.')));
    values[1] = Letter(ComboBox1);
    values[2] = Letter(ComboBox2);
    values[3] = ToAnsiLossy(Edit2->text().trimmed());
    values[4] = Letter(ComboBox3);
    return values;
}

QString TBescheinigungFrm::MissingText() const {
    QStringList missing;
    if (Edit1->text().trimmed().isEmpty()) {
        missing << FromUtf8("Nennwärmeleistung");
    }
    if (fuel_ != FuelKind::Gas && ComboBox1->currentIndex() == 0) {
        missing << FromUtf8("Brennerart");
    }
    if (ComboBox2->currentIndex() == 0) {
        missing << FromUtf8("Standardheizkessel");
    }
    if (fuel_ != FuelKind::Gas && Edit2->text().trimmed().isEmpty()) {
        missing << FromUtf8("Errichtet am");
    }
    if (fuel_ != FuelKind::Gas && Letter(ComboBox1) != "V" && ComboBox3->currentIndex() == 0) {
        missing << FromUtf8("Beitrittsgebiet");
    }
    return missing.isEmpty() ? QString()
                             : FromUtf8("Bitte ergänzen: ") + missing.join(QStringLiteral(", "));
}

void TBescheinigungFrm::UpdateMissing() {
    QStringList lines;
    if (!proposalText_.isEmpty()) {
        lines << proposalText_;
    }
    const QString missing = MissingText();
    if (!missing.isEmpty()) {
        lines << missing;
    }
    Label2->setText(lines.join(QLatin1Char('\n')));
}

bool TBescheinigungFrm::Valid() {
    const FactValues values = Facts();
    if (!values[0].empty() && !ParseNominalOutput(values[0])) {
        ShowMsg(FromUtf8("Die Nennwärmeleistung muss eine Zahl mit höchstens einer "
                         "Nachkommastelle sein, z. B. 24,5."));
        Edit1->setFocus();
        return false;
    }
    if (!values[3].empty() && !HasDayForm(values[3])) {
        ShowMsg(FromUtf8("Das Datum der Errichtung muss die Form TT.MM.JJJJ haben."));
        Edit2->setFocus();
        return false;
    }
    if (!values[3].empty() && !ParseDay(values[3])) {
        ShowMsg(FromUtf8("Den ") + FromAnsi(values[3]) +
                FromUtf8(" gibt es nicht: bitte das Datum der Errichtung prüfen."));
        Edit2->setFocus();
        return false;
    }
    return true;
}

bool TBescheinigungFrm::Execute() {
    if (const std::optional<bool> accepted = DialogAnswers::AnswerForm(*this)) {
        return *accepted && Valid();
    }
    return exec() == QDialog::Accepted;
}
