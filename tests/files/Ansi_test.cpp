// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Ansi.h"

#include <gtest/gtest.h>

TEST(Ansi, EveryByteSurvivesTheRoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    const std::string utf8 = AnsiToUtf8(all);
    std::string back;
    ASSERT_TRUE(Utf8ToAnsi(utf8, back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(Utf8ToAnsiLossy(utf8), all);
}

TEST(Ansi, TheLettersThatDifferFromLatin1) {
    EXPECT_EQ(AnsiToUtf8("Heiz\xF6l"), "Heiz\xC3\xB6l");
    EXPECT_EQ(AnsiToUtf8("\x80"), "\xE2\x82\xAC");    // euro sign
    EXPECT_EQ(AnsiToUtf8("\x9F"), "\xC5\xB8");        // Y with diaeresis
    EXPECT_EQ(AnsiToUtf8("\x84"), "\xE2\x80\x9E");    // low double quote
    EXPECT_EQ(AnsiToCodePoint(0x81), char32_t(0x81)); // unassigned: kept as a control
    EXPECT_EQ(CodePointToAnsi(0x20AC), 0x80);
    EXPECT_EQ(CodePointToAnsi(0xDF), 0xDF);
    EXPECT_EQ(CodePointToAnsi(0x80), -1); // C1 control that the code page puts elsewhere
    EXPECT_EQ(CodePointToAnsi(0x100), -1);
}

TEST(Ansi, TextsTheCodePageCannotHoldAreRefused) {
    std::string out;
    EXPECT_FALSE(Utf8ToAnsi("\xC5\x81\xC3\xB3"
                            "d\xC5\xBA",
                            out));                     // Polish letters
    EXPECT_FALSE(Utf8ToAnsi("\xF0\x9F\x94\xA5", out)); // beyond the BMP
    EXPECT_FALSE(Utf8ToAnsi("\xC0\x80", out));         // overlong NUL
    EXPECT_FALSE(Utf8ToAnsi("\xED\xA0\x80", out));     // surrogate
    EXPECT_FALSE(Utf8ToAnsi("\x80", out));             // lone continuation
    EXPECT_FALSE(Utf8ToAnsi("a\xC3", out));            // cut off at the end
    EXPECT_FALSE(Utf8ToAnsi("\xE2\x82", out));
    EXPECT_TRUE(Utf8ToAnsi("M\xC3\xBCller", out));
    EXPECT_EQ(out, "M\xFCller");
    EXPECT_EQ(Utf8ToAnsiLossy("a\xC5\x81"
                              "b\xC3"),
              "a?b?");
    EXPECT_EQ(Utf8ToAnsiLossy("\xF0\x9F\x94\xA5"
                              "x"),
              "?x");
}
