// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/certificate/PlantFactsForm.h"

#include "core/app/CardTyping.h"
#include "core/files/CardColumns.h"
#include "platform/TextCodec.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

namespace {

size_t Index(int col) {
    return static_cast<size_t>(col - kColNominalOutput);
}

// The card grid's typing rules on the whole text, so that typing, pasting and input methods
// alike end in what the cell may hold: a comma in an output becomes a point, a letter goes up.
class FactValidator : public QValidator {
public:
    FactValidator(int col, QObject* parent) : QValidator(parent), col_(col) {}

    State validate(QString& text, int& pos) const override {
        const std::u32string typed = text.toStdU32String();
        size_t kept = 0;
        for (const char32_t c : typed) {
            kept += FilterPastedText(col_, std::string(), std::u32string(1, c)).size();
        }
        // More than the cell takes: the change is refused rather than cut somewhere.
        if (kept > static_cast<size_t>(TypingLimit(col_))) {
            return Invalid;
        }
        const std::string bytes = FilterPastedText(col_, std::string(), typed);
        if (!AcceptsFactText(col_, bytes)) {
            return Invalid;
        }
        const QString filtered = FromAnsi(bytes);
        if (filtered != text) {
            const QString before = text.left(pos);
            pos = static_cast<int>(
                FilterPastedText(col_, std::string(), before.toStdU32String()).size());
            text = filtered;
        }
        return Acceptable;
    }

private:
    int col_;
};

struct Choice {
    const char* text;
    const char* letter;
};

// Each item begins with its letter, so that typing the letter chooses it, as in the grid.
std::vector<Choice> ChoicesOf(int col) {
    switch (col) {
    case kColBurnerKind:
        return {{"V – Verdampfungsbrenner", "V"},
                {"Z – Zerstäubungsbrenner / mit Gebläse", "Z"},
                {"A – ohne Gebläse", "A"}};
    case kColPlantKind:
        return {{"Z – Zentralheizung", "Z"},
                {"E – Einzelraumfeuerung", "E"},
                {"H – Heizung mit Warmwasser", "H"},
                {"W – nur Warmwasser", "W"}};
    case kColStandardBoiler:
    case kColAccessionArea:
    case kColCondensing:
    case kColSelfCalibrating:
    case kColOutsideWallFlue:
    case kColMakerCertificate:
        return {{"J – ja", "J"}, {"N – nein", "N"}};
    default:
        return {};
    }
}

// The names the certificate dialog's fields had before the form; tests answer them by name.
QString FieldName(int col) {
    switch (col) {
    case kColNominalOutput:
        return QStringLiteral("Edit1");
    case kColBurnerKind:
        return QStringLiteral("ComboBox1");
    case kColStandardBoiler:
        return QStringLiteral("ComboBox2");
    case kColInstallDate:
        return QStringLiteral("Edit2");
    case kColAccessionArea:
        return QStringLiteral("ComboBox3");
    default:
        return QStringLiteral("Fact%1").arg(col);
    }
}

// A label of its own while no column file names the field.
const char* DefaultLabel(int col) {
    switch (col) {
    case kColNominalOutput:
        return "Nennwärmeleistung kW";
    case kColInstallDate:
        return "Errichtet am";
    default:
        return "";
    }
}

} // namespace

PlantFactsForm::PlantFactsForm(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlantFactsForm"));
    const auto group = [this](const char* title, std::initializer_list<int> cols) {
        auto* box = new QGroupBox(FromUtf8(title), this);
        auto* form = new QFormLayout(box);
        // Captions above their fields, so that two columns fit the main window.
        form->setRowWrapPolicy(QFormLayout::WrapAllRows);
        for (const int col : cols) {
            AddField(form, col);
        }
        return box;
    };
    auto* left = new QVBoxLayout;
    left->addWidget(group("Kessel und Grenzwerte",
                          {kColNominalOutput, kColBurnerKind, kColStandardBoiler, kColInstallDate,
                           kColAccessionArea, kColPlantKind, kColCondensing}));
    left->addWidget(group("Überwachung", {kColSelfCalibrating, kColOutsideWallFlue, kColDueYear,
                                          kColMakerCertificate}));
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(group("Eigentümer und Aufstellort", {kColOwner, kColOwnerAddress, kColSite}));
    right->addWidget(group("Wärmetauscher", {kColExchangerMaker, kColExchangerType,
                                             kColExchangerYear, kColExchangerRange}));
    right->addWidget(group("Brenner", {kColBurnerMaker, kColBurnerType, kColBurnerYear,
                                       kColBurnerRange, kColMeasuredOutput}));
    right->addStretch(1);
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
}

void PlantFactsForm::AddField(QFormLayout* form, int col) {
    auto* label = new QLabel(FromUtf8(DefaultLabel(col)), this);
    QWidget* field = nullptr;
    const std::vector<Choice> choices = ChoicesOf(col);
    if (!choices.empty()) {
        auto* box = new QComboBox(this);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        box->setMinimumContentsLength(10);
        box->addItem(QString(), QString());
        for (const Choice& c : choices) {
            box->addItem(FromUtf8(c.text), QString::fromLatin1(c.letter));
        }
        connect(box, &QComboBox::activated, this, [this, col] { emit FactEdited(col); });
        field = box;
    } else {
        auto* edit = new QLineEdit(this);
        edit->setValidator(new FactValidator(col, edit));
        if (col == kColInstallDate) {
            edit->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
        }
        connect(edit, &QLineEdit::textEdited, this, [this, col] { emit FactEdited(col); });
        field = edit;
    }
    field->setObjectName(FieldName(col));
    label->setBuddy(field);
    form->addRow(label, field);
    fields_[Index(col)] = field;
    labels_[Index(col)] = label;
}

void PlantFactsForm::SetCaptions(const std::vector<std::string>& captions) {
    for (int col = kColNominalOutput; col < kFactColumnsEnd; ++col) {
        const bool present = static_cast<size_t>(col) < captions.size();
        labels_[Index(col)]->setText(present ? FromAnsi(captions[static_cast<size_t>(col)])
                                             : FromUtf8(DefaultLabel(col)));
        fields_[Index(col)]->setEnabled(present);
    }
}

void PlantFactsForm::SetValues(const FactValues& values) {
    for (int col = kColNominalOutput; col < kFactColumnsEnd; ++col) {
        const QString text = FromAnsi(values[Index(col)]);
        if (auto* edit = qobject_cast<QLineEdit*>(Field(col))) {
            if (edit->text() != text) {
                edit->setText(text);
            }
            continue;
        }
        auto* box = qobject_cast<QComboBox*>(Field(col));
        const int own = static_cast<int>(ChoicesOf(col).size()) + 1;
        while (box->count() > own) {
            box->removeItem(own);
        }
        const QString letter = text.trimmed().toUpper();
        int index = letter.isEmpty() ? 0 : box->findData(letter);
        if (index < 0) {
            // A letter the choice does not know stays as it is rather than being lost.
            box->addItem(text, text);
            index = box->count() - 1;
        }
        box->setCurrentIndex(index);
    }
}

std::string PlantFactsForm::Value(int col) const {
    if (const auto* edit = qobject_cast<const QLineEdit*>(Field(col))) {
        return FilterPastedText(col, std::string(), edit->text().toStdU32String());
    }
    const auto* box = qobject_cast<const QComboBox*>(Field(col));
    return ToAnsiLossy(box->currentData().toString());
}

FactValues PlantFactsForm::Values() const {
    FactValues values;
    for (int col = kColNominalOutput; col < kFactColumnsEnd; ++col) {
        values[Index(col)] = Value(col);
    }
    return values;
}

QWidget* PlantFactsForm::Field(int col) const {
    return col >= kColNominalOutput && col < kFactColumnsEnd ? fields_[Index(col)] : nullptr;
}
