// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Creating the program's windows, in the order the program needs them.

// The main window first, then the six dialogs, all hidden.
void CreateForms();
// Deletes them again, dialogs first.
void DestroyForms();
