// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ImportSource.h"

#include "core/files/AtomicFile.h"
#include "core/files/FileErrors.h"
#include "core/files/Utf8Path.h"
#include "platform/SpreadsheetReader.h"

#include <filesystem>
#include <system_error>
#include <utility>

ImportSource::ImportSource(std::string fileName) : fileName_(std::move(fileName)) {
    if (IsSpreadsheetFile(fileName_)) {
        spreadsheet_ = true;
        sheets_ = SpreadsheetSheets(fileName_);
        detected_.sheet = sheets_.front();
        return;
    }
    std::error_code ec;
    const auto size = std::filesystem::file_size(PathFromUtf8(fileName_), ec);
    if (!ec && size > kMaxListBytes) {
        throw EImportError("Die Datei ist zu groß für den Import (mehr als 512 MB).");
    }
    if (!ReadWholeFile(fileName_, bytes_)) {
        throw EInOutError(UnableToReadMessage(fileName_));
    }
    detected_.encoding = DetectEncoding(bytes_);
    detected_.separator = DetectSeparator(
        DecodeText(std::string_view(bytes_).substr(0, 1 << 16), detected_.encoding));
}

const SourceRows& ImportSource::Rows(const SourceChoice& choice) {
    if (spreadsheet_) {
        const std::string sheet = choice.sheet.empty() ? sheets_.front() : choice.sheet;
        auto it = sheetRows_.find(sheet);
        if (it == sheetRows_.end()) {
            it = sheetRows_.emplace(sheet, ReadSpreadsheet(fileName_, sheet)).first;
        }
        return it->second;
    }
    if (!textRead_ || choice.encoding != textChoice_.encoding ||
        choice.separator != textChoice_.separator) {
        textRead_ = false;
        textRows_ = ReadCsvRows(DecodeText(bytes_, choice.encoding), choice.separator);
        textChoice_ = choice;
        textRead_ = true;
    }
    return textRows_;
}
