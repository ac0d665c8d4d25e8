// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// due: who is due for a measurement in a year, from the card files of a folder, as a table for
// spreadsheets and as the printed list.

#include "Commands.h"
#include "OptionArgs.h"
#include "PdfOutput.h"

#include "core/certificate/SweepBusiness.h"
#include "core/due/DueList.h"
#include "core/due/DuePage.h"
#include "core/files/AtomicFile.h"
#include "core/files/ColumnDefs.h"
#include "core/files/IniFile.h"
#include "core/files/Utf8Path.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <optional>

namespace {

const char* const kUsage = "due FOLDER YEAR [--csv OUTFILE] [--pdf OUTFILE] [--dta COLUMNFILE] "
                           "[--ini SETTINGSFILE]";

} // namespace

int CmdDue(const Args& args) {
    const std::optional<OptionArgs> parsed =
        ParseOptionArgs(args, {"--csv", "--pdf", "--dta", "--ini"});
    if (!parsed || parsed->positional.size() != 2 || !IsDigits(parsed->positional[1]) ||
        parsed->positional[1].size() != 4 || parsed->positional[1][0] == '0') {
        return UsageError(kUsage);
    }
    const int year = std::stoi(parsed->positional[1]);
    try {
        OffscreenApp app;
        const std::string& folder = parsed->positional[0];
        std::error_code ec;
        if (!std::filesystem::is_directory(PathFromUtf8(folder), ec)) {
            return Failure("Ordner " + folder + " nicht gefunden");
        }
        const std::string dta = DtaOrDefault(*parsed);
        if (!FileExists(dta)) {
            return Failure("Datei " + dta + " nicht gefunden");
        }
        // The fuel table tells oil from gas; without a settings file it has its first-start names.
        const std::string iniFile =
            parsed->Value("--ini").empty() ? DefaultSettingsFile() : parsed->Value("--ini");
        if (!parsed->Value("--ini").empty() && !FileExists(iniFile)) {
            return Failure("Datei " + iniFile + " nicht gefunden");
        }
        const std::vector<std::string> fuelNames = ReadFuelNames(IniFile(iniFile));
        const GridLayout layout = BuildGridLayout(ReadColumnDefinitions(dta));
        const DueCustomers customers = GatherDueCustomers(nullptr, std::string(), folder,
                                                          static_cast<int>(layout.captions.size()));
        const DueList list = BuildDueList(customers, year, fuelNames);
        const std::string table = DueCsv(list);
        if (parsed->Value("--csv").empty()) {
            std::fwrite(table.data(), 1, table.size(), stdout);
        } else {
            ReplaceFileContents(parsed->Value("--csv"), table);
        }
        if (!parsed->Value("--pdf").empty()) {
            PrintIntoPdf(parsed->Value("--pdf"),
                         [&](PrintCanvas& canvas) { PrintDueList(canvas, list); });
        }
        const std::string skipped = SkippedText(customers.skipped);
        if (!skipped.empty()) {
            std::fprintf(stderr, "%s\n", skipped.c_str());
        }
        return 0;
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}
