// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionArgs.h"

#include <algorithm>

namespace {

bool Contains(const std::vector<std::string>& list, const std::string& word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

} // namespace

std::string OptionArgs::Value(const std::string& option) const {
    const auto it = values.find(option);
    return it == values.end() ? std::string() : it->second;
}

std::optional<OptionArgs> ParseOptionArgs(const Args& args, const std::vector<std::string>& options,
                                          const std::vector<std::string>& words) {
    OptionArgs out;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (Contains(options, word)) {
            // An option given twice or without a value is a wrong call, as is an empty value.
            if (i + 1 >= args.size() || !out.Value(word).empty()) {
                return std::nullopt;
            }
            out.values[word] = args[++i];
        } else if (Contains(words, word)) {
            out.positional.push_back(word);
        } else if (word.size() > 1 && word[0] == '-') {
            return std::nullopt;
        } else {
            out.positional.push_back(word);
        }
    }
    return out;
}
