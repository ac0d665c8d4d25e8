// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the transfer code writes its lines: the transfer window in the program, standard output
// in fendro-tool, a list in tests. Texts are UTF-8.

#include <string>

class TransferLines {
public:
    virtual ~TransferLines() = default;
    // Appends a line and shows it at once.
    virtual void AddTransferLine(const std::string& text) = 0;
    // Replaces the last line.
    virtual void ReplaceTransferLine(const std::string& text) = 0;
};
