#include "exchange/uTransferFrm.h"

#include "exchange/SerialLink.h"
#include "platform/EventPump.h"
#include "platform/QtSerialPort.h"
#include "platform/TextCodec.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>

TTransferFrm* TransferFrm = nullptr;

TTransferFrm::TTransferFrm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TransferFrm"));
    setWindowTitle(QString::fromUtf8("Übertragung"));
    setWindowFlags((windowFlags() | Qt::MSWindowsFixedSizeDialogHint) &
                   ~Qt::WindowContextHelpButtonHint);
    setFixedSize(366, 153);
    setModal(false);

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 8, 353, 105);
    ListBox1->setFrameShape(QFrame::NoFrame);
    ListBox1->setFocusPolicy(Qt::NoFocus);
    ListBox1->setSelectionMode(QAbstractItemView::NoSelection);
    QPalette palette = ListBox1->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    ListBox1->setPalette(palette);

    Button1 = new QPushButton(QStringLiteral("&Abbruch"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(144, 120, 75, 25);
    Button1->setAutoDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

    // Key preview: the window sees every key before its controls do.
    installEventFilter(this);
    ListBox1->installEventFilter(this);
    Button1->installEventFilter(this);

    UseQtSerialLink(*this);
}

TTransferFrm::~TTransferFrm() {
    // The link must not write into a window that is gone.
    SetupSerialLink(SerialLinkSetup());
}

void TTransferFrm::AddTransferLine(const std::string& text) {
    ListBox1->addItem(FromUtf8(text));
    ListBox1->scrollToItem(ListBox1->item(ListBox1->count() - 1), QAbstractItemView::PositionAtTop);
    ListBox1->viewport()->repaint();
}

void TTransferFrm::ReplaceTransferLine(const std::string& text) {
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
        StartRequested = true;
    }
    if (event->key() == Qt::Key_Escape) {
        AbortRequested = true;
        // ESC only asks for the abort; the window stays, as the dialog would otherwise close.
        return true;
    }
    return false;
}

void TTransferFrm::Button1Click() {
    AbortRequested = true;
    HandlePendingMessages();
    close();
}

void TTransferFrm::FormCloseQuery() {
    AbortRequested = true;
    HandlePendingMessages();
}

void TTransferFrm::closeEvent(QCloseEvent* event) {
    FormCloseQuery();
    QDialog::closeEvent(event);
}

void TTransferFrm::reject() {
    AbortRequested = true;
    QDialog::reject();
}
