// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shared pieces of the device exchange tests: records built field by field, a settings file
// with a fuel table, and a sink that keeps the transfer lines.

#include "core/exchange/TransferLines.h"
#include "core/exchange/uT7Q.h"
#include "core/files/CardFile.h"
#include "support/TempDir.h"

#include <string>
#include <vector>

// A device record of blanks with CR LF at the end; fields are placed by position (from 1).
class RecordBuilder {
public:
    RecordBuilder() : text_(kDeviceRecordSize, ' ') {
        text_[166] = '\r';
        text_[167] = '\n';
    }
    RecordBuilder& Put(size_t position, const std::string& field) {
        text_.replace(position - 1, field.size(), field);
        return *this;
    }
    // Right-aligned in a field of `width`, as the device writes numbers.
    RecordBuilder& PutRight(size_t position, size_t width, const std::string& field) {
        return Put(position, std::string(width - field.size(), ' ') + field);
    }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

// The worked example: fuel code 0, oxygen digits 35, flue gas 185, air 20.
inline RecordBuilder WorkedExample() {
    RecordBuilder r;
    r.Put(6, "0945").Put(10, "0712").Put(14, "0");
    r.PutRight(15, 5, "20").PutRight(20, 5, "185").PutRight(25, 5, "35");
    r.Put(59, "Meier").Put(79, "Weg 1").Put(99, "Ulm");
    return r;
}

inline std::string FuelSection(const std::string& n, const std::string& name,
                               const std::string& co2Max, const std::string& a1,
                               const std::string& b) {
    return "[" + n + "]\r\nName=" + name + "\r\nCO2Max=" + co2Max + "\r\nA1=" + a1 + "\r\nB=" + b +
           "\r\nMaxEta=100.0\r\n";
}

// A settings file with entry 0 as it is after the first start.
inline std::string WriteFuelSettings(const TempDir& dir, const std::string& extra = "") {
    const std::string file = dir.File("fendro.ini");
    WriteBytes(file, FuelSection("0", "Heiz\xF6l", "15.4", "0.50", "0.007") + extra);
    return file;
}

class CollectingLines : public TransferLines {
public:
    void AddTransferLine(const std::string& text) override { lines.push_back(text); }
    void ReplaceTransferLine(const std::string& text) override {
        if (lines.empty()) {
            lines.push_back(text);
        } else {
            lines.back() = text;
        }
    }
    std::vector<std::string> lines;
};

// The fields of the card lines of a file.
inline std::vector<std::vector<std::string>> CardFields(const std::string& data) {
    std::vector<std::vector<std::string>> out;
    ForEachCardLine(data, [&](std::string_view line) {
        std::vector<std::string> fields;
        fields.resize(static_cast<size_t>(SplitLine(fields, ",", line)));
        out.push_back(fields);
    });
    return out;
}
