// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Both transfer commands through the real main window, on both routes: the memory-card file
// and fendro-devsim on a pseudo-terminal. Dialogs are answered by the test.

#include "core/exchange/TransferFile.h"
#include "exchange/ExchangeTestSupport.h"

#include "core/files/AtomicFile.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/uGlobal.h"
#include "gui/app/CardGridModel.h"
#include "gui/app/DialogAnswers.h"
#include "gui/app/Forms.h"
#include "gui/app/TFileDialog.h"
#include "gui/app/uMainFrm.h"
#include "gui/exchange/uTransferFrm.h"
#include "gui/files/uUeberschreibFrm.h"
#include "platform/TextCodec.h"
#include "support/DeviceSimulator.h"
#include "support/GuiTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <filesystem>
#include <functional>

#include <unistd.h>

namespace {

constexpr int kCom = 9;

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string Cell(int col, int row) {
    return MainFrm->Cards().Cell(col, row);
}

// The main window's connection settings, which choose the route.
ConnectionSettings& Settings() {
    return MainFrm->Connection();
}

int CardCount() {
    return MainFrm->Cards().RowCount() - 1;
}

// A card line of 25 fields with measurement values of its own.
std::string Card(const std::string& name, const std::string& street, const std::string& town) {
    std::string line = name + "," + street + "," + town;
    for (int c = 3; c < 25; ++c) {
        line += "," + std::to_string(c) + name.substr(0, 1);
    }
    return line + "\r\n";
}

std::string Padded(const std::string& text, size_t width) {
    return text + std::string(width - text.size(), ' ');
}

void Open(const std::string& file) {
    DialogAnswers::QueueFile(Q(file));
    MainFrm->Oeffnen1->trigger();
}

QStringList Lines() {
    QStringList lines;
    for (int i = 0; i < TransferFrm->ListBox1->count(); ++i) {
        lines << TransferFrm->ListBox1->item(i)->text();
    }
    return lines;
}

int LineCount(const std::string& data) {
    int n = 0;
    ForEachCardLine(data, [&n](std::string_view) { ++n; });
    return n;
}

// Runs `action` every `ms` while the command runs, as a user pressing a key would.
class Repeat {
public:
    Repeat(int ms, std::function<void()> action) {
        QObject::connect(&timer_, &QTimer::timeout, std::move(action));
        timer_.start(ms);
    }

private:
    QTimer timer_;
};

void PressInTransferWindow(Qt::Key key) {
    QTest::keyClick(TransferFrm->Button1, key);
}

// What the main window looks like while a command runs.
struct DuringTheCommand {
    bool seen = false;
    bool commandsOff = true;
    bool transferWindowUsable = true;
    void Look() {
        commandsOff = commandsOff && !MainFrm->menuBar()->isEnabled() &&
                      !MainFrm->MessgertzuPC1->isEnabled() && !MainFrm->StringGrid1->isEnabled();
        // After a receive the window goes while the target loads.
        if (TransferFrm->isVisible()) {
            seen = true;
            transferWindowUsable = transferWindowUsable && TransferFrm->isEnabled() &&
                                   TransferFrm->Button1->isEnabled();
        }
    }
};

// The program's own temporary folder, which the test's folder holds.
QString TempFolder(const ProgramUnderTest& program) {
    return Q(program.Dir().File("fendro-" + std::to_string(::geteuid())));
}

QStringList FilesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

// Once a flow is done its temporary files, which hold personal data, are gone.
bool NoTempFilesLeft(const ProgramUnderTest& program) {
    return TempCardFile.empty() && TempDeviceFile.empty() && FilesIn(TempFolder(program)).isEmpty();
}

} // namespace

class TransferFlowsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void serialRouteForEveryTypeButMmc();
    void temporaryFilesAreOursAndGo();
    void sendToTheDeviceConvertsUmlautsOnlyForXq();
    void receiveAppendsToTheTargetAndReloads();
    void failedReceiveSavesNothing();
    void memoryCardRoundTrip();
    void memoryCardReceiveWithoutCardFile();
    void cancelAndAbbruchLeaveEverything();
    void unsavedChangesStopTheReceive();
    void fileErrorRestoresTheCardFileName();
};

void TransferFlowsTest::init() {
    DialogAnswers::Clear();
}

void TransferFlowsTest::serialRouteForEveryTypeButMmc() {
    ProgramUnderTest program;
    const std::string cards = program.Dir().File("kunden.csv");
    WriteBytes(cards, Card("Abel", "Weg 1", "Ulm") + Card("Bauer", "Weg 2", "Hof"));
    Open(cards);
    MainFrm->Document().SetChanged(true);
    const QString title = MainFrm->TitleText();
    const TFileDialog* lastDialog = TFileDialog::LastShown();

    // Port 0 never opens, so each send ends at once with the line of the serial link.
    Settings().ComPort = 0;
    for (const char* type : {"COM", "T7Q", "XQ", "RV", "mmc"}) {
        Settings().DeviceType = type;
        MainFrm->Document().SetWriteMode(smCancel);
        MainFrm->PCzuMessgert1->trigger();
        QCOMPARE(TFileDialog::LastShown(), lastDialog);
        // The window is still open from the last send and starts with a fresh list.
        QCOMPARE(Lines(), QStringList{QString::fromUtf8("Kann Verbindung über COM0 nicht öffnen")});
        QVERIFY(TransferFrm->isVisible());
        QCOMPARE(MainFrm->Document().FileName(), cards);
        QVERIFY(MainFrm->Document().Changed());
        QCOMPARE(MainFrm->TitleText(), title);
        QCOMPARE(MainFrm->Document().WriteMode(), smOverwrite);
        QVERIFY(NoTempFilesLeft(program));
        QVERIFY(MainFrm->menuBar()->isEnabled() && MainFrm->PCzuMessgert1->isEnabled());
    }
    QCOMPARE(DialogAnswers::TakeShown(), QStringList());
}

void TransferFlowsTest::temporaryFilesAreOursAndGo() {
    ProgramUnderTest program;
    // Made with the windows, in a private folder of their own in the temporary folder.
    const QString folder = TempFolder(program);
    QCOMPARE(QFileInfo(folder).permissions() & (QFile::ReadGroup | QFile::ReadOther),
             QFile::Permissions());
    const std::string card = TempCardFile;
    const std::string device = TempDeviceFile;
    const QString ours = QStringLiteral("fendro-%1-").arg(QCoreApplication::applicationPid());
    for (const std::string& name : {card, device}) {
        const QFileInfo info(Q(name));
        QVERIFY(info.isFile());
        QCOMPARE(info.absolutePath(), folder);
        QVERIFY(info.fileName().startsWith(ours));
        QCOMPARE(info.suffix(), QStringLiteral("TMP"));
        QCOMPARE(info.permissions() &
                     (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
    }
    QVERIFY(card != device);

    // Someone puts a link in place of the card file: the flow takes a new name of its own,
    // leaves the link and its target alone and deletes its own files when done.
    const std::string victim = program.Dir().File("victim.txt");
    WriteBytes(victim, "keep me");
    std::filesystem::remove(card);
    std::filesystem::create_symlink(victim, card);
    Settings().ComPort = 0;
    Settings().DeviceType = "COM";
    MainFrm->PCzuMessgert1->trigger();
    QCOMPARE(ReadBytes(victim), std::string("keep me"));
    QVERIFY(TempCardFile.empty() && TempDeviceFile.empty());
    QCOMPARE(FilesIn(folder), QStringList{QFileInfo(Q(card)).fileName()});
    std::filesystem::remove(card);

    // A run killed before its end left files. At the next start only those of ours whose
    // process is gone are deleted (no process has the highest number); a running copy's file
    // and any other file stay.
    const QString noProcess = Q(ReadBytes("/proc/sys/kernel/pid_max")).trimmed();
    const QString gone = folder + QStringLiteral("/fendro-%1-tmpAbC123.TMP").arg(noProcess);
    const QString running = folder + QStringLiteral("/fendro-%1-rawAbC123.TMP").arg(::getppid());
    const QString other = folder + QStringLiteral("/fremd.TMP");
    for (const QString& name : {gone, running, other}) {
        WriteBytes(ToUtf8(name), Card("Abel", "Weg 1", "Ulm"));
    }
    program.Close();
    const QByteArray tmpdir = qgetenv("TMPDIR");
    qputenv("TMPDIR", QByteArray::fromStdString(program.Dir().Path()));
    CreateForms();
    if (tmpdir.isNull()) {
        qunsetenv("TMPDIR");
    } else {
        qputenv("TMPDIR", tmpdir);
    }
    QVERIFY(!QFileInfo::exists(gone));
    // The end of the program deletes the two files made at its start.
    DestroyForms();
    QCOMPARE(FilesIn(folder),
             (QStringList{QFileInfo(running).fileName(), QStringLiteral("fremd.TMP")}));
}

void TransferFlowsTest::sendToTheDeviceConvertsUmlautsOnlyForXq() {
    ProgramUnderTest program;
    const std::string cards = program.Dir().File("kunden.csv");
    WriteBytes(cards, Card("M\xFCller",
                           "Hauptstra\xDF"
                           "e 1",
                           "K\xF6ln") +
                          Card("B\xE4r", "Weg 2", "\xD6hringen"));
    Open(cards);
    Settings().ComPort = kCom;
    for (const bool xq : {true, false}) {
        Settings().DeviceType = xq ? "XQ" : "COM";
        const std::string names = program.Dir().File(xq ? "names-xq.txt" : "names-com.txt");
        DeviceSimulator sim(program.SettingsFile(), kCom,
                            {QStringLiteral("receive"), QStringLiteral("--once"),
                             QStringLiteral("--names"), Q(names)});
        QVERIFY(!sim.Published().isEmpty());
        DuringTheCommand during;
        Repeat pressS(150, [&] {
            during.Look();
            PressInTransferWindow(Qt::Key_S);
        });
        MainFrm->PCzuMessgert1->trigger();
        QVERIFY(sim.Finished(5000));
        QVERIFY(Lines().contains(QStringLiteral("Daten wurden korrekt gelesen bzw. geschrieben")));
        QVERIFY(during.seen && during.commandsOff && during.transferWindowUsable);
        QCOMPARE(ReadBytes(names), xq ? std::string("M\x81ller,Hauptstra\xE1"
                                                    "e 1,K\x94ln\r\nB\x84r,Weg 2,\x99hringen\r\n")
                                      : std::string("M\xFCller,Hauptstra\xDF"
                                                    "e 1,K\xF6ln\r\nB\xE4r,Weg 2,\xD6hringen\r\n"));
        QVERIFY(TransferFrm->isVisible());
        QCOMPARE(MainFrm->Document().FileName(), cards);
        QVERIFY(!MainFrm->Document().Changed());
        QVERIFY(MainFrm->menuBar()->isEnabled());
    }
}

void TransferFlowsTest::receiveAppendsToTheTargetAndReloads() {
    ProgramUnderTest program;
    const std::string cards = program.Dir().File("kunden.csv");
    WriteBytes(cards, Card("Abel", "Weg 1", "Ulm") + Card("Bauer", "Weg 2", "Hof"));
    const std::string target = program.Dir().File("ziel.csv");
    std::string five;
    for (int i = 1; i <= 5; ++i) {
        five += Card("Alt " + std::to_string(i), "Gasse", "Bonn");
    }
    WriteBytes(target, five);
    // Three records; the names come in the device's DOS code page.
    std::string records;
    for (const char* name : {"M\x81ller", "B\x84r", "Gr\x94\xE1"}) {
        records += WorkedExample().Put(59, Padded(name, 20)).Text();
    }
    WriteBytes(program.Dir().File("device.raw"), records);
    Open(cards);
    MainFrm->SetCurrentCell(0, 2);

    Settings().ComPort = kCom;
    Settings().DeviceType = "XQ";
    DeviceSimulator sim(program.SettingsFile(), kCom,
                        {QStringLiteral("send"), QStringLiteral("--once"), QStringLiteral("--file"),
                         Q(program.Dir().File("device.raw")), QStringLiteral("--delay"),
                         QStringLiteral("200")});
    QVERIFY(!sim.Published().isEmpty());
    DialogAnswers::QueueFile(Q(target));
    DialogAnswers::QueueChoice(smAppend);
    DuringTheCommand during;
    Repeat look(200, [&] { during.Look(); });
    MainFrm->MessgertzuPC1->trigger();

    // The save dialog started from the current card file.
    QCOMPARE(TFileDialog::LastShown(), &MainFrm->SaveDialog1);
    QCOMPARE(MainFrm->SaveDialog1.DefaultExt, QStringLiteral("CSV"));
    QVERIFY(during.seen && during.commandsOff && during.transferWindowUsable);
    QCOMPARE(DialogAnswers::Pending(), 0);

    const std::string written = ReadBytes(target);
    QCOMPARE(LineCount(written), 8);
    QCOMPARE(written.substr(0, five.size()), five);
    QCOMPARE(CardCount(), 8);
    QCOMPARE(Cell(0, 1), std::string("Alt 1"));
    // The device's name field keeps its blanks.
    QCOMPARE(Cell(0, 6), Padded("M\xFCller", 20));
    QCOMPARE(Cell(0, 7), Padded("B\xE4r", 20));
    QCOMPARE(Cell(0, 8), Padded("Gr\xF6\xDF", 20));
    QCOMPARE(Cell(1, 6), Padded("Weg 1", 20));
    QCOMPARE(MainFrm->Document().FileName(), target);
    QCOMPARE(MainFrm->TitleText(), QStringLiteral("vexa Fendro 3.03 [ziel.csv]"));
    QVERIFY(!MainFrm->Document().Changed());
    QVERIFY(!TransferFrm->isVisible());
    QVERIFY(Lines().contains(QStringLiteral("Daten gespeichert")));
    QCOMPARE(MainFrm->PageControl1->currentWidget(), MainFrm->TabSheet1);
    QCOMPARE(MainFrm->ViewContents()[1][0], Cell(3, 1));
    QVERIFY(MainFrm->menuBar()->isEnabled());
    // The card file that was open is left alone.
    QCOMPARE(ReadBytes(cards), Card("Abel", "Weg 1", "Ulm") + Card("Bauer", "Weg 2", "Hof"));
    QVERIFY(NoTempFilesLeft(program));
}

void TransferFlowsTest::failedReceiveSavesNothing() {
    ProgramUnderTest program;
    const std::string target = program.Dir().File("ziel.csv");
    const std::string before = Card("Alt", "Gasse", "Bonn") + "kaputt,\r\n";
    WriteBytes(target, before);
    Settings().ComPort = kCom;
    Settings().DeviceType = "COM";
    // A device that never sends: the user gives up with ESC, then by closing the main window.
    DeviceSimulator sim(program.SettingsFile(), kCom,
                        {QStringLiteral("send"), QStringLiteral("--count"), QStringLiteral("3"),
                         QStringLiteral("--delay"), QStringLiteral("60000")});
    QVERIFY(!sim.Published().isEmpty());
    for (const bool byClose : {false, true}) {
        DialogAnswers::QueueFile(Q(target));
        DialogAnswers::QueueChoice(smOverwrite);
        Repeat abort(300, [byClose] {
            if (byClose) {
                MainFrm->close();
            } else {
                PressInTransferWindow(Qt::Key_Escape);
            }
        });
        MainFrm->MessgertzuPC1->trigger();
        QCOMPARE(ReadBytes(target), before);
        QVERIFY(MainFrm->isVisible());
        QVERIFY(TransferFrm->isVisible());
        QVERIFY(Lines().contains(QStringLiteral("Abbruch durch Benutzer")));
        // A new table: one empty card.
        QCOMPARE(CardCount(), 1);
        QCOMPARE(Cell(0, 1), std::string());
        QCOMPARE(MainFrm->Document().FileName(), std::string());
        QCOMPARE(MainFrm->TitleText(), QStringLiteral("vexa Fendro 3.03"));
        QVERIFY(MainFrm->menuBar()->isEnabled());
    }

    // A target that does not exist asks nothing, whatever the last answer was.
    MainFrm->Document().SetWriteMode(smCancel);
    Settings().ComPort = 0;
    const int shown = TUeberschreibFrm::TimesShown();
    const std::string missing = program.Dir().File("neu.csv");
    DialogAnswers::QueueFile(Q(missing));
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(TUeberschreibFrm::TimesShown(), shown);
    QCOMPARE(Lines().first(), QString::fromUtf8("Kann Verbindung über COM0 nicht öffnen"));
    QVERIFY(!FileExists(missing));
}

void TransferFlowsTest::memoryCardRoundTrip() {
    ProgramUnderTest program;
    const std::string cards = program.Dir().File("kunden.csv");
    const std::string original = Card("M\xFCller",
                                      "Hauptstra\xDF"
                                      "e 1",
                                      "K\xF6ln") +
                                 Card("Bauer", "Weg 2", "Hof");
    WriteBytes(cards, original);
    Open(cards);
    Settings().DeviceType = "MMC";

    const std::string mmc = program.Dir().File("eigene.TXT");
    DialogAnswers::QueueFile(Q(mmc));
    MainFrm->PCzuMessgert1->trigger();
    QCOMPARE(TFileDialog::LastShown(), &MainFrm->SaveDialog2);
    QVERIFY(MainFrm->SaveDialog2.OverwritePrompt);
    QCOMPARE(MainFrm->SaveDialog2.DefaultExt, QStringLiteral("TXT"));
    QCOMPARE(Settings().MmcFileName, mmc);
    const std::string transfer = ReadBytes(mmc);
    QCOMPARE(LineCount(transfer), 2);
    const std::string first = std::string(36, ',') + "M\xFCller,Hauptstra\xDF"
                                                     "e 1,K\xF6ln,,,";
    QCOMPARE(transfer.substr(0, first.size()), first);
    QCOMPARE(Lines(), QStringList{QStringLiteral("Daten gespeichert")});
    QVERIFY(TransferFrm->isVisible());
    QCOMPARE(MainFrm->Document().FileName(), cards);
    QVERIFY(NoTempFilesLeft(program));

    // The name the device looks for is proposed again, not the one chosen last.
    DialogAnswers::QueueFile(QString());
    MainFrm->PCzuMessgert1->trigger();
    QCOMPARE(MainFrm->SaveDialog2.FileName, QStringLiteral("T7QKX.TXT"));
    QCOMPARE(Lines(), QStringList{QStringLiteral("Daten gespeichert")});

    // Back again: the open dialog starts with the memory-card file.
    DialogAnswers::QueueFile(QString());
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(TFileDialog::LastShown(), &MainFrm->OpenDialog2);
    QCOMPARE(MainFrm->OpenDialog2.FileName, Q(mmc));
    QCOMPARE(MainFrm->OpenDialog2.Title, QString::fromUtf8("MMC-Datei auswählen"));
    QVERIFY(MainFrm->OpenDialog2.FileMustExist);
    QCOMPARE(ReadBytes(cards), original);

    // The card file changed on disk since it was opened: overwriting it asks once more.
    WriteBytes(cards, Card("Alt", "Gasse", "Bonn"));
    DialogAnswers::QueueFile(Q(mmc));
    DialogAnswers::QueueChoice(smOverwrite);
    DialogAnswers::QueueYesNo(true);
    // The last lines stay in view for a moment, with the window still open.
    int heldMs = 0;
    bool openWhileHeld = false;
    MainFrm->SetWaits({[&](int ms) {
                           heldMs += ms;
                           openWhileHeld = TransferFrm->isVisible();
                       },
                       [](int) {}});
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(heldMs, 1500);
    QVERIFY(openWhileHeld);
    QCOMPARE(DialogAnswers::Pending(), 0);
    QCOMPARE(CardCount(), 2);
    for (int row : {1, 2}) {
        const auto fields = CardFields(original)[static_cast<size_t>(row - 1)];
        for (int col = 0; col < 3; ++col) {
            QCOMPARE(Cell(col, row), fields[static_cast<size_t>(col)]);
        }
    }
    QCOMPARE(LineCount(ReadBytes(cards)), 2);
    QCOMPARE(CardFields(ReadBytes(cards))[0][0], std::string("M\xFCller"));
    QCOMPARE(MainFrm->Document().FileName(), cards);
    QCOMPARE(MainFrm->TitleText(), QStringLiteral("vexa Fendro 3.03 [kunden.csv]"));
    QVERIFY(!MainFrm->Document().Changed());
    QVERIFY(!TransferFrm->isVisible());
    QCOMPARE(Lines(), QStringList{QStringLiteral("Bearbeitung abgeschlossen")});
    QCOMPARE(MainFrm->PageControl1->currentWidget(), MainFrm->TabSheet1);
    QCOMPARE(MainFrm->ViewContents()[1][0], Cell(3, 1));
    QVERIFY(NoTempFilesLeft(program));
}

void TransferFlowsTest::memoryCardReceiveWithoutCardFile() {
    ProgramUnderTest program;
    Settings().DeviceType = "MMC";
    const std::string mmc = program.Dir().File("T7QKX.TXT");
    WriteBytes(mmc, TransferLineForCard({"Abel", "Weg 1", "Ulm"}, 3) + "\r\n" +
                        TransferLineForCard({"Bauer", "Weg 2", "Hof"}, 3) + "\r\n");

    // Without a card file there is no question; the write asks for a name.
    const int shown = TUeberschreibFrm::TimesShown();
    DialogAnswers::QueueFile(Q(mmc));
    DialogAnswers::QueueFile(Q(program.Dir().File("neu")));
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(TUeberschreibFrm::TimesShown(), shown);
    const std::string saved = program.Dir().File("neu.CSV");
    QCOMPARE(MainFrm->Document().FileName(), saved);
    QCOMPARE(LineCount(ReadBytes(saved)), 2);
    QCOMPARE(MainFrm->TitleText(), QStringLiteral("vexa Fendro 3.03 [neu.CSV]"));
    QCOMPARE(Cell(0, 2), std::string("Bauer"));

    // No name given: the cards stay in the grid, unsaved and marked as changed.
    MainFrm->Neu1->trigger();
    DialogAnswers::QueueFile(Q(mmc));
    DialogAnswers::QueueFile(QString());
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QStringLiteral("Dateiname fehlt")});
    QCOMPARE(CardCount(), 2);
    QCOMPARE(Cell(2, 1), std::string("Ulm"));
    QCOMPARE(MainFrm->Document().FileName(), std::string());
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(MainFrm->TitleText(), QStringLiteral("vexa Fendro 3.03"));
    QVERIFY(!TransferFrm->isVisible());
    QCOMPARE(LineCount(ReadBytes(saved)), 2);
}

void TransferFlowsTest::cancelAndAbbruchLeaveEverything() {
    ProgramUnderTest program;
    const std::string cards = program.Dir().File("kunden.csv");
    WriteBytes(cards, Card("Abel", "Weg 1", "Ulm") + Card("Bauer", "Weg 2", "Hof"));
    const std::string target = program.Dir().File("ziel.csv");
    WriteBytes(target, Card("Alt", "Gasse", "Bonn"));
    Open(cards);
    const QString title = MainFrm->TitleText();
    auto showSecondCard = [] {
        // The user clicks the first card, then the second.
        MainFrm->SetCurrentCell(0, 1);
        MainFrm->SetCurrentCell(0, 2);
        QCOMPARE(MainFrm->ViewContents()[1][0], Cell(3, 2));
    };
    auto unchanged = [&] {
        QCOMPARE(MainFrm->Document().FileName(), cards);
        QCOMPARE(CardCount(), 2);
        QCOMPARE(Cell(0, 2), std::string("Bauer"));
        QCOMPARE(MainFrm->TitleText(), title);
        QCOMPARE(ReadBytes(target), Card("Alt", "Gasse", "Bonn"));
        QVERIFY(!TransferFrm->isVisible());
    };

    for (const char* type : {"COM", "MMC"}) {
        Settings().DeviceType = type;
        // A cancelled file dialog only shows the first card's values again.
        showSecondCard();
        DialogAnswers::QueueFile(QString());
        MainFrm->MessgertzuPC1->trigger();
        QCOMPARE(MainFrm->ViewContents()[1][0], Cell(3, 1));
        unchanged();
    }
    // The save dialog was preset with the current card file.
    QCOMPARE(MainFrm->SaveDialog1.FileName, Q(cards));

    // "Abbruch" for the serial target and for the current card file ends the command at once.
    Settings().DeviceType = "COM";
    showSecondCard();
    DialogAnswers::QueueFile(Q(target));
    DialogAnswers::QueueChoice(smCancel);
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(MainFrm->ViewContents()[1][0], Cell(3, 2));
    unchanged();

    Settings().DeviceType = "MMC";
    const std::string mmc = program.Dir().File("T7QKX.TXT");
    WriteBytes(mmc, TransferLineForCard({"Neu", "Weg", "Ort"}, 3) + "\r\n");
    DialogAnswers::QueueFile(Q(mmc));
    DialogAnswers::QueueChoice(smCancel);
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(MainFrm->ViewContents()[1][0], Cell(3, 2));
    unchanged();
    QCOMPARE(Settings().MmcFileName, mmc);
    QCOMPARE(ReadBytes(cards), Card("Abel", "Weg 1", "Ulm") + Card("Bauer", "Weg 2", "Hof"));
}

void TransferFlowsTest::unsavedChangesStopTheReceive() {
    ProgramUnderTest program;
    const std::string cards = program.Dir().File("kunden.csv");
    WriteBytes(cards, Card("Abel", "Weg 1", "Ulm"));
    const std::string target = program.Dir().File("ziel.csv");
    WriteBytes(target, Card("Alt", "Gasse", "Bonn"));
    Open(cards);
    QVERIFY(MainFrm->GridModel()->setData(MainFrm->GridModel()->index(0, 0),
                                          QString::fromUtf8("Abelé"), Qt::EditRole));
    QVERIFY(MainFrm->Document().Changed());

    // Yes to saving the typed changes, then the save dialog is cancelled.
    Settings().DeviceType = "COM";
    DialogAnswers::QueueFile(Q(target));
    DialogAnswers::QueueChoice(smAppend);
    DialogAnswers::QueueYesNo(true);
    DialogAnswers::QueueFile(QString());
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(), QStringList{QStringLiteral("?: Daten geändert ?")});
    QCOMPARE(DialogAnswers::Pending(), 0);
    QCOMPARE(Cell(0, 1), std::string("Abel\xE9"));
    QVERIFY(MainFrm->Document().Changed());
    QCOMPARE(MainFrm->Document().FileName(), cards);
    QVERIFY(!TransferFrm->isVisible());
    QCOMPARE(ReadBytes(target), Card("Alt", "Gasse", "Bonn"));
}

void TransferFlowsTest::fileErrorRestoresTheCardFileName() {
    ProgramUnderTest program;
    const std::string cards = program.Dir().File("kunden.csv");
    WriteBytes(cards, Card("Abel", "Weg 1", "Ulm"));
    Open(cards);
    Settings().DeviceType = "MMC";
    const std::string unreachable = program.Dir().File("fehlt/T7QKX.TXT");
    DialogAnswers::QueueFile(Q(unreachable));
    MainFrm->PCzuMessgert1->trigger();
    QCOMPARE(DialogAnswers::TakeShown(),
             QStringList{QStringLiteral("error: Unable to write to ") + Q(unreachable)});
    QCOMPARE(MainFrm->Document().FileName(), cards);
    QVERIFY(NoTempFilesLeft(program));
    QVERIFY(MainFrm->menuBar()->isEnabled() && MainFrm->StringGrid1->isEnabled());

    // A memory-card file that has gone by the time it is read.
    DialogAnswers::QueueFile(Q(program.Dir().File("weg.TXT")));
    DialogAnswers::QueueChoice(smOverwrite);
    MainFrm->MessgertzuPC1->trigger();
    QCOMPARE(DialogAnswers::TakeShown().size(), 1);
    QCOMPARE(ReadBytes(cards), Card("Abel", "Weg 1", "Ulm"));
    QCOMPARE(MainFrm->Document().FileName(), std::string());
    QVERIFY(NoTempFilesLeft(program));
    QVERIFY(MainFrm->menuBar()->isEnabled());
}

QTEST_MAIN(TransferFlowsTest)
#include "TransferFlows_guitest.moc"
