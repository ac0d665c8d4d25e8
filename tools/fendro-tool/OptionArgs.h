// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The arguments of the page commands: positional words and "--name VALUE" options.

#include "Commands.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

struct OptionArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values; // by option name, "--dta" and the like

    // The option's value, or an empty text when it was not given.
    std::string Value(const std::string& option) const;
};

// Each of `options` takes one value and may be given once; each of `words` (such as "--all")
// counts as a positional word. Any other word starting with "-" is wrong usage: nothing.
std::optional<OptionArgs> ParseOptionArgs(const Args& args, const std::vector<std::string>& options,
                                          const std::vector<std::string>& words = {});
