// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/exchange/uTransferFrm.h"

#include "platform/EventPump.h"
#include "platform/QtSerialPort.h"
#include "platform/TextCodec.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyledItemDelegate>

TTransferFrm* TransferFrm = nullptr;

namespace {

constexpr int kLineHeight = 13;
// Room for every line of the longest instruction run (the control unit's receive: the port,
// seven steps, blank lines) and the closing lines after an abort, without scrolling.
constexpr int kVisibleLines = 14;
constexpr int kMargin = 8;
constexpr int kRightMargin = 5;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;

// Every line of the list is kLineHeight high, whatever the font's own line spacing.
class FixedLineHeight : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return QSize(QStyledItemDelegate::sizeHint(option, index).width(), kLineHeight);
    }
};

} // namespace

TTransferFrm::TTransferFrm(const ConnectionSettings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings), link_(settings) {
    setObjectName(QStringLiteral("TransferFrm"));
    setWindowTitle(QString::fromUtf8("Übertragung"));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                   ~Qt::WindowContextHelpButtonHint);
    setModal(false);
    // The main window's font, so that the instructions read the same as the rest.
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setItemDelegate(new FixedLineHeight(ListBox1));
    ListBox1->setUniformItemSizes(true);
    ListBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ListBox1->setTextElideMode(Qt::ElideNone);
    ListBox1->setFrameShape(QFrame::NoFrame);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    QPalette palette = ListBox1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    ListBox1->setPalette(palette);

    Button1 = new QPushButton(QStringLiteral("&Abbruch"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setAutoDefault(true);
    LayOut(353);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    // Key preview: the window sees every key before its controls do.
    installEventFilter(this);
    ListBox1->installEventFilter(this);
    Button1->installEventFilter(this);

    link_.Setup(QtSerialLinkSetup(*this));
}

TTransferFrm::~TTransferFrm() {
    // The link must not write into a window that is gone.
    link_.Setup(SerialLinkSetup());
}

void TTransferFrm::LayOut(int listWidth) {
    const int listHeight = kVisibleLines * kLineHeight;
    ListBox1->setGeometry(kMargin, kMargin, listWidth, listHeight);
    const int width = kMargin + listWidth + kRightMargin;
    Button1->setGeometry((width - kButtonWidth) / 2, kMargin + listHeight + 7, kButtonWidth,
                         kButtonHeight);
    setFixedSize(width, Button1->geometry().bottom() + 1 + kMargin);
}

void TTransferFrm::FitWidth(const QString& text) {
    // The item's text margins and a vertical scroll bar that may appear later.
    const int needed = ListBox1->fontMetrics().horizontalAdvance(text) + 16 +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (needed > ListBox1->width()) {
        const QPoint centre = geometry().center();
        LayOut(needed);
        if (isVisible()) {
            move(centre - rect().center());
        }
    }
}

void TTransferFrm::AddTransferLine(const std::string& text) {
    FitWidth(FromUtf8(text));
    ListBox1->addItem(FromUtf8(text));
    ListBox1->scrollToItem(ListBox1->item(ListBox1->count() - 1), QAbstractItemView::PositionAtTop);
    ListBox1->viewport()->repaint();
}

void TTransferFrm::ReplaceTransferLine(const std::string& text) {
    FitWidth(FromUtf8(text));
    if (ListBox1->count() == 0) {
        ListBox1->addItem(FromUtf8(text));
    } else {
        ListBox1->item(ListBox1->count() - 1)->setText(FromUtf8(text));
    }
    ListBox1->scrollToItem(ListBox1->item(ListBox1->count() - 1), QAbstractItemView::PositionAtTop);
}

void TTransferFrm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TTransferFrm::FormShow() {
    ListBox1->clear();
    setWindowTitle(QString::fromUtf8("Übertragung"));
    if (const QScreen* s = screen()) {
        move(s->availableGeometry().center() - rect().center());
    }
    Button1->setFocus();
    Button1->setText(QStringLiteral("Abbruch"));
}

bool TTransferFrm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == this || watched == ListBox1 || watched == Button1)) {
        return FormKeyPress(static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

bool TTransferFrm::FormKeyPress(QKeyEvent* event) {
    if (event->text().toUpper() == QStringLiteral("S")) {
        link_.StartRequested = true;
    }
    if (event->key() == Qt::Key_Escape) {
        link_.AbortRequested = true;
        // ESC only asks for the abort; the window stays, as the dialog would otherwise close.
        return true;
    }
    return false;
}

void TTransferFrm::Button1Click() {
    link_.AbortRequested = true;
    HandlePendingMessages();
    close();
}

void TTransferFrm::FormCloseQuery() {
    link_.AbortRequested = true;
    HandlePendingMessages();
}

void TTransferFrm::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    QDialog::closeEvent(event);
}

void TTransferFrm::reject() {
    link_.AbortRequested = true;
    QDialog::reject();
}
