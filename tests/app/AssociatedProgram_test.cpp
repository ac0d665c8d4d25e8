// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/AssociatedProgram.h"

#include <gtest/gtest.h>

TEST(AssociatedProgram, CommandReduction) {
    EXPECT_EQ(ReduceOpenCommand("\"C:\\Programme\\Viewer\\view.exe\" \"%1\""),
              "C:\\Programme\\Viewer\\view.exe");
    EXPECT_EQ(ReduceOpenCommand("C:\\VIEW\\VIEW.EXE %1"), "C:\\VIEW\\VIEW.EXE");
    EXPECT_EQ(ReduceOpenCommand("\"C:\\x y\\v.exe\" /s \"%1\""), "C:\\x y\\v.exe");
    EXPECT_EQ(ReduceOpenCommand("evince %U"), "evince");
    EXPECT_EQ(ReduceOpenCommand("\"/opt/x y/v\" %f"), "/opt/x y/v");
    EXPECT_EQ(ReduceOpenCommand("viewer   "), "viewer");
    EXPECT_EQ(ReduceOpenCommand(""), "");
}
