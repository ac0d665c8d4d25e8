#include "files/AtomicFile.h"
#include "files/FileErrors.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Names(const TempDir& dir) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(fs::u8path(dir.Path()))) {
        out.push_back(e.path().filename().u8string());
    }
    return out;
}

} // namespace

TEST(AtomicFile, ReplacesTheWholeFileAndLeavesNothingBeside) {
    TempDir dir;
    const std::string f = dir.File("k\xC3\xB6ln.csv"); // a non-ASCII name
    ReplaceFileContents(f, "erste,Fassung\r\n");
    EXPECT_EQ(ReadBytes(f), "erste,Fassung\r\n");
    const std::string bytes("a\0b\r\n\x1A\xFF", 7);
    ReplaceFileContents(f, bytes);
    EXPECT_EQ(ReadBytes(f), bytes);
    ReplaceFileContents(f, "");
    EXPECT_EQ(ReadBytes(f), "");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"k\xC3\xB6ln.csv"});
}

TEST(AtomicFile, ReadOnlyTargetIsRefusedAndKept) {
    TempDir dir;
    const std::string f = dir.File("ro.ini");
    WriteBytes(f, "alt\r\n");
    fs::permissions(fs::u8path(f), fs::perms::owner_read | fs::perms::others_read);
    try {
        ReplaceFileContents(f, "neu\r\n");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + f);
    }
    EXPECT_EQ(ReadBytes(f), "alt\r\n");
    EXPECT_EQ(Names(dir), std::vector<std::string>{"ro.ini"});
}

TEST(AtomicFile, UnwritablePlacesRaise) {
    TempDir dir;
    EXPECT_THROW(ReplaceFileContents(dir.File("no/such/dir/x.ini"), "x"), EInOutError);
    fs::create_directory(fs::u8path(dir.File("sub")));
    EXPECT_THROW(ReplaceFileContents(dir.File("sub"), "x"), EInOutError);
    EXPECT_TRUE(fs::is_directory(fs::u8path(dir.File("sub"))));
}

TEST(AtomicFile, KeepsRightsAndWritesThroughALink) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no owner-only rights in its file modes, and symbolic links "
                    "need a privilege there";
#endif
    TempDir dir;
    const std::string real = dir.File("real.ini");
    WriteBytes(real, "alt");
    fs::permissions(fs::u8path(real), fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink(fs::u8path(real), fs::u8path(dir.File("link.ini")));
    ReplaceFileContents(dir.File("link.ini"), "neu");
    EXPECT_TRUE(fs::is_symlink(fs::u8path(dir.File("link.ini"))));
    EXPECT_EQ(ReadBytes(real), "neu");
    EXPECT_EQ(fs::status(fs::u8path(real)).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
}

TEST(AtomicFile, ReadWholeFile) {
    TempDir dir;
    std::string contents = "stale";
    EXPECT_FALSE(ReadWholeFile(dir.File("missing"), contents));
    EXPECT_EQ(contents, "");
    EXPECT_FALSE(ReadWholeFile(dir.Path(), contents)); // a folder is no file
    EXPECT_FALSE(FileExists(""));
    const std::string bytes("x\0\r\n\xE4", 5);
    WriteBytes(dir.File("b"), bytes);
    EXPECT_TRUE(ReadWholeFile(dir.File("b"), contents));
    EXPECT_EQ(contents, bytes);
}
