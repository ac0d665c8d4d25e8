// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/uMainFrm.h"

#include "core/app/WindowTitle.h"
#include "core/files/Ansi.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/Dialogs.h"
#include "gui/app/ProgramIcon.h"
#include "gui/exchange/uTransferFrm.h"
#include "platform/EventPump.h"
#include "platform/TextCodec.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QThread>
#include <QUndoStack>

TMainFrm* MainFrm = nullptr;

namespace {

// A narrow row header without numbers: it is there to select whole cards.
constexpr int kRowHeaderWidth = 14;

// The picture of the first page: a boiler with its flue and the probe of the analyser.
QPixmap MakePicture() {
    QPixmap pixmap(180, 130);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(200, 205, 215));
    p.drawRoundedRect(20, 50, 60, 70, 6, 6); // boiler
    p.setBrush(QColor(150, 155, 165));
    p.drawRect(40, 10, 20, 40); // flue
    p.setBrush(QColor(230, 120, 40));
    p.drawEllipse(QPointF(50, 95), 12, 12); // flame window
    p.setPen(QPen(QColor(30, 30, 30), 3));
    p.drawLine(60, 28, 110, 28); // probe
    p.setPen(QPen(QColor(60, 60, 60), 2));
    p.setBrush(QColor(255, 250, 200));
    p.drawRoundedRect(110, 18, 55, 90, 5, 5); // analyser
    p.setBrush(QColor(20, 60, 110));
    p.drawRect(117, 26, 41, 28); // display
    p.setPen(QColor(180, 255, 180));
    p.drawText(QRect(117, 26, 41, 28), Qt::AlignCenter, QStringLiteral("O2"));
    p.setPen(QPen(QColor(60, 60, 60), 1));
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(123 + i * 14, 72), 4, 4);
        p.drawEllipse(QPointF(123 + i * 14, 90), 4, 4);
    }
    return pixmap;
}

} // namespace

TMainFrm::TMainFrm(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("MainFrm"));
    setWindowTitle(QStringLiteral("MainFrm"));
    waits_.hold = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    waits_.pause = PauseMs;
    BuildWindow();
    BuildMenu();
    SetMessageParent(this);
}

TMainFrm::~TMainFrm() {
    // The settings are written once, when the window goes away.
    FormHide();
    // The undo history goes with the window's children; it has nothing to tell the menu then.
    if (undo_ != nullptr) {
        undo_->disconnect(this);
    }
    // The grid and its model go before the card table they show, which dies with the members.
    StringGrid1->selectionModel()->disconnect(this);
    StringGrid1->setModel(nullptr);
    delete gridModel_;
    gridModel_ = nullptr;
    if (MainFrm == this) {
        MainFrm = nullptr;
    }
}

void TMainFrm::BuildWindow() {
    QFont f = font();
    f.setPixelSize(11);
    setFont(f);
    setWindowIcon(ProgramIcon());
    resize(640, 538);
    setMinimumSize(630, 300);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    setCentralWidget(PageControl1);

    TabSheet1 = new QWidget;
    TabSheet1->setObjectName(QStringLiteral("TabSheet1"));
    auto* page1 = new QHBoxLayout(TabSheet1);
    page1->setContentsMargins(0, 0, 0, 0);
    StringGrid1 = new QTableView;
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    // Grows with the window; the picture beside it keeps its size.
    StringGrid1->setMinimumWidth(385 + kRowHeaderWidth);
    gridModel_ = new CardGridModel(Cards(), this);
    gridModel_->onEdit = [this](int col, int row, const QString& text, std::string& stored) {
        return StringGrid1SetEditText(col, row, text, stored);
    };
    StringGrid1->setModel(gridModel_);
    InstallCardEditor();
    StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Whole cards are selected by their row header, with Shift and Strg, or all by Strg+A.
    StringGrid1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    StringGrid1->verticalHeader()->setFixedWidth(kRowHeaderWidth);
    StringGrid1->verticalHeader()->setDefaultSectionSize(18);
    StringGrid1->horizontalHeader()->setHighlightSections(false);
    StringGrid1->setEditTriggers(QAbstractItemView::AnyKeyPressed |
                                 QAbstractItemView::DoubleClicked |
                                 QAbstractItemView::EditKeyPressed);
    page1->addWidget(StringGrid1, 1);

    auto* pictureFrame = new QWidget;
    pictureFrame->setFixedSize(193 + 31, 145 + 32);
    Image2 = new QLabel(pictureFrame);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(31, 32, 193, 145);
    Image2->setAlignment(Qt::AlignCenter);
    Image2->setPixmap(MakePicture());
    auto* right = new QVBoxLayout;
    right->addWidget(pictureFrame);
    right->addStretch(1);
    page1->addLayout(right);
    PageControl1->addTab(TabSheet1, FromUtf8("       Übesicht Karteikarten      "));

    TabSheet2 = new QWidget;
    TabSheet2->setObjectName(QStringLiteral("TabSheet2"));
    auto* page2 = new QHBoxLayout(TabSheet2);
    page2->setContentsMargins(0, 0, 0, 0);
    StringGrid2 = new QTableWidget(1, 3);
    StringGrid2->setObjectName(QStringLiteral("StringGrid2"));
    StringGrid2->setFixedWidth(217);
    StringGrid2->hide();
    page2->addWidget(StringGrid2);
    StringGrid3 = new QTableWidget(kViewRows, kViewCols);
    StringGrid3->setObjectName(QStringLiteral("StringGrid3"));
    page2->addWidget(StringGrid3, 1);
    PageControl1->addTab(TabSheet2, FromUtf8("    Messdaten    "));
    PageControl1->setCurrentWidget(TabSheet2);
    BuildPlantPage();

    auto* bar = new QStatusBar;
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(21);
    for (int i = 0; i < 2; ++i) {
        auto* panel = new QLabel;
        panel->setFixedWidth(50);
        bar->addWidget(panel);
    }
    setStatusBar(bar);

    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex&) {
                if (current.isValid()) {
                    RunGuarded([&] { StringGrid1SelectCell(current.column(), current.row() + 1); });
                }
            });
    BuildGridAppearance();
}

QAction* TMainFrm::AddCommand(QMenu* menu, const char* objectName, const QString& caption,
                              void (TMainFrm::*handler)()) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(objectName));
    if (handler != nullptr) {
        connect(action, &QAction::triggered, this,
                [this, handler] { RunGuarded([&] { (this->*handler)(); }); });
    }
    return action;
}

void TMainFrm::BuildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    Datei1 = bar->addMenu(FromUtf8("&Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    Neu1 = AddCommand(Datei1, "Neu1", FromUtf8("&Neu"), &TMainFrm::Neu1Click);
    Oeffnen1 = AddCommand(Datei1, "Oeffnen1", FromUtf8("&Öffnen"), &TMainFrm::Oeffnen1Click);
    Speichern1 =
        AddCommand(Datei1, "Speichern1", FromUtf8("&Speichern"), &TMainFrm::Speichern1Click);
    Speichernunter1 = AddCommand(Datei1, "Speichernunter1", FromUtf8("&Speichern unter..."),
                                 &TMainFrm::Speichernunter1Click);
    Import1 = AddCommand(Datei1, "Import1", FromUtf8("Import..."), &TMainFrm::Import1Click);
    Export1 = AddCommand(Datei1, "Export1", FromUtf8("Export..."), &TMainFrm::Export1Click);
    Datei1->addSeparator()->setObjectName(QStringLiteral("N1"));
    DruckerEinrichten1 =
        AddCommand(Datei1, "DruckerEinrichten1", FromUtf8("&Drucker Einrichten..."),
                   &TMainFrm::DruckerEinrichten1Click);
    DruckenKarteikarte1 =
        AddCommand(Datei1, "DruckenKarteikarte1", FromUtf8("&Drucken Karteikarte"),
                   &TMainFrm::DruckenKarteikarte1Click);
    DruckenListe1 = AddCommand(Datei1, "DruckenListe1", FromUtf8("&Drucken Liste"),
                               &TMainFrm::DruckenListe1Click);
    Messbescheinigung1 =
        AddCommand(Datei1, "Messbescheinigung1", FromUtf8("Messbescheinigung drucken..."),
                   &TMainFrm::Messbescheinigung1Click);
    MessbescheinigungenAlle1 = AddCommand(Datei1, "MessbescheinigungenAlle1",
                                          FromUtf8("Messbescheinigungen aller Karten drucken..."),
                                          &TMainFrm::MessbescheinigungenAlle1Click);
    AddRecentCommands();
    Datei1->addSeparator()->setObjectName(QStringLiteral("N2"));
    Beenden1 = AddCommand(Datei1, "Beenden1", FromUtf8("&Beenden"), &TMainFrm::Beenden1Click);

    Karteikarte1 = bar->addMenu(FromUtf8("&Karteikarte"));
    Karteikarte1->setObjectName(QStringLiteral("Karteikarte1"));
    KarteikarteEinfgen1 =
        AddCommand(Karteikarte1, "KarteikarteEinfgen1", FromUtf8("&Karteikarte Einfügen"),
                   &TMainFrm::KarteikarteEinfgen1Click);
    KarteikarteLschen1 =
        AddCommand(Karteikarte1, "KarteikarteLschen1", FromUtf8("Karteikarte &Löschen"),
                   &TMainFrm::KarteikarteLschen1Click);
    KarteikarteSuchen1 =
        AddCommand(Karteikarte1, "KarteikarteSuchen1", FromUtf8("Karteikarte &Suchen"),
                   &TMainFrm::KarteikarteSuchen1Click);
    Karteikarte1->addSeparator()->setObjectName(QStringLiteral("N4"));
    Sortieren1 = Karteikarte1->addMenu(FromUtf8("S&ortieren"));
    Sortieren1->setObjectName(QStringLiteral("Sortieren1"));
    nachName1 =
        AddCommand(Sortieren1, "nachName1", FromUtf8("nach &Name"), &TMainFrm::nachName1Click);
    nachStrasse1 = AddCommand(Sortieren1, "nachStrasse1", FromUtf8("&nach &Strasse"),
                              &TMainFrm::nachStrasse1Click);
    nachOrt1 = AddCommand(Sortieren1, "nachOrt1", FromUtf8("nach &Ort"), &TMainFrm::nachOrt1Click);

    bertragung1 = bar->addMenu(FromUtf8("Übertragung"));
    bertragung1->setObjectName(QStringLiteral("bertragung1"));
    PCzuMessgert1 = AddCommand(bertragung1, "PCzuMessgert1", FromUtf8("&PC zu Messgerät"),
                               &TMainFrm::PCzuMessgert1Click);
    MessgertzuPC1 = AddCommand(bertragung1, "MessgertzuPC1", FromUtf8("&Messgerät zu PC"),
                               &TMainFrm::MessgertzuPC1Click);

    Einstellungen1 = bar->addMenu(FromUtf8("&Einstellungen"));
    Einstellungen1->setObjectName(QStringLiteral("Einstellungen1"));
    Verbindung1 = AddCommand(Einstellungen1, "Verbindung1", FromUtf8("&Verbindung"),
                             &TMainFrm::Verbindung1Click);
    Brennstoffarten1 = AddCommand(Einstellungen1, "Brennstoffarten1", FromUtf8("&Brennstoffarten"),
                                  &TMainFrm::Brennstoffarten1Click);
    Testdatenerzeugen1 =
        AddCommand(Einstellungen1, "Testdatenerzeugen1", FromUtf8("&Testdatenerzeugen"), nullptr);
    Testdatenerzeugen1->setVisible(false);
    Betrieb1 =
        AddCommand(Einstellungen1, "Betrieb1", FromUtf8("Betrieb..."), &TMainFrm::Betrieb1Click);

    Hilfe1 = bar->addMenu(FromUtf8("&Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    N3 = AddCommand(Hilfe1, "N3", FromUtf8("&Inhalt"), &TMainFrm::N3Click);
    InfoUeber1 = AddCommand(Hilfe1, "InfoUeber1", FromUtf8("Info über &Fendro..."),
                            &TMainFrm::InfoUeber1Click);

    Neu1->setShortcut(QKeySequence::New);
    Oeffnen1->setShortcut(QKeySequence::Open);
    Speichern1->setShortcut(QKeySequence::Save);
    DruckenKarteikarte1->setShortcut(QKeySequence::Print);
    KarteikarteSuchen1->setShortcut(QKeySequence::Find);
    Beenden1->setShortcut(QKeySequence::Quit);
    N3->setShortcut(QKeySequence::HelpContents);
    AddHistoryCommand();
    AddUndoCommands();
    AddCustomerCommands();
    AddDueCommand();
    AddRoundCommands();
}

void TMainFrm::SetCaptions() {
    Datei1->setTitle(FromUtf8("Datei"));
    Neu1->setText(FromUtf8("Neu"));
    Oeffnen1->setText(FromUtf8("Öffnen..."));
    Speichern1->setText(FromUtf8("Speichern"));
    Speichernunter1->setText(FromUtf8("Speichern als..."));
    DruckerEinrichten1->setText(FromUtf8("Drucker einstellen..."));
    DruckenKarteikarte1->setText(FromUtf8("Karteikarte drucken"));
    DruckenListe1->setText(FromUtf8("Liste drucken"));
    Beenden1->setText(FromUtf8("Beenden"));
    Karteikarte1->setTitle(FromUtf8("Karteikarte"));
    KarteikarteEinfgen1->setText(FromUtf8("Karteikarte hinzufügen"));
    KarteikarteLschen1->setText(FromUtf8("Karteikarte löschen"));
    KarteikarteSuchen1->setText(FromUtf8("Suchen..."));
    Sortieren1->setTitle(FromUtf8("Sortieren"));
    nachName1->setText(FromUtf8("nach Name"));
    nachStrasse1->setText(FromUtf8("nach Strasse"));
    nachOrt1->setText(FromUtf8("nach Ort"));
    bertragung1->setTitle(FromUtf8("Übertragung"));
    PCzuMessgert1->setText(FromUtf8("PC zum Messgerät"));
    MessgertzuPC1->setText(FromUtf8("Messgerät zum PC"));
    Einstellungen1->setTitle(FromUtf8("Einstellung"));
    Verbindung1->setText(FromUtf8("Verbindung"));
    Brennstoffarten1->setText(FromUtf8("Brennstoffarten"));
    Hilfe1->setTitle(FromUtf8("Hilfe"));
    N3->setText(FromUtf8("Inhalt"));
    InfoUeber1->setText(FromUtf8("Info über Fendro..."));
    PageControl1->setTabText(0, FromUtf8("Übersicht Karteikarte"));
    PageControl1->setTabText(1, FromUtf8("Messdaten"));
}

void TMainFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        PlaceOnScreen();
        inFormShow_ = true;
        RunGuarded([this] { FormShow(); });
        inFormShow_ = false;
    }
}

void TMainFrm::FormShow() {
    // Numbers and dates are formatted by the logic with "." and DD.MM.YY whatever the locale.
    QLocale::setDefault(QLocale::c());
    // A settings file that cannot be written (a read-only folder) is reported, but the window
    // is still laid out and usable.
    std::string cardFile = document_.FileName();
    RunGuarded([this, &cardFile] { LoadSettings(connection_, cardFile); });
    document_.SetFileName(cardFile);
    ReadRecentFiles();
    if (!SetupGrids()) {
        return;
    }
    SetCaptions();
    NewCardFile();
}

void TMainFrm::FormHide() {
    if (settingsSaved_ || !shown_) {
        return;
    }
    settingsSaved_ = true;
    RunGuarded([this] {
        SaveSettings(connection_, document_.FileName());
        SaveWindowPlacement();
    });
}

void TMainFrm::closeEvent(QCloseEvent* event) {
    if (!commandsEnabled_) {
        // A command is still running inside this window's events: the close asks a transfer
        // to stop instead of pulling the window away from under it.
        if (TransferFrm != nullptr) {
            TransferFrm->Link().AbortRequested = true;
        }
        event->ignore();
        return;
    }
    RunGuarded([this] { FormCloseQuery(); });
    event->accept();
    FormHide();
}

void TMainFrm::FormCloseQuery() {
    // The close is never refused; the question only offers a last save.
    if (AskSaveChanges()) {
        SaveCardFileAs();
    }
}

bool TMainFrm::AskSaveChanges() {
    if (!document_.Changed()) {
        return false;
    }
    return AskYesNo(FromUtf8("Daten geändert ?"), FromUtf8("Speichern"));
}

void TMainFrm::CloseMainWindow() {
    // While the window is still being shown the event loop has not started; close from it.
    if (inFormShow_) {
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        return;
    }
    close();
}

void TMainFrm::NewCardFile() {
    document_.SetFileName(std::string());
    if (!SetupGrids()) {
        return;
    }
    document_.SetChanged(false);
    SetPlainTitle();
    PageControl1->setCurrentWidget(TabSheet1);
    RefreshMeasurementView(1);
}

void TMainFrm::SetPlainTitle() {
    title_ = QString::fromLatin1(kProgramTitle);
    setWindowTitle(title_);
}

void TMainFrm::SetTitleWithName(const std::string& path) {
    title_ = FromUtf8(TitleWithFile(FileNameOnly(path)));
    setWindowTitle(title_);
}

void TMainFrm::SetTitleWithShortPath(const std::string& path) {
    const QFontMetrics metrics(font());
    const std::string shown = ShortenPath(path, [&](const std::string& candidate) {
        return metrics.horizontalAdvance(FromUtf8(candidate)) <= 300;
    });
    title_ = FromUtf8(TitleWithFile(shown));
    setWindowTitle(title_);
}

QString TMainFrm::TitleText() const {
    return title_;
}

int TMainFrm::CurrentRow() const {
    const QModelIndex current = StringGrid1->currentIndex();
    if (Cards().RowCount() <= 1) {
        return 0;
    }
    return current.isValid() ? current.row() + 1 : 1;
}

void TMainFrm::SetCurrentCell(int col, int row) {
    if (row < 1 || row >= Cards().RowCount()) {
        return;
    }
    const QModelIndex index = gridModel_->index(row - 1, col);
    StringGrid1->setCurrentIndex(index);
    // The view would follow Shift or Strg if held just now; a card chosen by the program stands
    // alone.
    StringGrid1->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
}

void TMainFrm::ShowCard(int row) {
    const QModelIndex current = StringGrid1->currentIndex();
    SetCurrentCell(current.isValid() ? current.column() : 0, row);
}

void TMainFrm::SetCommandsEnabled(bool on) {
    commandsEnabled_ = on;
    menuBar()->setEnabled(on);
    // A disabled menu bar still lets the actions' shortcuts through.
    for (QMenu* menu : {Datei1, Karteikarte1, Sortieren1, bertragung1, Einstellungen1, Hilfe1}) {
        for (QAction* action : menu->actions()) {
            if (action->menu() == nullptr) {
                action->setEnabled(on);
            }
        }
    }
    StringGrid1->setEnabled(on);
    UpdateHistoryCommand();
    UpdateUndoCommands();
}

void TMainFrm::Neu1Click() {
    if (AskSaveChanges()) {
        SaveCardFileAs();
    } else {
        NewCardFile();
    }
}

void TMainFrm::Beenden1Click() {
    if (AskSaveChanges()) {
        SaveCardFileAs();
    }
    CloseMainWindow();
}

void TMainFrm::KarteikarteLschen1Click() {
    const std::vector<int> rows = CardsToDelete();
    const QString question = rows.size() > 1
                                 ? FromUtf8("Sollen die %1 Karteikarten wirklich gelöscht werden ?")
                                       .arg(static_cast<int>(rows.size()))
                                 : FromUtf8("Soll die Karteikarte wirklich gelöscht werden ?");
    if (AskYesNo(question, FromUtf8("Karteikarte löschen"))) {
        DeleteCards(rows);
    }
}
