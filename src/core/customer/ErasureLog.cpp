// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/customer/ErasureLog.h"

#include "core/customer/CustomerCards.h"
#include "core/files/Ansi.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/Trimmed.h"
#include "core/history/MeasurementHistory.h"

#include <cstdio>
#include <ctime>

const char* const kErasureLogHeader = "Datum;Aktion;Dateien;Name;Stra\xDF"
                                      "e;Ort";

namespace {

std::string Cell(std::string_view text) {
    if (text.find_first_of(";\"") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

std::string Cards(int n) {
    return std::to_string(n) + (n == 1 ? " Karte" : " Karten");
}

std::string FilesCell(const std::vector<ErasureOutcome>& outcomes, int tableCards) {
    std::string text;
    auto add = [&](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
    if (tableCards > 0) {
        add("ge\xF6"
            "ffnete Kartei: " +
            Cards(tableCards));
    }
    for (const ErasureOutcome& o : outcomes) {
        const std::string name = Utf8ToAnsiLossy(FileNameOf(o.file));
        switch (o.state) {
        case ErasureOutcome::Done:
            add(name + ": " + Cards(o.cards));
            break;
        case ErasureOutcome::Unwritable:
            add(name + ": " + Cards(o.cards) + " NICHT geschrieben");
            break;
        case ErasureOutcome::Unreadable:
            add(name + ": NICHT durchsucht");
            break;
        }
    }
    return text.empty() ? "keine Karten" : text;
}

} // namespace

ErasureStamp SystemStamp() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour, local.tm_min};
}

std::string ErasureLogLine(const ErasureStamp& stamp, ErasureKind kind,
                           const std::vector<ErasureOutcome>& outcomes, int tableCards,
                           const CardTable::Row& customer) {
    char when[32];
    std::snprintf(when, sizeof when, "%02d.%02d.%04d %02d:%02d", stamp.date.day, stamp.date.month,
                  stamp.date.year, stamp.hour, stamp.minute);
    std::string line = when;
    line += kind == ErasureKind::Delete ? ";Gel\xF6scht;" : ";Anonymisiert;";
    line += Cell(FilesCell(outcomes, tableCards));
    for (size_t i = 0; i < 3; ++i) {
        line += ';';
        line += Cell(i < customer.size() ? Trimmed(customer[i]) : std::string_view());
    }
    return line;
}

void AppendErasureLog(const std::string& folder, const std::string& line) {
    const std::string fileName = folder + "/" + kErasureLogName;
    std::string contents;
    if (!ReadWholeFile(fileName, contents) || contents.empty()) {
        contents = std::string(kErasureLogHeader) + "\r\n";
    }
    ReplaceFileContents(fileName, AppendedText(contents, line + "\r\n"));
}
