// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/CardDocument.h"

#include "core/files/AtomicFile.h"
#include "core/files/Utf8Path.h"

#include <filesystem>
#include <system_error>

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

// Whether two names are one file: the same text, or two spellings of one existing file.
bool SameFile(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) {
        return false;
    }
    if (a == b) {
        return true;
    }
    std::error_code ec;
    return std::filesystem::equivalent(PathFromUtf8(a), PathFromUtf8(b), ec) && !ec;
}

} // namespace

void TCardDocument::SetFileName(std::string fileName) {
    if (!SameFile(fileName, heldFile_)) {
        heldFile_.clear();
    }
    fileName_ = std::move(fileName);
}

bool TCardDocument::HoldsItsFile() const {
    return SameFile(fileName_, heldFile_);
}

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
    heldFile_ = fileName;
    return true;
}

void TCardDocument::Write() {
    WriteTo(fileName_);
    // After an append the file holds more than the table.
    if (writeMode_ == smOverwrite) {
        heldFile_ = fileName_;
    } else if (writeMode_ == smAppend) {
        heldFile_.clear();
    }
}

void TCardDocument::WriteTo(const std::string& fileName) const {
    WriteCards(fileName, cards_, writeMode_);
}
