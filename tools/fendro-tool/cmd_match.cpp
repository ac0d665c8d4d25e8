// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// match: received cards put back onto their customers in the other card files of a folder, as
// "Messwerte zuordnen..." does, for rounds handled by scripts.

#include "Commands.h"
#include "OptionArgs.h"

#include "core/files/AtomicFile.h"
#include "core/files/CardColumns.h"
#include "core/files/CardFile.h"
#include "core/files/CardFolder.h"
#include "core/files/Utf8Path.h"
#include "core/history/MatchTexts.h"
#include "core/history/MeasurementHistory.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>

namespace {

const char* const kUsage = "match CARDFILE [--folder FOLDER] [--out OUTFILE]";

// The cards as wide as the widest line, and at least up to the boiler facts: the program writes
// every line as wide as its column file, so no field of the file is lost.
CardTable ReadRound(const std::vector<std::string>& lines) {
    int width = kColNominalOutput + kPlantFactColumns;
    for (const std::string& line : lines) {
        width = std::max(width, static_cast<int>(std::count(line.begin(), line.end(), ',')) + 1);
    }
    CardTable table;
    table.SetColCount(width);
    table.AppendRow(table.EmptyRow());
    for (const std::string& line : lines) {
        CardTable::Row row;
        SplitLine(row, ",", line);
        table.AppendRow(std::move(row));
    }
    return table;
}

// The file's lines with the matched cards replaced; every other line stays as it was, and a
// matched line grows by the fields it gets only.
std::string MatchedText(std::vector<std::string> lines, const MatchPlan& plan) {
    for (const MatchedCard& m : plan.matched) {
        std::string& line = lines[static_cast<size_t>(m.row - 1)];
        const auto fields = static_cast<size_t>(std::count(line.begin(), line.end(), ',')) + 1;
        CardTable::Row card = m.card;
        while (card.size() > fields && card.back().empty()) {
            card.pop_back();
        }
        line = CardLineText(card);
    }
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

void Note(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
}

} // namespace

int CmdMatch(const Args& args) {
    const std::optional<OptionArgs> parsed = ParseOptionArgs(args, {"--folder", "--out"});
    if (!parsed || parsed->positional.size() != 1) {
        return UsageError(kUsage);
    }
    try {
        const std::string& cardFile = parsed->positional[0];
        std::string data;
        if (!ReadWholeFile(cardFile, data)) {
            return Failure("Datei " + cardFile + " nicht gefunden");
        }
        const std::string folder =
            parsed->Value("--folder").empty() ? FolderOf(cardFile) : parsed->Value("--folder");
        std::error_code ec;
        if (!std::filesystem::is_directory(PathFromUtf8(folder), ec)) {
            return Failure("Ordner " + folder + " nicht gefunden");
        }
        const std::vector<std::string> lines = SplitCardLines(data);
        const CardTable table = ReadRound(lines);
        const MatchPlan plan = PlanMatchInFolder(table, folder, cardFile);

        const std::string out = parsed->Value("--out").empty() ? cardFile : parsed->Value("--out");
        if (!plan.matched.empty() || out != cardFile) {
            ReplaceFileContents(out, MatchedText(lines, plan));
        }
        // Cards left unmatched are no failure: the user looks at them.
        Note(MatchSummary(plan));
        for (const std::string& line : AmbiguousLines(table, plan, "Zeile")) {
            Note(line + " (mehrdeutig)");
        }
        for (const std::string& line : NotFoundLines(table, plan, "Zeile")) {
            Note(line + " (nicht gefunden)");
        }
        if (!plan.skipped.empty()) {
            Note(SkippedText(plan.skipped));
        }
        return 0;
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
