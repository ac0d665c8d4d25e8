// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The "Anlage" page of the main window: the plant facts of the selected card as a form.

#include "core/certificate/FactProposal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/uMainFrm.h"
#include "gui/certificate/PlantFactsForm.h"
#include "platform/TextCodec.h"

#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

void TMainFrm::BuildPlantPage() {
    TabSheet3 = new QWidget;
    TabSheet3->setObjectName(QStringLiteral("TabSheet3"));
    auto* page = new QVBoxLayout(TabSheet3);
    page->setContentsMargins(0, 0, 0, 0);
    PlantFacts1 = new PlantFactsForm;
    PlantFacts1->setObjectName(QStringLiteral("PlantFacts1"));
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setWidget(PlantFacts1);
    page->addWidget(scroll);
    PageControl1->addTab(TabSheet3, FromUtf8("Anlage"));

    connect(PlantFacts1, &PlantFactsForm::FactEdited, this,
            [this](int col) { SetFactCell(factsRow_, col, PlantFacts1->Value(col)); });
    // Typed into the grid, pasted, sorted or loaded: the page shows what the card holds now.
    connect(gridModel_, &QAbstractItemModel::dataChanged, this,
            [this] { ShowPlantFacts(factsRow_); });
    connect(gridModel_, &QAbstractItemModel::layoutChanged, this,
            [this] { ShowPlantFacts(CurrentRow()); });
    connect(gridModel_, &QAbstractItemModel::modelReset, this,
            [this] { ShowPlantFacts(CurrentRow()); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (PageControl1->currentWidget() == TabSheet3) {
            ShowPlantFacts(factsRow_);
        }
    });
}

void TMainFrm::ShowPlantFacts(int row) {
    const CardTable& cards = Cards();
    factsRow_ = row >= 1 && row < cards.RowCount() ? row : 0;
    // Filled when seen: every field set and enabled is an event a screen reader is sent, which a
    // load or a walk through the cards would otherwise pay for on a page nobody looks at.
    if (PageControl1->currentWidget() != TabSheet3) {
        return;
    }
    PlantFacts1->SetValues(factsRow_ > 0 ? FactsOf(cards.RowAt(factsRow_)) : FactValues());
    PlantFacts1->setEnabled(factsRow_ > 0);
}

void TMainFrm::SetFactCell(int row, int col, const std::string& text) {
    SetCardCell(col, row, text);
}
