// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// import and export: customer lists of spreadsheets and office programs into a card file, and
// cards out into a workbook or a CSV file.

#include "Commands.h"
#include "OptionArgs.h"
#include "PdfOutput.h"

#include "core/files/Ansi.h"
#include "core/files/AtomicFile.h"
#include "core/files/CardFile.h"
#include "core/files/ColumnDefs.h"
#include "core/files/FileErrors.h"
#include "core/interchange/CardExport.h"
#include "core/interchange/CardImport.h"
#include "platform/ImportSource.h"
#include "platform/XlsxExport.h"

#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <exception>
#include <utility>

namespace {

const char* const kImportUsage =
    "import SOURCE CARDFILE [--map COLUMN=SOURCE[+SOURCE...]]... [--no-header] [--sheet NAME] "
    "[--append] [--report REPORTFILE] [--dta COLUMNFILE]";
const char* const kExportUsage = "export CARDFILE OUTFILE [--dta COLUMNFILE]";

struct ImportArgs {
    std::vector<std::string> positional;
    std::vector<std::string> maps;
    bool noHeader = false;
    bool append = false;
    std::string sheet;
    std::string report;
    std::string dta;
};

bool ParseImportArgs(const Args& args, ImportArgs& out) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        std::string* value = nullptr;
        if (word == "--no-header") {
            out.noHeader = true;
        } else if (word == "--append") {
            out.append = true;
        } else if (word == "--map") {
            out.maps.emplace_back();
            value = &out.maps.back();
        } else if (word == "--sheet") {
            value = &out.sheet;
        } else if (word == "--report") {
            value = &out.report;
        } else if (word == "--dta") {
            value = &out.dta;
        } else if (word.size() > 1 && word[0] == '-') {
            return false;
        } else {
            out.positional.push_back(word);
        }
        if (value != nullptr) {
            if (i + 1 >= args.size() || !value->empty() || args[i + 1].empty()) {
                return false;
            }
            *value = args[++i];
        }
    }
    return out.positional.size() == 2;
}

std::vector<std::string> CaptionsFrom(const std::string& dta) {
    if (!FileExists(dta)) {
        throw EInOutError("Spaltendatei nicht gefunden: " + dta);
    }
    std::vector<std::string> captions;
    for (const std::string& caption : BuildGridLayout(ReadColumnDefinitions(dta)).captions) {
        captions.push_back(AnsiToUtf8(caption));
    }
    return captions;
}

} // namespace

int CmdImport(const Args& args) {
    ImportArgs parsed;
    if (!ParseImportArgs(args, parsed)) {
        return UsageError(kImportUsage);
    }
    try {
        OffscreenApp app;
        const std::string dta = parsed.dta.empty() ? DefaultDta() : parsed.dta;
        const std::vector<std::string> captions = CaptionsFrom(dta);
        const std::string& sourceFile = parsed.positional[0];
        const std::string& cardFile = parsed.positional[1];

        SourceRows rows;
        try {
            ImportSource source(sourceFile);
            SourceChoice choice = source.Detected();
            if (!parsed.sheet.empty()) {
                choice.sheet = parsed.sheet;
            }
            rows = source.Rows(choice);
        } catch (const std::exception& e) {
            return Failure(e.what());
        }

        ImportPlan plan;
        plan.header = !parsed.noHeader;
        const std::vector<std::string> header =
            plan.header && !rows.empty() ? rows.front() : std::vector<std::string>();
        size_t columns = 0;
        for (const SourceRow& row : rows) {
            columns = std::max(columns, row.size());
        }
        plan.mapping = plan.header ? ProposeMapping(header, captions)
                                   : ProposeByPosition(columns, captions.size());
        for (const std::string& map : parsed.maps) {
            const size_t equals = map.find('=');
            const int col =
                equals == std::string::npos
                    ? -1
                    : CardColumnNamed(std::string_view(map).substr(0, equals), captions);
            ColumnSources sources;
            if (col < 0 || !ParseSources(std::string_view(map).substr(equals + 1), header,
                                         static_cast<int>(columns), sources)) {
                std::fprintf(stderr, "fendro-tool: --map %s: Spalte oder Quelle unbekannt\n",
                             map.c_str());
                return UsageError(kImportUsage);
            }
            plan.mapping[static_cast<size_t>(col)] = sources;
        }

        const ImportResult result = ImportCards(rows, plan, static_cast<int>(captions.size()));
        CardTable table;
        table.SetColCount(static_cast<int>(captions.size()));
        CardTable::Row captionRow;
        for (const std::string& caption : captions) {
            captionRow.push_back(Utf8ToAnsiLossy(caption));
        }
        table.AppendRow(captionRow);
        for (const CardTable::Row& card : result.cards) {
            table.AppendRow(card);
        }
        WriteCards(cardFile, table, parsed.append && FileExists(cardFile) ? smAppend : smOverwrite);
        if (!parsed.report.empty()) {
            ReplaceFileContents(parsed.report, ReportCsv(result.report, captions));
        }
        std::fprintf(stderr, "%s\n", ReportSummary(result.report).c_str());
        return 0;
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}

int CmdExport(const Args& args) {
    const std::optional<OptionArgs> parsed = ParseOptionArgs(args, {"--dta"});
    if (!parsed || parsed->positional.size() != 2) {
        return UsageError(kExportUsage);
    }
    const std::string& outFile = parsed->positional[1];
    const QString suffix = QFileInfo(QString::fromUtf8(outFile.c_str())).suffix().toLower();
    if (suffix != QStringLiteral("xlsx") && suffix != QStringLiteral("csv")) {
        std::fprintf(stderr, "fendro-tool: OUTFILE endet auf .xlsx oder .csv\n");
        return UsageError(kExportUsage);
    }
    try {
        OffscreenApp app;
        const CardTable table = ReadCardTable(parsed->positional[0], DtaOrDefault(*parsed));
        const std::vector<int> rows = RowsToExport(table, {});
        ReplaceFileContents(outFile, suffix == QStringLiteral("xlsx") ? CardsXlsx(table, rows)
                                                                      : CardsCsv(table, rows));
        return 0;
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
