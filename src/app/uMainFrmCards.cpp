// Card file flows and card operations of the main window.

#include "app/CardGridModel.h"
#include "app/uMainFrm.h"
#include "files/uGlobal.h"
#include "platform/TextCodec.h"

void TMainFrm::OpenCardFile() {}
void TMainFrm::SaveCardFile() {}
void TMainFrm::SaveCardFileAs() {}
void TMainFrm::LoadCardFile() {}
void TMainFrm::WriteCardFile() {}
bool TMainFrm::AskCardFileName() {
    return false;
}

void TMainFrm::InsertCard() {}
void TMainFrm::DeleteCard() {}

void TMainFrm::StringGrid1SelectCell(int, int row) {
    RefreshMeasurementView(row);
}

bool TMainFrm::StringGrid1SetEditText(int, int, const QString& text, std::string& stored) {
    if (!ToAnsi(text, stored)) {
        return false;
    }
    DataChanged = true;
    return true;
}

void TMainFrm::Oeffnen1Click() {
    OpenCardFile();
}
void TMainFrm::Speichern1Click() {
    SaveCardFile();
}
void TMainFrm::Speichernunter1Click() {
    SaveCardFileAs();
}
void TMainFrm::KarteikarteEinfgen1Click() {
    InsertCard();
}
void TMainFrm::KarteikarteSuchen1Click() {
    ShowSearch();
}
void TMainFrm::nachName1Click() {}
void TMainFrm::nachStrasse1Click() {}
void TMainFrm::nachOrt1Click() {}
