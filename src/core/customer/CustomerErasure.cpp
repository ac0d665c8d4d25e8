// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/customer/CustomerErasure.h"

#include "core/customer/CustomerCards.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/FileErrors.h"
#include "core/history/MeasurementHistory.h"

#include <algorithm>
#include <cstdio>

namespace {

const char* const kDeleted = "gel\xF6scht";

// Calls `onLine(content, end)` for every line as ForEachCardLine reads them, where `end` is where
// the next line starts (after the line end); the bytes from a byte 26 on are no line.
template <typename OnLine> size_t ForEachLineWithEnd(std::string_view data, OnLine&& onLine) {
    const size_t eof = data.find('\x1A');
    const size_t end = eof == std::string_view::npos ? data.size() : eof;
    size_t pos = 0;
    while (pos < end) {
        const size_t cr = data.find('\r', pos);
        const size_t stop = (cr == std::string_view::npos || cr > end) ? end : cr;
        size_t next = stop < end ? stop + 1 : end;
        if (stop < end && next < end && data[next] == '\n') {
            ++next;
        }
        onLine(data.substr(pos, stop - pos), next);
        pos = next;
    }
    return end;
}

} // namespace

CardTable::Row AnonymousCustomer(const CivilDate& today) {
    char date[16];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", today.day, today.month, today.year);
    CardTable::Row row(kColSite + 1);
    row[0] = std::string(kDeleted) + " " + date;
    row[1] = kDeleted;
    row[2] = kDeleted;
    return row;
}

std::string EraseCustomerLines(std::string_view data, const CustomerKey& customer, ErasureKind kind,
                               const CardTable::Row& anonymous, int& count) {
    count = 0;
    std::string out;
    out.reserve(data.size());
    size_t start = 0;
    const size_t end = ForEachLineWithEnd(data, [&](std::string_view line, size_t next) {
        const size_t lineStart = static_cast<size_t>(line.data() - data.data());
        if (!IsCustomerLine(line, customer)) {
            out.append(data.substr(start, next - start));
            start = next;
            return;
        }
        ++count;
        if (kind == ErasureKind::Anonymise) {
            // The measurements and the other facts stay as they are, byte for byte.
            std::vector<std::string> fields;
            const int n = SplitLine(fields, ",", line);
            fields.resize(std::max<size_t>(static_cast<size_t>(n), 3));
            for (const int col : kPersonalColumns) {
                if (static_cast<size_t>(col) < fields.size()) {
                    fields[static_cast<size_t>(col)] = anonymous[static_cast<size_t>(col)];
                }
            }
            for (size_t i = 0; i < fields.size(); ++i) {
                out.append(i == 0 ? "" : ",").append(fields[i]);
            }
            out.append(data.substr(lineStart + line.size(), next - lineStart - line.size()));
        }
        start = next;
    });
    out.append(data.substr(start, end - start));
    out.append(data.substr(end));
    return out;
}

std::vector<ErasureOutcome> EraseInFiles(const std::vector<std::string>& files,
                                         const CustomerKey& customer, ErasureKind kind,
                                         const CardTable::Row& anonymous) {
    std::vector<ErasureOutcome> outcomes;
    for (const std::string& file : files) {
        std::string data;
        if (const auto skip = ReadFolderCardFile(file, data)) {
            outcomes.push_back({file, 0, ErasureOutcome::Unreadable, *skip});
            continue;
        }
        int count = 0;
        const std::string erased = EraseCustomerLines(data, customer, kind, anonymous, count);
        if (count == 0) {
            continue;
        }
        ErasureOutcome outcome{file, count, ErasureOutcome::Done, SkipReason::Unreadable};
        try {
            ReplaceFileContents(file, erased);
        } catch (const EInOutError&) {
            outcome.state = ErasureOutcome::Unwritable;
        }
        outcomes.push_back(outcome);
    }
    return outcomes;
}

bool AllDone(const std::vector<ErasureOutcome>& outcomes) {
    for (const ErasureOutcome& o : outcomes) {
        // A file with NUL bytes was never written by the program: no card of it can be missed.
        if (o.state == ErasureOutcome::Unwritable ||
            (o.state == ErasureOutcome::Unreadable && o.reason != SkipReason::NotCardFile)) {
            return false;
        }
    }
    return true;
}

std::string ErasureProblems(const std::vector<ErasureOutcome>& outcomes) {
    std::string text;
    for (const ErasureOutcome& o : outcomes) {
        if (o.state == ErasureOutcome::Unwritable) {
            text += "Die Datei " + o.file + " kann nicht geschrieben werden; darin stehen noch " +
                    std::to_string(o.cards) + (o.cards == 1 ? " Karte" : " Karten") +
                    " des Kunden.\n";
        } else if (o.state == ErasureOutcome::Unreadable) {
            const char* why = o.reason == SkipReason::TooLarge      ? "zu gro\xC3\x9F"
                              : o.reason == SkipReason::NotCardFile ? "keine Kartei"
                                                                    : "nicht lesbar";
            text += "Die Datei " + o.file + " wurde nicht durchsucht (" + why + ").\n";
        }
    }
    return text;
}
