// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file of the program and of fendro-tool, which must agree on it.

#include <string>

// The settings file that a program with `besideProgram` beside it uses: that one, or for an
// installed program fendro/fendro.ini in the user's configuration folder ($XDG_CONFIG_HOME,
// normally ~/.config).
std::string SettingsFileFor(const std::string& besideProgram);
