// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/Forms.h"

#include "gui/app/uMainFrm.h"
#include "gui/app/uSuchFrm.h"
#include "gui/connection/uVerbFrm.h"
#include "gui/exchange/uTransferFrm.h"
#include "gui/files/uProgressFrm.h"
#include "gui/files/uUeberschreibFrm.h"
#include "gui/fuels/uBrennFrm.h"

void CreateForms() {
    // The transfer module's temporary files exist before any window does.
    MakeTransferTempFiles();
    MainFrm = new TMainFrm;
    VerbFrm = new TVerbFrm(MainFrm->Connection(), MainFrm);
    SuchFrm = new TSuchFrm(*MainFrm, MainFrm);
    BrennFrm = new TBrennFrm(MainFrm);
    TransferFrm = new TTransferFrm(MainFrm->Connection(), MainFrm);
    TransferFrm->SetCardWindow(MainFrm);
    ProgressFrm = new TProgressFrm(MainFrm);
    UeberschreibFrm = new TUeberschreibFrm(MainFrm);
}

void DestroyForms() {
    // The dialogs are children of the main window and go with it.
    delete MainFrm;
    VerbFrm = nullptr;
    SuchFrm = nullptr;
    BrennFrm = nullptr;
    TransferFrm = nullptr;
    ProgressFrm = nullptr;
    UeberschreibFrm = nullptr;
    RemoveTransferTempFiles();
}
