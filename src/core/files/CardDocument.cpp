// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CardDocument.h"

#include "core/files/AtomicFile.h"

#include <string_view>
#include <utility>

namespace {

// A table with the columns and the caption row of `layout` and the cards of `data`.
CardTable CardsOf(std::string_view data, const CardTable& layout, const LoadProgress& progress) {
    CardTable loaded;
    loaded.SetColCount(layout.ColCount());
    if (layout.RowCount() > 0) {
        loaded.AppendRow(layout.RowAt(0));
    }
    ReadCards(data, loaded, progress);
    return loaded;
}

} // namespace

bool TCardDocument::Load(const std::string& fileName, const LoadHooks& hooks) {
    // Read before the table is touched: an unreadable file leaves the cards as they were.
    std::string data;
    if (!ReadWholeFile(fileName, data)) {
        return false;
    }
    if (hooks.prepare && !hooks.prepare()) {
        return false;
    }
    CardTable loaded = CardsOf(data, cards_, hooks.progress);
    std::string().swap(data);
    const auto swap = [this, &loaded] { cards_.Rows().swap(loaded.Rows()); };
    if (hooks.replace) {
        hooks.replace(swap);
    } else {
        swap();
    }
    return true;
}

void TCardDocument::WriteTo(const std::string& fileName) const {
    WriteCards(fileName, cards_, writeMode_);
}
