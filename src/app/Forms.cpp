// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"

#include "app/uMainFrm.h"
#include "app/uSuchFrm.h"
#include "connection/uVerbFrm.h"
#include "exchange/uTransferFrm.h"
#include "files/uProgressFrm.h"
#include "files/uUeberschreibFrm.h"
#include "fuels/uBrennFrm.h"

void CreateForms() {
    // The transfer module's temporary files exist before any window does.
    MakeTransferTempFiles();
    MainFrm = new TMainFrm;
    VerbFrm = new TVerbFrm(MainFrm);
    SuchFrm = new TSuchFrm(MainFrm);
    BrennFrm = new TBrennFrm(MainFrm);
    TransferFrm = new TTransferFrm(MainFrm);
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
    ForgetTransferTempFiles();
}
