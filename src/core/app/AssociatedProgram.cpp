// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/AssociatedProgram.h"

std::string ReduceOpenCommand(std::string command) {
    const size_t percent = command.find('%');
    if (percent != std::string::npos) {
        command.erase(percent);
    }
    if (!command.empty() && command.front() == '"') {
        command.erase(0, 1);
    }
    const size_t quote = command.find('"');
    if (quote != std::string::npos) {
        command.erase(quote);
    }
    while (!command.empty() && command.back() == ' ') {
        command.pop_back();
    }
    return command;
}
