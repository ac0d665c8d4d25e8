// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file an import reads: a text list, whose encoding and separator are detected and may be
// chosen otherwise, or a spreadsheet workbook with its sheets.

#include "core/interchange/CsvReader.h"
#include "core/interchange/SourceTable.h"

#include <map>
#include <string>
#include <vector>

// How to read the file: the text list's encoding and separator, or the workbook's sheet.
struct SourceChoice {
    TextEncoding encoding = TextEncoding::Utf8;
    char separator = ';';
    std::string sheet; // empty: the first
};

class ImportSource {
public:
    // Reads the file. Throws EImportError (German) for a file that is no list or too large,
    // EInOutError for one that cannot be read.
    explicit ImportSource(std::string fileName);

    const std::string& FileName() const { return fileName_; }
    bool IsSpreadsheet() const { return spreadsheet_; }
    // The workbook's sheets; empty for a text list.
    const std::vector<std::string>& Sheets() const { return sheets_; }
    // What was detected: encoding and separator, the first sheet.
    const SourceChoice& Detected() const { return detected_; }

    // The rows as `choice` reads them. Throws EImportError.
    const SourceRows& Rows(const SourceChoice& choice);

private:
    std::string fileName_;
    bool spreadsheet_ = false;
    std::vector<std::string> sheets_;
    std::string bytes_;
    SourceChoice detected_;
    // The rows last read and how; a workbook's sheets are kept, being slow to read.
    std::map<std::string, SourceRows> sheetRows_;
    SourceRows textRows_;
    SourceChoice textChoice_;
    bool textRead_ = false;
};

// The largest text list an import reads.
constexpr size_t kMaxListBytes = 512u * 1024 * 1024;
