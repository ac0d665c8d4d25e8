// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/FileErrors.h"
#include "core/files/IniFile.h"
#include "core/files/Utf8Path.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace {

// An IniFile over the given bytes, in a folder of its own.
class IniOver {
public:
    explicit IniOver(const std::string& bytes) { WriteBytes(File(), bytes); }
    std::string File() const { return dir_.File("t.ini"); }
    IniFile Open() const { return IniFile(File()); }
    std::string Bytes() const { return ReadBytes(File()); }

private:
    TempDir dir_;
};

} // namespace

TEST(IniFile, TextValuesFollowTheProfileRules) {
    IniOver f("[Main]\r\n"
              "  Key1  =  a = b  \r\n" // first "=" splits; blanks around both go
              "Quoted=\"  x  \"\r\n"   // one pair of quotes goes, the blanks inside stay
              "Single='y'\r\n"
              "Twice=\"\"z\"\"\r\n" // only the outer pair
              "Half=\"open\r\n"     // no closing quote: kept as it stands
              "Empty=\r\n"
              "; Comment=1\r\n"
              "NoEquals\r\n"
              "Dup=first\r\n"
              "DUP=second\r\n"
              "[main]\r\n" // a second section of the same name is not read
              "Other=1\r\n");
    const IniFile ini = f.Open();
    EXPECT_EQ(ini.ReadString("Main", "Key1", "?"), "a = b");
    EXPECT_EQ(ini.ReadString("MAIN", "key1", "?"), "a = b");
    EXPECT_EQ(ini.ReadString("Main", "Quoted", "?"), "  x  ");
    EXPECT_EQ(ini.ReadString("Main", "Single", "?"), "y");
    EXPECT_EQ(ini.ReadString("Main", "Twice", "?"), "\"z\"");
    EXPECT_EQ(ini.ReadString("Main", "Half", "?"), "\"open");
    EXPECT_EQ(ini.ReadString("Main", "Empty", "?"), "");
    EXPECT_EQ(ini.ReadString("Main", "; Comment", "?"), "?");
    EXPECT_EQ(ini.ReadString("Main", "NoEquals", "?"), "?");
    EXPECT_EQ(ini.ReadString("Main", "Dup", "?"), "first");
    EXPECT_EQ(ini.ReadString("Main", "Other", "?"), "?");
    EXPECT_EQ(ini.ReadString("Main", "Missing", "def"), "def");
    EXPECT_EQ(ini.ReadString("Nowhere", "Key1", "def"), "def");
    EXPECT_TRUE(ini.ValueExists("main", "EMPTY"));
    EXPECT_FALSE(ini.ValueExists("Main", "NoEquals"));
}

TEST(IniFile, MissingFileLinesBeforeAnySectionAndLineEnds) {
    TempDir dir;
    const IniFile missing(dir.File("none.ini"));
    EXPECT_EQ(missing.ReadString("Main", "A", "d"), "d");
    EXPECT_EQ(missing.ReadInteger("Main", "A", 7), 7);
    EXPECT_FALSE(missing.SectionExists("Main"));

    // Keys above the first header belong to no section; LF alone also ends a line.
    IniOver f("A=loose\n[S]\nA=1\r\nB=2");
    const IniFile ini = f.Open();
    EXPECT_EQ(ini.ReadString("S", "A", "?"), "1");
    EXPECT_EQ(ini.ReadString("S", "B", "?"), "2");
}

TEST(IniFile, NamesCompareWithoutCaseInWindows1252) {
    IniOver f("[Gr\xC4\xDF"
              "e]\r\nSch\xDCssel=1\r\n");
    const IniFile ini = f.Open();
    EXPECT_EQ(ini.ReadString("gr\xE4\xDF"
                             "E",
                             "SCH\xFCSSEL", "?"),
              "1");
    EXPECT_EQ(ini.ReadString("Grosse", "Schussel", "?"), "?");
}

TEST(IniFile, ValuesAreCutTo2047Characters) {
    IniOver f("[S]\r\nLong=" + std::string(3000, 'x') + "\r\n");
    const IniFile ini = f.Open();
    EXPECT_EQ(ini.ReadString("S", "Long", ""), std::string(2047, 'x'));
}

TEST(IniFile, Integers) {
    IniOver f("[I]\r\n"
              "hex=0x1F\r\nHEX2=0X1f\r\ndollar=$1F\r\nnegdollar=-$10\r\n"
              "plus=+5\r\nminus=-7\r\nzero=0\r\nspaced= 42 \r\n"
              "abc=abc\r\nempty=\r\nbare0x=0x\r\nbaredollar=$\r\nsign=-\r\n"
              "frac=1.5\r\ntrail=12a\r\nhexbad=0x1G\r\n"
              "max=2147483647\r\nmin=-2147483648\r\nover=2147483648\r\n"
              "allbits=0xFFFFFFFF\r\ntoolong=0x100000000\r\n");
    const IniFile ini = f.Open();
    EXPECT_EQ(ini.ReadInteger("I", "hex", 0), 31);
    EXPECT_EQ(ini.ReadInteger("I", "hex2", 0), 31);
    EXPECT_EQ(ini.ReadInteger("I", "dollar", 0), 31);
    EXPECT_EQ(ini.ReadInteger("I", "negdollar", 0), -16);
    EXPECT_EQ(ini.ReadInteger("I", "plus", 0), 5);
    EXPECT_EQ(ini.ReadInteger("I", "minus", 0), -7);
    EXPECT_EQ(ini.ReadInteger("I", "zero", 9), 0);
    EXPECT_EQ(ini.ReadInteger("I", "spaced", 0), 42);
    EXPECT_EQ(ini.ReadInteger("I", "max", 0), 2147483647);
    EXPECT_EQ(ini.ReadInteger("I", "min", 0), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("I", "allbits", 0), -1);
    for (const char* bad : {"abc", "empty", "bare0x", "baredollar", "sign", "frac", "trail",
                            "hexbad", "over", "toolong", "missing"}) {
        EXPECT_EQ(ini.ReadInteger("I", bad, 9600), 9600) << bad;
    }
}

TEST(IniFile, SectionValuesInFileOrderFirstOfEqualKeys) {
    IniOver f("[CSVGER]\r\n; Kommentar\r\nb=2\r\n\r\na= 1 \r\nB=3\r\nc=\r\n[Next]\r\nd=4\r\n");
    const auto values = f.Open().ReadSectionValues("csvger");
    ASSERT_EQ(values.size(), 3u);
    EXPECT_EQ(values[0], (std::pair<std::string, std::string>("b", "2")));
    EXPECT_EQ(values[1], (std::pair<std::string, std::string>("a", "1")));
    EXPECT_EQ(values[2], (std::pair<std::string, std::string>("c", "")));
    EXPECT_TRUE(f.Open().ReadSectionValues("None").empty());
}

TEST(IniFile, WritingChangesOnlyTheLineConcerned) {
    // Comments, blank lines, odd spacing, quotes, unknown sections and bytes above 127 stay.
    const std::string head = "; von Hand\r\n\r\n[Fremd]\r\n  x = 1 \r\nohne Gleich\r\n\r\n";
    const std::string tail = "\r\n[Z]\r\nq=\"quoted\"\r\nu=\xE4\xF6\xFC\x80\r\n";
    IniOver f(head + "[Main]\r\n  Baudrate = 1200\r\nA=1\r\n" + tail);
    IniFile ini = f.Open();
    ini.WriteInteger("MAIN", "baudrate", 9600);
    EXPECT_EQ(f.Bytes(), head + "[Main]\r\n  Baudrate = 9600\r\nA=1\r\n" + tail);

    // A new key goes to the end of its section, before the blank line that separates it.
    ini.WriteString("Main", "New", "v");
    EXPECT_EQ(f.Bytes(), head + "[Main]\r\n  Baudrate = 9600\r\nA=1\r\nNew=v\r\n" + tail);

    // A new section goes to the end of the file.
    ini.WriteString("0", "Name", "Heiz\xF6l");
    EXPECT_EQ(f.Bytes(), head + "[Main]\r\n  Baudrate = 9600\r\nA=1\r\nNew=v\r\n" + tail +
                             "[0]\r\nName=Heiz\xF6l\r\n");

    // Writing what a key already reads leaves its line alone, quotes included.
    const std::string before = f.Bytes();
    ini.WriteString("Z", "q", "quoted");
    EXPECT_EQ(f.Bytes(), before);
    EXPECT_EQ(IniFile(f.File()).Contents(), before);
}

TEST(IniFile, EveryWriteReachesTheFileAndCreatesIt) {
    TempDir dir;
    IniFile ini(dir.File("new.ini"));
    ini.WriteString("A", "k", "1");
    EXPECT_EQ(ReadBytes(dir.File("new.ini")), "[A]\r\nk=1\r\n");
    ini.WriteInteger("A", "n", -12);
    EXPECT_EQ(ReadBytes(dir.File("new.ini")), "[A]\r\nk=1\r\nn=-12\r\n");
    EXPECT_EQ(IniFile(dir.File("new.ini")).ReadInteger("A", "n", 0), -12);
}

TEST(IniFile, LineBreaksInAValueCannotAddKeys) {
    IniOver f("[0]\r\nName=x\r\n");
    IniFile ini = f.Open();
    std::string hostile = "a\r\n[Main]\r\nTypGeraet=MMC";
    hostile += '\0';
    hostile += "rest";
    ini.WriteString("0", "Name", hostile);
    const IniFile again = f.Open();
    EXPECT_FALSE(again.SectionExists("Main"));
    EXPECT_EQ(again.ReadString("0", "Name", "?"), "a  [Main]  TypGeraet=MMC");
}

TEST(IniFile, FailedWriteRaisesAndLeavesFileAndValuesAlone) {
    IniOver f("[Main]\r\nA=1\r\n");
    IniFile ini = f.Open();
    fs::permissions(PathFromUtf8(f.File()), fs::perms::owner_read | fs::perms::group_read);
    try {
        ini.WriteString("Main", "A", "2");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + f.File());
    }
    EXPECT_THROW(ini.WriteString("Other", "B", "3"), EInOutError);
    EXPECT_EQ(f.Bytes(), "[Main]\r\nA=1\r\n");
    EXPECT_EQ(ini.ReadString("Main", "A", ""), "1");
    EXPECT_FALSE(ini.SectionExists("Other"));
    // A value that is already there needs no write and raises nothing.
    EXPECT_NO_THROW(ini.WriteString("Main", "A", "1"));
}

TEST(IniFile, ByteOrderMarkAndLinesEndedByCrAlone) {
    // An editor's UTF-8 file: the mark does not hide the first section, texts are UTF-8 in the
    // file, and the file stays so on writing.
    const std::string mark = "\xEF\xBB\xBF";
    IniOver f(mark + "[0]\r\nName=Heiz\xC3\xB6l\r\nCO2Max=15.4\r\n");
    IniFile ini = f.Open();
    EXPECT_EQ(ini.ReadString("0", "Name", "?"), "Heiz\xF6l");
    ini.WriteString("0", "Name", "Heiz\xF6l"); // already so: the line stays
    ini.WriteString("0", "CO2Max", "15.5");
    ini.WriteString("1", "Name", "Fl\xFCssiggas");
    EXPECT_EQ(f.Bytes(), mark + "[0]\r\nName=Heiz\xC3\xB6l\r\nCO2Max=15.5\r\n"
                                "[1]\r\nName=Fl\xC3\xBCssiggas\r\n");
    // Windows-1252 bytes that an older version added after the mark read as they stand.
    IniOver older(mark + "[0]\r\nName=Holz\r\n[0]\r\nName=Heiz\xF6l\r\n[1]\r\nName=Gr\xFCn\r\n");
    EXPECT_EQ(older.Open().ReadString("1", "Name", "?"), "Gr\xFCn");

    // CR alone ends a line, as CR LF and LF do; a mark in the middle is text.
    IniOver cr("[Main]\rTypGeraet=MMC\rCOMPort=3\r\n[Ports]\nCOM3=" + mark + "x\r");
    const IniFile mac = cr.Open();
    EXPECT_EQ(mac.ReadString("Main", "TypGeraet", "?"), "MMC");
    EXPECT_EQ(mac.ReadInteger("Main", "COMPort", 0), 3);
    EXPECT_EQ(mac.ReadString("Ports", "COM3", "?"), mark + "x");
    EXPECT_EQ(mac.Contents(),
              "[Main]\r\nTypGeraet=MMC\r\nCOMPort=3\r\n[Ports]\r\nCOM3=" + mark + "x\r\n");
}
