// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/certificate/uBescheinigungFrm.h"

#include "core/files/CardColumns.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Dialogs.h"
#include "gui/certificate/PlantFactsForm.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {

std::string Trim(const std::string& text) {
    const size_t b = text.find_first_not_of(' ');
    const size_t e = text.find_last_not_of(' ');
    return b == std::string::npos ? std::string() : text.substr(b, e - b + 1);
}

size_t Index(int col) {
    return static_cast<size_t>(col - kColNominalOutput);
}

} // namespace

TBescheinigungFrm::TBescheinigungFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BescheinigungFrm"));
    setWindowTitle(FromUtf8("Messbescheinigung"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Facts1 = new PlantFactsForm(this);
    ComboBox4 = new QComboBox(this);
    ComboBox4->setObjectName(QStringLiteral("ComboBox4"));
    for (const LegalBasis basis : kLegalBases) {
        ComboBox4->addItem(FromUtf8(LegalBasisText(basis)), static_cast<int>(basis));
    }
    auto* basisRow = new QFormLayout;
    basisRow->addRow(FromUtf8("Rechtliche Grundlage:"), ComboBox4);

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
    layout->addLayout(basisRow);
    // Scrolls on a small screen; the form is taller than the dialogs around it.
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(Facts1);
    scroll->setMinimumSize(560, 420);
    layout->addWidget(scroll, 1);
    layout->addWidget(Label2);
    layout->addWidget(buttons);

    connect(Facts1, &PlantFactsForm::FactEdited, this, [this] { UpdateMissing(); });
    for (QLineEdit* edit : Facts1->findChildren<QLineEdit*>()) {
        connect(edit, &QLineEdit::textChanged, this, [this] { UpdateMissing(); });
    }
    for (QComboBox* box : Facts1->findChildren<QComboBox*>()) {
        connect(box, &QComboBox::currentIndexChanged, this, [this] { UpdateMissing(); });
    }
}

void TBescheinigungFrm::SetCard(const QString& customer, FuelKind fuel, const FactValues& facts,
                                const std::optional<ProposedFacts>& proposal,
                                const std::vector<std::string>& captions, LegalBasis basis) {
    fuel_ = fuel;
    Label1->setText(customer);
    bool proposed = false;
    const FactValues shown = proposal ? WithProposed(facts, proposal->values, proposed) : facts;
    proposalText_ = proposed
                        ? FromUtf8("Fehlende Angaben vorgeschlagen aus der Karte vom ") +
                              FromAnsi(proposal->date).trimmed() + FromUtf8(" desselben Kunden.")
                        : QString();
    Facts1->SetCaptions(captions);
    Facts1->SetValues(shown);
    ComboBox4->setCurrentIndex(ComboBox4->findData(static_cast<int>(basis)));
    UpdateMissing();
}

FactValues TBescheinigungFrm::Facts() const {
    FactValues values = Facts1->Values();
    for (std::string& v : values) {
        v = Trim(v);
    }
    return values;
}

LegalBasis TBescheinigungFrm::Basis() const {
    return static_cast<LegalBasis>(ComboBox4->currentData().toInt());
}

QString TBescheinigungFrm::MissingText() const {
    const FactValues v = Facts();
    const auto empty = [&](int col) { return v[Index(col)].empty(); };
    QStringList missing;
    if (empty(kColNominalOutput)) {
        missing << FromUtf8("Nennwärmeleistung");
    }
    if (empty(kColPlantKind)) {
        missing << FromUtf8("Art der Anlage");
    }
    if (empty(kColCondensing)) {
        missing << FromUtf8("Brennwertgerät");
    }
    if (fuel_ != FuelKind::Gas && empty(kColBurnerKind)) {
        missing << FromUtf8("Brennerart");
    }
    if (empty(kColStandardBoiler)) {
        missing << FromUtf8("Standardheizkessel");
    }
    if (fuel_ != FuelKind::Gas && empty(kColInstallDate)) {
        missing << FromUtf8("Errichtet am");
    }
    if (fuel_ != FuelKind::Gas && v[Index(kColBurnerKind)] != "V" && empty(kColAccessionArea)) {
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
    const auto refuse = [&](int col, const char* text) {
        ShowMsg(FromUtf8(text));
        Facts1->Field(col)->setFocus();
        return false;
    };
    for (const int col : {kColNominalOutput, kColMeasuredOutput}) {
        const std::string& v = values[Index(col)];
        if (!v.empty() && !ParseNominalOutput(v)) {
            return refuse(col, col == kColNominalOutput
                                   ? "Die Nennwärmeleistung muss eine Zahl mit höchstens einer "
                                     "Nachkommastelle sein, z. B. 24,5."
                                   : "Die Leistung bei der Messung muss eine Zahl mit höchstens "
                                     "einer Nachkommastelle sein, z. B. 24,5.");
        }
    }
    const std::string& installed = values[Index(kColInstallDate)];
    if (!installed.empty() && !HasDayForm(installed)) {
        return refuse(kColInstallDate, "Das Datum der Errichtung muss die Form TT.MM.JJJJ haben.");
    }
    if (!installed.empty() && !ParseDay(installed)) {
        ShowMsg(FromUtf8("Den ") + FromAnsi(installed) +
                FromUtf8(" gibt es nicht: bitte das Datum der Errichtung prüfen."));
        Facts1->Field(kColInstallDate)->setFocus();
        return false;
    }
    for (const int col : {kColExchangerYear, kColBurnerYear, kColDueYear}) {
        const std::string& v = values[Index(col)];
        if (!v.empty() && v.size() != 4) {
            return refuse(col, "Ein Jahr hat vier Ziffern, z. B. 2015.");
        }
    }
    return true;
}

bool TBescheinigungFrm::Execute() {
    if (const std::optional<bool> accepted = DialogAnswers::AnswerForm(*this)) {
        return *accepted && Valid();
    }
    return exec() == QDialog::Accepted;
}
