// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: menu, card grid, measurement view, title and the modified-data question.
// Its handlers are split by subject: uMainFrm.cpp (shell), uMainFrmGrids.cpp (layout and
// measurement view), uMainFrmCardFile.cpp (card file flows), uMainFrmCards.cpp (card
// operations), uMainFrmTransfer.cpp,
// uMainFrmSettings.cpp, uMainFrmPrint.cpp, uMainFrmHistory.cpp,
// uMainFrmCustomer.cpp (a customer's requests), uMainFrmCertificate.cpp,
// uMainFrmRecent.cpp (card files used last), uMainFrmRound.cpp (choosing a round),
// uMainFrmDue.cpp (who is due), uMainFrmImport.cpp (lists in and out), uMainFrmMatch.cpp
// (measurements back onto their customers), uMainFrmUndo.cpp (undo and redo),
// uMainFrmPlant.cpp (the "Anlage" page) and
// uMainFrmPlacement.cpp (the window's place).

#include "core/files/CardDocument.h"
#include "core/files/CellChange.h"
#include "core/files/ConnectionSettings.h"
#include "core/files/MeasurementView.h"
#include "core/files/RecentFiles.h"
#include "gui/app/CardWindow.h"
#include "gui/app/TFileDialog.h"

#include <QMainWindow>

#include <functional>
#include <optional>
#include <string>
#include <vector>

class CardGridModel;
enum class LegalBasis : unsigned char;
class PlantFactsForm;
struct HistoryEntry;
enum class ErasureKind;
class QAction;
class QLabel;
class QMenu;
class QTabWidget;
class QTableView;
class QTableWidget;
class QUndoCommand;
class QUndoStack;

class TMainFrm : public QMainWindow, public CardWindow {
    Q_OBJECT
public:
    explicit TMainFrm(QWidget* parent = nullptr);
    ~TMainFrm() override;

    // The open card file; its table is shown by StringGrid1.
    TCardDocument& Document() override { return document_; }
    CardTable& Cards() { return document_.Cards(); }
    const CardTable& Cards() const { return document_.Cards(); }
    CardGridModel* GridModel() { return gridModel_; }
    // Current card row of the table (1 and on), 0 when the table has no card.
    int CurrentRow() const;
    void SetCurrentCell(int col, int row);

    // Shell.
    bool AskSaveChanges();
    void CloseMainWindow();
    void NewCardFile();
    void SetPlainTitle();
    void SetTitleWithName(const std::string& path); // name without directory
    void SetTitleWithShortPath(const std::string& path);
    // The text of the window title as it was last set.
    QString TitleText() const;

    // Layout and measurement view. SetupGrids returns false when the program has to end.
    bool SetupGrids();
    void CopyCardToValueList(int row);
    void ClearValueList();
    void FillMeasurementView();
    // The usual refresh: the first card's values, or an empty list without cards.
    void RefreshMeasurementView(int row);
    const ViewCells& ViewContents() const { return view_; }

    // The "Anlage" page (uMainFrmPlant.cpp): the plant facts of the card the measurement view
    // shows, editable. Every fact reaches the card through SetFactCell, which marks the
    // document changed and has the grid show it; nothing happens for a cell outside the table
    // or a text the cell already holds.
    void ShowPlantFacts(int row);
    void SetFactCell(int row, int col, const std::string& text);

    // The rest of CardWindow.
    bool LoadCards(const std::string& fileName) override;
    void ShowCard(int row) override;
    void ShowCardPage() override;
    void ShowFirstCard() override;
    bool IsOnScreen() const override { return isVisible(); }

    // Card file flows.
    void OpenCardFile();
    void SaveCardFile();
    void SaveCardFileAs();
    // Loads the document's file; false when it names no file, and the table is then unchanged.
    bool LoadCardFile();
    // Writes the document by its write mode, asking for a name when it has none. False when
    // nothing was written (no name, or "Abbruch").
    bool WriteCardFile();
    bool AskCardFileName();
    // How to write the table into the document's existing file: over it when the table holds
    // that file, otherwise as the file-exists question answers.
    TSaveMode WriteModeForExistingFile();
    // Opens the named card file as "Öffnen..." does after its dialog; false when it did not.
    bool OpenNamedCardFile(const std::string& fileName);
    // SaveDialog1 set up for a card file, preset with the current one when it exists.
    void PrepareCardSaveDialog();
    // The card file as it is on disk now: the table was just read from it or written to it.
    void RememberCardFileOnDisk();
    // The question before overwriting a card file that changed on disk since.
    static QString ChangedOnDiskQuestion(const std::string& fileName);

    // The card files used last (uMainFrmRecent.cpp): one is put first when it was opened or
    // saved under a new name, and the settings file is written when the list changes.
    const RecentFiles& Recent() const { return recent_; }
    void RememberRecentFile(const std::string& fileName);
    // Opens a listed file as "Öffnen..." does; a file that is gone leaves the list.
    void OpenRecentFile(const std::string& fileName);
    QAction* RecentCommand(int place) const { return recentCommands_[static_cast<size_t>(place)]; }

    // Customer lists in and out (uMainFrmImport.cpp). ImportList runs the import dialog on a
    // list file and imports it; false when nothing was imported. Replacing the cards asks about
    // unsaved changes unless the caller has asked already.
    bool ImportList(const std::string& fileName, bool askAboutChanges = true);
    // Whether a file about to be opened as a card file is clearly a list of another program.
    bool LooksLikeList(const std::string& fileName) const;
    // Writes the cards of `rows` into `fileName` as its extension says (.xlsx or .csv).
    void ExportCards(const std::string& fileName, const std::vector<int>& rows, TSaveMode mode);
    TFileDialog ImportDialog{TFileDialog::Open};
    TFileDialog ExportDialog{TFileDialog::Save};

    // Card operations.
    void InsertCard();
    void DeleteCard();
    // The cards "Karteikarte löschen" deletes: the whole cards selected, else the current one.
    std::vector<int> CardsToDelete() const;
    // Deletes the cards of these table rows at once.
    void DeleteCards(const std::vector<int>& rows);
    // Strg+C on the grid: the selected whole cards as lines; false when none is selected.
    bool CopySelectedCards();
    // Strg+V on the grid: card lines become new cards after the current one, selected. False
    // for a text that is no card lines (a single value).
    bool PasteCards(const QString& text);
    void ShowSearch();
    void StringGrid1SelectCell(int col, int row);
    // Sets `key` to 0 when the typed character may not enter the current cell, or to the
    // character it becomes there.
    void StringGrid1KeyPress(char32_t& key);
    void SortCards(const std::vector<int>& keys);
    // Selects the cards whose name, street or town contains `text`, added to the selection or
    // in its place; returns how many were found.
    int SelectCardsContaining(const QString& text, bool add);
    // Opens a new, unsaved table holding copies of the whole cards selected.
    void OpenSelectionAsNewTable();
    // Opens a new, unsaved table holding these cards, asking about unsaved changes first.
    void OpenCardsAsNewTable(std::vector<CardTable::Row> round);
    // Selects the table's newest card of each customer due in `year` or earlier, as the due
    // list finds them; returns how many.
    int SelectCardsDueBy(int year, bool add);

    // Menu handlers.
    void Neu1Click();
    void Oeffnen1Click();
    void Speichern1Click();
    void Speichernunter1Click();
    void Import1Click();
    void Export1Click();
    void DruckerEinrichten1Click();
    void DruckenKarteikarte1Click();
    void DruckenListe1Click();
    void Beenden1Click();
    void KarteikarteEinfgen1Click();
    void KarteikarteLschen1Click();
    void KarteikarteSuchen1Click();
    void nachName1Click();
    void nachStrasse1Click();
    void nachOrt1Click();
    void PCzuMessgert1Click();
    void MessgertzuPC1Click();
    void Verbindung1Click();
    void Brennstoffarten1Click();
    void N3Click();
    void Messverlauf1Click();
    void KartenAuswaehlen1Click();
    void AuswahlNeueKartei1Click();
    void FaelligeMessungen1Click();

    // Undo and redo (uMainFrmUndo.cpp). Every change of the card table goes through the undo
    // history; loading, "Neu" and a receive start a new one, and a save marks the state that is
    // in the file: undoing back to it leaves the table unchanged.
    QUndoStack* UndoStack() const { return undo_; }
    // Makes the change of `command` and keeps it for "Rückgängig"; the history takes it over.
    void PushCardChange(QUndoCommand* command);
    // Sets cells of cards (table column and row, Windows-1252 text stored as given: the caller
    // applies the typing rules) in one undoable step named `caption`, and marks the table changed
    // when one of them differs; cells outside the table and unchanged ones are left out. The way
    // for windows and forms that edit cards: the grid shows the change at once, Strg+Z takes it
    // back.
    void SetCardCells(const std::vector<CellChange>& cells, const QString& caption);
    void SetCardCell(int col, int row, const std::string& text);
    void StartNewHistory();
    void MarkHistorySaved();
    // The table holds cards that are in no file: no state of the history is the saved one.
    void MarkHistoryUnsaved();
    // Forgets every step of the history, the table staying as it is (after a customer's data was
    // erased); a changed table stays changed.
    void DropHistory();
    // After an undo or redo: the cell or the cards it touched become current and are shown.
    void ShowChangedCell(int col, int row);
    void ShowChangedCards(const std::vector<int>& rows);
    void Rueckgaengig1Click();
    void Wiederherstellen1Click();

    // "Messwerte zuordnen..." (uMainFrmMatch.cpp): the received cards onto their customers.
    void MesswerteZuordnen1Click();
    // After a receive: the status bar points to it when the folder holds other card files.
    void PointToMatching();

    // The history window's way back: opens the file of a measurement (asking about unsaved
    // changes first) and selects its card.
    void GoToHistoryCard(const HistoryEntry& entry);
    // "Messverlauf..." is enabled while a card with a customer is selected.
    void UpdateHistoryCommand();
    bool HasHistoryCustomer() const;
    // A customer's requests (uMainFrmCustomer.cpp), for the customer of the current card.
    void AuskunftDrucken1Click();
    void KundeLoeschen1Click();
    void KundeAnonymisieren1Click();
    // Every card of the customer deleted or anonymised in the table and the folder's card files.
    void ForgetCustomer(ErasureKind kind);
    // Gives the cards of these rows another name, street and town.
    void ReplaceCustomerCells(const std::vector<int>& rows, const CardTable::Row& cells);
    // Whether the table holds its file exactly as it is on disk.
    bool TableIsItsFile() const;
    void Messbescheinigung1Click();
    void MessbescheinigungenAlle1Click();
    void Betrieb1Click();
    void InfoUeber1Click();

    // The way to the device, read from the settings file at the start and written by the
    // connection dialog's OK and at the end.
    ConnectionSettings& Connection() { return connection_; }

    // Controls, named as in the window layout.
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr; // "Anlage"
    PlantFactsForm* PlantFacts1 = nullptr;
    QTableView* StringGrid1 = nullptr;
    QTableWidget* StringGrid2 = nullptr;
    QTableWidget* StringGrid3 = nullptr;
    QLabel* Image2 = nullptr;

    TFileDialog OpenDialog1{TFileDialog::Open};
    TFileDialog SaveDialog1{TFileDialog::Save};
    TFileDialog OpenDialog2{TFileDialog::Open};
    TFileDialog SaveDialog2{TFileDialog::Save};

    QMenu* Datei1 = nullptr;
    QMenu* Karteikarte1 = nullptr;
    QMenu* Sortieren1 = nullptr;
    QMenu* bertragung1 = nullptr;
    QMenu* Einstellungen1 = nullptr;
    QMenu* Hilfe1 = nullptr;
    QAction* Neu1 = nullptr;
    QAction* Oeffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Import1 = nullptr;
    QAction* Export1 = nullptr;
    QAction* DruckerEinrichten1 = nullptr;
    QAction* DruckenKarteikarte1 = nullptr;
    QAction* DruckenListe1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* KarteikarteEinfgen1 = nullptr;
    QAction* KarteikarteLschen1 = nullptr;
    QAction* KarteikarteSuchen1 = nullptr;
    QAction* nachName1 = nullptr;
    QAction* nachStrasse1 = nullptr;
    QAction* nachOrt1 = nullptr;
    QAction* PCzuMessgert1 = nullptr;
    QAction* MessgertzuPC1 = nullptr;
    QAction* Verbindung1 = nullptr;
    QAction* Brennstoffarten1 = nullptr;
    QAction* Testdatenerzeugen1 = nullptr;
    QAction* N3 = nullptr;
    QAction* Messverlauf1 = nullptr;
    QMenu* Kundendaten1 = nullptr;
    QAction* AuskunftDrucken1 = nullptr;
    QAction* KundeLoeschen1 = nullptr;
    QAction* KundeAnonymisieren1 = nullptr;
    QAction* KartenAuswaehlen1 = nullptr;
    QAction* AuswahlNeueKartei1 = nullptr;
    QAction* MesswerteZuordnen1 = nullptr;
    QAction* Rueckgaengig1 = nullptr;
    QAction* Wiederherstellen1 = nullptr;
    QAction* FaelligeMessungen1 = nullptr;
    QAction* Messbescheinigung1 = nullptr;
    QAction* MessbescheinigungenAlle1 = nullptr;
    QAction* Betrieb1 = nullptr;
    QAction* InfoUeber1 = nullptr;

    // While a long command runs, no second one may start.
    void SetCommandsEnabled(bool on);

    // The waits that are there for the user's eyes only: `hold` keeps events back (the last
    // lines of a receive stay readable), `pause` lets them through (the progress window
    // appears before a load). Window tests replace both with no-ops.
    struct Waits {
        std::function<void(int ms)> hold;
        std::function<void(int ms)> pause;
    };
    void SetWaits(Waits waits) { waits_ = std::move(waits); }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildWindow();
    void BuildGridAppearance();
    void BuildPlantPage();
    void InstallCardEditor();
    void BuildMenu();
    void AddHistoryCommand();
    void AddCustomerCommands();
    void AddRecentCommands();
    void AddRoundCommands();
    void AddUndoCommands();
    void UpdateUndoCommands();
    // An open cell editor is closed before the history changes the table under it.
    void CloseCellEditor();
    void AddDueCommand();
    void ReadRecentFiles();
    void ShowRecentFiles();
    void ChangeRecentFiles(const std::function<bool(RecentFiles&)>& change);
    // The window's size and place: brought onto the screen at the start, kept at the end
    // (uMainFrmPlacement.cpp).
    void PlaceOnScreen();
    void SaveWindowPlacement();
    void SetCaptions();
    QAction* AddCommand(QMenu* menu, const char* objectName, const QString& caption,
                        void (TMainFrm::*handler)());
    void FormShow();
    void FormHide();
    void FormCloseQuery();
    bool StringGrid1SetEditText(int col, int row, const QString& text, std::string& stored);
    // Prints the certificates of `rows` of `table` on the printer or into a PDF file, with the
    // legal basis chosen, or each card's suggested one.
    void PrintCertificatesOf(const CardTable& table, const std::vector<int>& rows,
                             std::optional<LegalBasis> basis = std::nullopt);

    TCardDocument document_;
    CardGridModel* gridModel_ = nullptr;
    ValueList valueList_;
    int factsRow_ = 0; // the card the "Anlage" page shows, 0 for none
    ViewCells view_;
    QString title_;
    bool shown_ = false;
    bool inFormShow_ = false;
    bool settingsSaved_ = false;
    bool commandsEnabled_ = true;
    ConnectionSettings connection_;
    Waits waits_;
    RecentFiles recent_;
    std::vector<QAction*> recentCommands_;
    QAction* recentSeparator_ = nullptr;
    QUndoStack* undo_ = nullptr;
};

extern TMainFrm* MainFrm;
