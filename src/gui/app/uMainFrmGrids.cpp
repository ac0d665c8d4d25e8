// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// The grid layout from the column definition file and the measurement view.

#include "core/files/AtomicFile.h"
#include "core/files/ColumnDefs.h"
#include "core/files/PlantFacts.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/Dialogs.h"
#include "gui/app/uMainFrm.h"
#include "gui/certificate/PlantFactsForm.h"
#include "platform/TextCodec.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

namespace {

constexpr int kFixedWidths[3] = {130, 130, 118};

// StringGrid3DrawCell: captions black on pale yellow, values blue on pale blue, also while the
// grid is disabled.
class MeasurementCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool caption = index.column() % 2 == 0;
        const QColor text = caption ? QColor(0, 0, 0) : QColor(0, 0, 255);
        const QColor back = caption ? QColor(249, 255, 225) : QColor(223, 235, 255);
        const QRect r = option.rect;
        painter->save();
        painter->fillRect(r, back);
        painter->setClipRect(r);
        painter->setPen(text);
        painter->setFont(option.font);
        const QRect textRect = r.adjusted(2, 2, 0, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }
};

} // namespace

void TMainFrm::BuildGridAppearance() {
    StringGrid3->setItemDelegate(new MeasurementCellDelegate(StringGrid3));
    StringGrid3->horizontalHeader()->hide();
    StringGrid3->verticalHeader()->hide();
    StringGrid3->setEnabled(false);
    StringGrid3->setFocusPolicy(Qt::NoFocus);
    StringGrid3->setShowGrid(true);
    for (int c = 0; c < kViewCols; ++c) {
        StringGrid3->setColumnWidth(c, 154);
    }
    for (int c = 0; c < kViewCols; ++c) {
        for (int r = 0; r < kViewRows; ++r) {
            StringGrid3->setItem(r, c, new QTableWidgetItem);
        }
    }
}

bool TMainFrm::SetupGrids() {
    const std::string definitionFile = DefinitionFileName();
    if (!FileExists(definitionFile)) {
        ShowMsg(QString::fromUtf8("Datei %1 nicht gefunden").arg(FromUtf8(definitionFile)));
        CloseMainWindow();
        return false;
    }
    const GridLayout layout = BuildGridLayout(ReadColumnDefinitions(definitionFile));
    const int cols = static_cast<int>(layout.captions.size());

    gridModel_->BeginChange();
    CardTable& cards = Cards();
    cards.Rows().clear();
    cards.SetColCount(cols);
    cards.SetRowCount(2);
    for (int n = 0; n < cols; ++n) {
        cards.SetCell(n, 0, layout.captions[static_cast<size_t>(n)]);
    }
    gridModel_->EndChange();

    for (int n = 0; n < cols; ++n) {
        const int provisional = layout.provisionalWidths[static_cast<size_t>(n)];
        // The measured values stay hidden; the boiler facts after them show where the
        // definition file lists them on the card list.
        StringGrid1->setColumnHidden(n, n >= 3 && !(n >= kColNominalOutput && provisional >= 0));
        if (provisional >= 0 && n >= 3) {
            StringGrid1->setColumnWidth(n, provisional);
        }
    }
    for (int n = 0; n < 3 && n < cols; ++n) {
        StringGrid1->setColumnWidth(n, kFixedWidths[n]);
    }
    StringGrid1->setCurrentIndex(gridModel_->index(0, 0));

    valueList_.clear();
    for (const std::string& caption : layout.valueCaptions) {
        valueList_.push_back({caption, std::string()});
    }
    StringGrid2->setColumnCount(2);
    StringGrid2->setRowCount(valueList_.empty() ? 1 : static_cast<int>(valueList_.size()));
    StringGrid2->clearContents();
    for (size_t i = 0; i < valueList_.size(); ++i) {
        StringGrid2->setItem(static_cast<int>(i), 0,
                             new QTableWidgetItem(FromAnsi(valueList_[i].caption)));
    }
    StringGrid2->setColumnWidth(0, 150);
    StringGrid2->setColumnWidth(1, 150);

    ClearView(view_);
    for (int c = 0; c < kViewCols; ++c) {
        for (int r = 0; r < kViewRows; ++r) {
            StringGrid3->item(r, c)->setText(QString());
        }
    }
    StringGrid2->hide();
    StringGrid3->setEnabled(false);
    PlantFacts1->SetCaptions(layout.captions);
    ShowPlantFacts(0);
    // The table starts afresh: nothing before it can be undone.
    StartNewHistory();
    return true;
}

void TMainFrm::CopyCardToValueList(int row) {
    ::CopyCardToValueList(Cards(), row, valueList_);
    ShowPlantFacts(row);
    for (size_t i = 0; i < valueList_.size(); ++i) {
        StringGrid2->setItem(static_cast<int>(i), 1,
                             new QTableWidgetItem(FromAnsi(valueList_[i].value)));
    }
}

void TMainFrm::ClearValueList() {
    ::ClearValueList(valueList_);
    ShowPlantFacts(0);
    for (int i = 0; i < StringGrid2->rowCount(); ++i) {
        StringGrid2->setItem(i, 1, new QTableWidgetItem);
    }
}

void TMainFrm::FillMeasurementView() {
    ::FillMeasurementView(valueList_, view_);
    for (int c = 0; c < kViewCols; ++c) {
        for (int r = 0; r < kViewRows; ++r) {
            StringGrid3->item(r, c)->setText(
                FromAnsi(view_[static_cast<size_t>(c)][static_cast<size_t>(r)]));
        }
    }
}

void TMainFrm::ShowCardPage() {
    PageControl1->setCurrentWidget(TabSheet1);
}

void TMainFrm::ShowFirstCard() {
    ShowCardPage();
    RefreshMeasurementView(1);
}

void TMainFrm::RefreshMeasurementView(int row) {
    if (Cards().RowCount() > 1) {
        CopyCardToValueList(row);
        FillMeasurementView();
    } else {
        ClearValueList();
    }
}
