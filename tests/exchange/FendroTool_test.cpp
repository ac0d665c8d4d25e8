// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the real fendro-tool on small files and compares its output with the library's.

#include "core/exchange/SerialRecords.h"
#include "core/exchange/TransferFile.h"

#include "ExchangeTestSupport.h"
#include "core/files/AtomicFile.h"
#include "core/files/uGlobal.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class FendroToolTest : public ::testing::Test {
protected:
    // Runs the tool of the build, or `tool` with `env` settings before it.
    Result Run(const std::string& arguments,
               const std::string& tool = std::string(FENDRO_BINARY_DIR) + "/fendro-tool",
               const std::string& env = "") {
        const std::string outFile = dir.File("stdout.txt");
        const std::string errFile = dir.File("stderr.txt");
        const std::string command =
            env + " '" + tool + "' " + arguments + " >'" + outFile + "' 2>'" + errFile + "'";
        const int status = std::system(command.c_str());
        Result r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = ReadBytes(outFile);
        r.err = ReadBytes(errFile);
        return r;
    }
    std::string Q(const std::string& path) { return "'" + path + "'"; }

    TempDir dir;
};

} // namespace

TEST_F(FendroToolTest, DecodeWritesWhatTheProgramWrites) {
    const std::string ini = WriteFuelSettings(dir);
    const std::string raw = dir.File("in.dat");
    WriteBytes(raw, WorkedExample().Text() + WorkedExample().Put(59, "K\x94hler").Text() + "xy");

    const Result r = Run("decode " + Q(raw) + " " + Q(dir.File("tool.csv")) + " --ini " + Q(ini) +
                         " --today 2006-01-10 --xq");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Daten gespeichert\n");

    SetSettingsFileName(ini);
    CollectingLines lines;
    ConvertReceivedRecords(raw, dir.File("lib.csv"), true, lines, {}, [] {
        return CivilDate{2006, 1, 10};
    });
    SetSettingsFileName("");
    const std::string lib = ReadBytes(dir.File("lib.csv"));
    EXPECT_EQ(ReadBytes(dir.File("tool.csv")), lib);
    EXPECT_NE(lib.find("07.12.2005"), std::string::npos);
    EXPECT_NE(lib.find("K\xF6hler"), std::string::npos);
}

TEST_F(FendroToolTest, BuildSendAndTheMemoryCardFile) {
    const std::string csv = dir.File("karten.csv");
    WriteBytes(csv, "M\xFCller,Weg 1,K\xF6ln,a\r\nzwei,Felder\r\n");

    Result r = Run("build-send " + Q(csv) + " " + Q(dir.File("send.dat")) + " --xq");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    BuildSendRecords(csv, dir.File("lib.dat"), true);
    EXPECT_EQ(ReadBytes(dir.File("send.dat")), ReadBytes(dir.File("lib.dat")));
    EXPECT_EQ(ReadBytes(dir.File("send.dat")).size(), 168u);

    r = Run("export-mmc " + Q(csv) + " " + Q(dir.File("T7QKX.TXT")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Daten gespeichert\n");
    CollectingLines lines;
    ExportTransferFile(dir.File("lib.txt"), csv, lines);
    EXPECT_EQ(ReadBytes(dir.File("T7QKX.TXT")), ReadBytes(dir.File("lib.txt")));

    r = Run("import-mmc " + Q(dir.File("T7QKX.TXT")) + " " + Q(dir.File("back.csv")));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Bearbeitung abgeschlossen\n");
    ImportTransferFile(dir.File("lib.txt"), dir.File("libback.csv"), lines);
    EXPECT_EQ(ReadBytes(dir.File("back.csv")), ReadBytes(dir.File("libback.csv")));
    EXPECT_EQ(ReadBytes(dir.File("back.csv")).substr(0, 20), "M\xFCller,Weg 1,K\xF6ln,,,");
}

TEST_F(FendroToolTest, WrongUsageAndFailures) {
    const std::string raw = dir.File("in.dat");
    WriteBytes(raw, WorkedExample().Text());
    const std::string out = Q(dir.File("out.csv"));

    Result r = Run("decode " + Q(raw));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Aufruf: fendro-tool decode RAWFILE CSVFILE [--ini SETTINGSFILE] "
                         "[--today YYYY-MM-DD] [--xq]"),
              std::string::npos);
    EXPECT_EQ(Run("decode " + Q(raw) + " " + out + " --today 2006-02-30").exitCode, 2);
    EXPECT_EQ(Run("decode " + Q(raw) + " " + out + " --today").exitCode, 2);
    EXPECT_EQ(Run("decode " + Q(raw) + " " + out + " --bogus").exitCode, 2);
    EXPECT_EQ(Run("export-mmc " + Q(raw) + " " + out + " --xq").exitCode, 2);
    EXPECT_EQ(Run("build-send " + Q(raw)).exitCode, 2);
    EXPECT_EQ(Run("import-mmc a b c").exitCode, 2);

    r = Run("decode " + Q(dir.File("fehlt.dat")) + " " + out);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("fehlt.dat"), std::string::npos);
    r = Run("decode " + Q(raw) + " " + out + " --ini " + Q(dir.File("fehlt.ini")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(Run("export-mmc " + Q(dir.File("fehlt.csv")) + " " + out).exitCode, 1);
    EXPECT_FALSE(FileExists(dir.File("out.csv")));

    r = Run("import-mmc " + Q(raw) + " " + Q(dir.File("fehlt/out.csv")));
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("Unable to write to"), std::string::npos);
    EXPECT_EQ(r.out, "");

    r = Run("--help");
    EXPECT_EQ(r.exitCode, 0);
    for (const char* c : {"decode", "build-send", "export-mmc", "import-mmc", "receive", "send",
                          "print-list", "print-card"}) {
        EXPECT_NE(r.out.find(std::string("fendro-tool ") + c + " "), std::string::npos) << c;
    }
}

TEST_F(FendroToolTest, DecodeDefaultsToTheSettingsFileBesideTheProgram) {
    // Without --ini the fuel table comes from fendro.ini in the build folder, which may or may
    // not exist; either way the tool must agree with the library reading that file.
    const std::string raw = dir.File("in.dat");
    WriteBytes(raw, WorkedExample().Text());
    const Result r =
        Run("decode " + Q(raw) + " " + Q(dir.File("tool.csv")) + " --today 2006-12-24");
    ASSERT_EQ(r.exitCode, 0) << r.err;
    SetSettingsFileName(std::string(FENDRO_BINARY_DIR) + "/fendro.ini");
    CollectingLines lines;
    ConvertReceivedRecords(raw, dir.File("lib.csv"), false, lines, {}, [] {
        return CivilDate{2006, 12, 24};
    });
    SetSettingsFileName("");
    EXPECT_EQ(ReadBytes(dir.File("tool.csv")), ReadBytes(dir.File("lib.csv")));
}

TEST_F(FendroToolTest, InstalledToolComputesWithTheProgramsSettings) {
    // A copy of the tool in a folder it may not write, as a package installs it.
    const std::string prog = dir.File("prog");
    fs::create_directory(prog);
    fs::copy_file(std::string(FENDRO_BINARY_DIR) + "/fendro-tool", prog + "/fendro-tool");
    const auto readOnly = [&](bool on) {
        fs::permissions(prog, fs::perms::owner_write,
                        on ? fs::perm_options::remove : fs::perm_options::add);
    };
    readOnly(true);
    const std::string raw = dir.File("in.dat");
    WriteBytes(raw, WorkedExample().Text());
    const std::string user = dir.File("config") + "/fendro/fendro.ini";
    const std::string env = "XDG_CONFIG_HOME='" + dir.File("config") + "'";
    const std::string args =
        "decode " + Q(raw) + " " + Q(dir.File("tool.csv")) + " --today 2006-12-24";

    // Before the program's first start: the user's file gets the fuel table the program gives it.
    Result r = Run(args, prog + "/fendro-tool", env);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(ReadBytes(user).substr(0, 18), "[0]\r\nName=Heiz\xF6l\r\n");
    SetSettingsFileName(user);
    CollectingLines lines;
    ConvertReceivedRecords(raw, dir.File("lib.csv"), false, lines, {}, [] {
        return CivilDate{2006, 12, 24};
    });
    SetSettingsFileName("");
    EXPECT_EQ(ReadBytes(dir.File("tool.csv")), ReadBytes(dir.File("lib.csv")));
    EXPECT_NE(ReadBytes(dir.File("tool.csv")).find("Heiz\xF6l"), std::string::npos);

    // An administrator's preset beside the program starts a new user's file.
    fs::remove_all(dir.File("config"));
    readOnly(false);
    WriteBytes(prog + "/fendro.ini", FuelSection("0", "Holz", "20.3", "0.65", "0.0"));
    readOnly(true);
    r = Run(args, prog + "/fendro-tool", env);
    readOnly(false);
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(ReadBytes(dir.File("tool.csv")).find(",Holz,"), std::string::npos);
    EXPECT_EQ(ReadBytes(user).substr(0, 16), "[0]\r\nName=Holz\r\n");
    EXPECT_EQ(ReadBytes(prog + "/fendro.ini"), FuelSection("0", "Holz", "20.3", "0.65", "0.0"));
}

TEST_F(FendroToolTest, DecodeIntoStandardOutput) {
    const std::string ini = WriteFuelSettings(dir);
    const std::string raw = dir.File("in.dat");
    WriteBytes(raw, WorkedExample().Text());
    const std::string command = std::string("'") + FENDRO_BINARY_DIR + "/fendro-tool' decode " +
                                Q(raw) + " /dev/stdout --ini " + Q(ini) +
                                " --today 2006-12-24 | cat >" + Q(dir.File("out.txt"));
    ASSERT_EQ(std::system(command.c_str()), 0);
    SetSettingsFileName(ini);
    CollectingLines lines;
    ConvertReceivedRecords(raw, dir.File("lib.csv"), false, lines, {}, [] {
        return CivilDate{2006, 12, 24};
    });
    SetSettingsFileName("");
    EXPECT_EQ(ReadBytes(dir.File("out.txt")),
              ReadBytes(dir.File("lib.csv")) + "Daten gespeichert\n");
}

TEST_F(FendroToolTest, ImportAndExportOfCustomerLists) {
    const std::string list = dir.File("kunden.csv");
    WriteBytes(list, "\xEF\xBB\xBFKd-Nr.;Nachname;Vorname;Stra\xC3\x9F"
                     "e;Nr.;PLZ;Ort\r\n"
                     "1;M\xC3\xBCller;Hans;\"Hauptstra\xC3\x9F"
                     "e, Hof\";12;12345;Berlin\r\n"
                     ";;;;;;\r\n"
                     "2;Schulz;Eva;Ringweg;3;54321;Bonn\r\n");
    const std::string cards = dir.File("karten.csv");
    const std::string report = dir.File("bericht.csv");
    const std::string dta = std::string(FENDRO_BINARY_DIR) + "/fendro.DTA";
    Result r =
        Run("import " + Q(list) + " " + Q(cards) + " --report " + Q(report) + " --dta " + Q(dta));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "2 Karten importiert, 0 Felder gek\xC3\xBCrzt, 1 Feld angepasst, 1 Zeile "
                     "\xC3\xBC"
                     "bersprungen (leer)\n");
    const std::string commas(45, ',');
    EXPECT_EQ(ReadBytes(cards), "M\xFCller Hans,Hauptstra\xDF"
                                "e Hof 12,12345 Berlin" +
                                    commas + "\r\nSchulz Eva,Ringweg 3,54321 Bonn" + commas +
                                    "\r\n");
    EXPECT_NE(ReadBytes(report).find("Hauptstra\xC3\x9F"
                                     "e Hof 12"),
              std::string::npos);

    // Mapped by hand and appended: the customer number as the name.
    r = Run("import " + Q(list) + " " + Q(cards) + " --map Name=Kd-Nr. --map K1= --append --dta " +
            Q(dta));
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(ReadBytes(cards).find("\r\n2,,54321 Bonn,"), std::string::npos);

    const std::string xlsx = dir.File("karten.xlsx");
    ASSERT_EQ(Run("export " + Q(cards) + " " + Q(xlsx) + " --dta " + Q(dta)).exitCode, 0);
    EXPECT_EQ(ReadBytes(xlsx).substr(0, 2), "PK");
    ASSERT_EQ(Run("export " + Q(cards) + " " + Q(dir.File("karten-aus.csv")) + " --dta " + Q(dta))
                  .exitCode,
              0);
    EXPECT_EQ(ReadBytes(dir.File("karten-aus.csv")).substr(0, 8), "\xEF\xBB\xBFName;");

    // Bad calls and unreadable lists.
    EXPECT_EQ(Run("import " + Q(list) + " " + Q(cards) + " --map Telefon=1").exitCode, 2);
    EXPECT_EQ(Run("import " + Q(list)).exitCode, 2);
    EXPECT_EQ(Run("export " + Q(cards) + " " + Q(dir.File("x.pdf"))).exitCode, 2);
    WriteBytes(dir.File("kaputt.ods"), "kein Archiv");
    EXPECT_EQ(Run("import " + Q(dir.File("kaputt.ods")) + " " + Q(cards)).exitCode, 1);
    EXPECT_EQ(Run("import " + Q(dir.File("fehlt.csv")) + " " + Q(cards)).exitCode, 1);
}
