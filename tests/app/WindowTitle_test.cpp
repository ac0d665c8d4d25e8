// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/WindowTitle.h"

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
