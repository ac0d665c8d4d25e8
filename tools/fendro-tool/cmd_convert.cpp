// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "core/exchange/SerialRecords.h"
#include "core/exchange/TransferFile.h"
#include "core/exchange/TransferLines.h"
#include "core/files/AtomicFile.h"
#include "core/files/IniFile.h"
#include "core/files/Utf8Path.h"
#include "core/files/uGlobal.h"
#include "platform/UserSettings.h"

#include <cstdio>
#include <exception>
#include <filesystem>

namespace {

const char kDecodeUsage[] =
    "decode RAWFILE CSVFILE [--ini SETTINGSFILE] [--today YYYY-MM-DD] [--xq]";
const char kBuildSendUsage[] = "build-send CSVFILE RAWFILE [--xq]";
const char kExportUsage[] = "export-mmc CSVFILE TXTFILE";
const char kImportUsage[] = "import-mmc TXTFILE CSVFILE";

// The transfer window's lines, one per line of standard output.
class StdoutLines : public TransferLines {
public:
    void AddTransferLine(const std::string& text) override { Print(text); }
    void ReplaceTransferLine(const std::string& text) override { Print(text); }

private:
    static void Print(const std::string& text) {
        std::fputs(text.c_str(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
};

struct Parsed {
    std::vector<std::string> files;
    std::string ini;
    bool hasIni = false;
    std::string today;
    bool hasToday = false;
    bool xq = false;
};

// Splits the arguments into file names and the options the command allows; false on anything
// else.
bool ParseArgs(const Args& args, bool allowDecodeOptions, bool allowXq, Parsed& p) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (allowDecodeOptions && (a == "--ini" || a == "--today")) {
            if (i + 1 >= args.size()) {
                return false;
            }
            if (a == "--ini") {
                if (p.hasIni) {
                    return false;
                }
                p.ini = args[++i];
                p.hasIni = true;
            } else {
                if (p.hasToday) {
                    return false;
                }
                p.today = args[++i];
                p.hasToday = true;
            }
        } else if (allowXq && a == "--xq") {
            p.xq = true;
        } else if (a.size() > 1 && a[0] == '-') {
            return false;
        } else {
            p.files.push_back(a);
        }
    }
    return p.files.size() == 2;
}

// The folder this program lies in, where the desktop program's settings file is too.
std::string OwnFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) {
        return ".";
    }
    return Utf8FromPath(exe.parent_path());
}

} // namespace

std::string DefaultSettingsFile() {
    return SettingsFileFor(Utf8FromPath(PathFromUtf8(OwnFolder()) / "fendro.ini"));
}

namespace {

int MissingInput(const std::string& fileName) {
    return Failure("Datei nicht gefunden: " + fileName);
}

template <typename Work> int Run(Work&& work) {
    try {
        work();
        return 0;
    } catch (const std::exception& e) {
        return Failure(e.what());
    }
}

} // namespace

int CmdDecode(const Args& args) {
    Parsed p;
    if (!ParseArgs(args, true, true, p)) {
        const int rc = UsageError(kDecodeUsage);
        std::fputs("  --ini: Vorgabe ist die Einstellungsdatei des Programms (fendro.ini)\n"
                   "  --today: Datum für die Jahresregel, sonst das heutige\n",
                   stderr);
        return rc;
    }
    CivilDate today = SystemToday();
    if (p.hasToday && !ParseIsoDate(p.today, today)) {
        std::fprintf(stderr, "fendro-tool: ungültiges Datum \"%s\" (JJJJ-MM-TT)\n",
                     p.today.c_str());
        return UsageError(kDecodeUsage);
    }
    if (!FileExists(p.files[0])) {
        return MissingInput(p.files[0]);
    }
    // A settings file named on purpose must be there; the default one may be missing, as it
    // may for the program.
    if (p.hasIni && !FileExists(p.ini)) {
        return Failure("Einstellungsdatei nicht gefunden: " + p.ini);
    }
    SetSettingsFileName(p.hasIni ? p.ini : DefaultSettingsFile());
    StdoutLines lines;
    return Run([&] {
        if (!p.hasIni) {
            // The program's own file: the fuel table is completed as the program's start does.
            IniFile ini(SettingsFileName());
            EnsureFuelDefaults(ini);
        }
        ConvertReceivedRecords(p.files[0], p.files[1], p.xq, lines, {}, [today] { return today; });
    });
}

int CmdBuildSend(const Args& args) {
    Parsed p;
    if (!ParseArgs(args, false, true, p)) {
        return UsageError(kBuildSendUsage);
    }
    if (!FileExists(p.files[0])) {
        return MissingInput(p.files[0]);
    }
    return Run([&] { BuildSendRecords(p.files[0], p.files[1], p.xq); });
}

int CmdExportMmc(const Args& args) {
    Parsed p;
    if (!ParseArgs(args, false, false, p)) {
        return UsageError(kExportUsage);
    }
    if (!FileExists(p.files[0])) {
        return MissingInput(p.files[0]);
    }
    StdoutLines lines;
    return Run([&] { ExportTransferFile(p.files[1], p.files[0], lines); });
}

int CmdImportMmc(const Args& args) {
    Parsed p;
    if (!ParseArgs(args, false, false, p)) {
        return UsageError(kImportUsage);
    }
    if (!FileExists(p.files[0])) {
        return MissingInput(p.files[0]);
    }
    StdoutLines lines;
    return Run([&] { ImportTransferFile(p.files[0], p.files[1], lines); });
}
