// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// fendro-tool: the program's conversions, transfers and printing for batch work and scripts.

#include "Commands.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Command {
    const char* name;
    int (*run)(const Args&);
    const char* usage;
};

const Command kCommands[] = {
    {"decode", CmdDecode,
     "decode RAWFILE CSVFILE [--ini SETTINGSFILE] [--today YYYY-MM-DD] [--xq]"},
    {"build-send", CmdBuildSend, "build-send CSVFILE RAWFILE [--xq]"},
    {"export-mmc", CmdExportMmc, "export-mmc CSVFILE TXTFILE"},
    {"import-mmc", CmdImportMmc, "import-mmc TXTFILE CSVFILE"},
    {"receive", CmdReceive, "receive --port N [--type TYPE] [--ini SETTINGSFILE] RAWFILE"},
    {"send", CmdSend, "send --port N [--type TYPE] [--ini SETTINGSFILE] RAWFILE"},
    {"print-list", CmdPrintList, "print-list CSVFILE PDFFILE [--dta COLUMNFILE]"},
    {"print-card", CmdPrintCard, "print-card CSVFILE CARDNUMBER PDFFILE [--dta COLUMNFILE]"},
    {"history", CmdHistory,
     "history FOLDER NAME STREET TOWN [--csv OUTFILE] [--pdf OUTFILE] [--dta COLUMNFILE]"},
    {"customer", CmdCustomer, "customer FOLDER NAME STREET TOWN report PDFFILE [--dta COLUMNFILE]"},
    {"customer", CmdCustomer, "customer FOLDER NAME STREET TOWN forget [--anonymise]"},
    {"certificate", CmdCertificate,
     "certificate CSVFILE CARDNUMBER|--all PDFFILE [--dta COLUMNFILE] [--ini SETTINGSFILE]"},
    {"due", CmdDue,
     "due FOLDER YEAR [--csv OUTFILE] [--pdf OUTFILE] [--dta COLUMNFILE] [--ini SETTINGSFILE]"},
};

void PrintHelp(std::FILE* out) {
    std::fputs("Aufruf: fendro-tool BEFEHL ...\n\nBefehle:\n", out);
    for (const Command& c : kCommands) {
        std::fprintf(out, "  fendro-tool %s\n", c.usage);
    }
}

} // namespace

int UsageError(const char* usage) {
    std::fprintf(stderr, "Aufruf: fendro-tool %s\n", usage);
    return 2;
}

int Failure(const std::string& message) {
    std::fprintf(stderr, "fendro-tool: %s\n", message.c_str());
    return 1;
}

int main(int argc, char* argv[]) {
    if (argc < 2) {
        PrintHelp(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintHelp(stdout);
        return 0;
    }
    for (const Command& c : kCommands) {
        if (name == c.name) {
            return c.run(Args(argv + 2, argv + argc));
        }
    }
    std::fprintf(stderr, "fendro-tool: unbekannter Befehl \"%s\"\n", name.c_str());
    PrintHelp(stderr);
    return 2;
}
