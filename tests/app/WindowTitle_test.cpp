#include "app/AssociatedProgram.h"
#include "app/WindowTitle.h"

#include <gtest/gtest.h>

#include <vector>

TEST(WindowTitle, ShorteningDropsDirectoriesFromTheFront) {
    std::vector<std::string> tried;
    const std::string path = "C:\\a\\b\\c\\name.csv";
    auto never = [&](const std::string& s) {
        tried.push_back(s);
        return false;
    };
    EXPECT_EQ(ShortenPath(path, never), "name.csv");
    const std::vector<std::string> expected = {"C:\\a\\b\\c\\name.csv", "C:\\...\\b\\c\\name.csv",
                                               "C:\\...\\c\\name.csv", "C:\\...\\name.csv",
                                               "...\\name.csv"};
    EXPECT_EQ(tried, expected);
    EXPECT_EQ(ShortenPath(path, [](const std::string& s) { return s.size() <= 16; }),
              "C:\\...\\name.csv");
    EXPECT_EQ(ShortenPath(path, [](const std::string&) { return true; }), path);
}

TEST(WindowTitle, TitleForms) {
    EXPECT_STREQ(kProgramTitle, "vexa Fendro 3.03");
    EXPECT_EQ(TitleWithFile(FileNameOnly("/home/u/kunden.csv")), "vexa Fendro 3.03 [kunden.csv]");
    EXPECT_EQ(FileNameOnly("C:\\x\\k.csv"), "k.csv");
}

TEST(AssociatedProgram, CommandReduction) {
    EXPECT_EQ(ReduceOpenCommand("\"C:\\Programme\\Viewer\\view.exe\" \"%1\""),
              "C:\\Programme\\Viewer\\view.exe");
    EXPECT_EQ(ReduceOpenCommand("C:\\VIEW\\VIEW.EXE %1"), "C:\\VIEW\\VIEW.EXE");
    EXPECT_EQ(ReduceOpenCommand("\"C:\\x y\\v.exe\" /s \"%1\""), "C:\\x y\\v.exe");
    EXPECT_EQ(ReduceOpenCommand(""), "");
}
