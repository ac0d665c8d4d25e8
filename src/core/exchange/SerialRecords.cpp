// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/SerialRecords.h"

#include "core/exchange/DeviceTexts.h"
#include "core/exchange/TransferLines.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/FileErrors.h"
#include "core/files/uGlobal.h"

namespace {

void PutField(std::string& record, size_t position, const std::string& text, size_t width,
              bool convert) {
    std::string part = text.substr(0, width);
    if (convert) {
        part = UmlautsToDevice(part);
    }
    // The send side reads the file as text lines; a line break inside would break the framing.
    for (char& c : part) {
        if (c == '\r' || c == '\n' || c == '\x1A') {
            c = ' ';
        }
    }
    record.replace(position - 1, part.size(), part);
}

} // namespace

std::string SendRecordForCard(const std::string& name, const std::string& street,
                              const std::string& town, bool convert) {
    std::string record(kDeviceRecordSize, ' ');
    record[166] = '\r';
    record[167] = '\n';
    PutField(record, 59, name, kDeviceTextWidths[0], convert);
    PutField(record, 79, street, kDeviceTextWidths[1], convert);
    PutField(record, 99, town, kDeviceTextWidths[2], convert);
    return record;
}

void BuildSendRecords(const std::string& cardFile, const std::string& deviceFile, bool convert,
                      const PauseFunction& pause) {
    std::string data;
    if (!ReadWholeFile(cardFile, data)) {
        throw EInOutError(UnableToReadMessage(cardFile));
    }
    std::string out;
    std::vector<std::string> fields;
    ForEachCardLine(data, [&](std::string_view line) {
        if (SplitLine(fields, ",", line) >= 3) {
            out += SendRecordForCard(fields[0], fields[1], fields[2], convert);
        }
    });
    ReplaceFileContents(deviceFile, out);
    if (pause) {
        pause(1);
    }
}

void ConvertReceivedRecords(const std::string& deviceFile, const std::string& cardFile,
                            bool convert, TransferLines& lines, const PauseFunction& pause,
                            const TodayFunction& today) {
    std::string data;
    if (!ReadWholeFile(deviceFile, data)) {
        throw EInOutError(UnableToReadMessage(deviceFile));
    }
    const std::string settings = SettingsFileName();
    const size_t count = data.size() / kDeviceRecordSize;
    std::string out;
    std::string record;
    for (size_t i = 0; i < count; ++i) {
        record.assign(data, i * kDeviceRecordSize, kDeviceRecordSize);
        for (char& c : record) {
            if (c == '\0') {
                c = ' ';
            }
        }
        const TDatenSatz_T7Q decoded =
            DecodeDeviceRecord(record, settings, today ? today() : SystemToday());
        if (pause) {
            pause(10);
        }
        WriteCardLine(out, decoded, convert);
    }
    ReplaceFileContents(cardFile, out);
    lines.AddTransferLine("Daten gespeichert");
}
