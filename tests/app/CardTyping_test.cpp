// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/app/CardTyping.h"

#include <gtest/gtest.h>

TEST(CardTyping, LimitsCountWithoutTrailingBlanks) {
    const std::string twenty(20, 'x');
    EXPECT_FALSE(AcceptsTypedKey(0, twenty, U'a'));
    EXPECT_FALSE(AcceptsTypedKey(1, twenty, U'a'));
    EXPECT_FALSE(AcceptsTypedKey(0, twenty, U'\r')); // Enter is a character too
    EXPECT_TRUE(AcceptsTypedKey(0, twenty, kBackspace));
    EXPECT_TRUE(AcceptsTypedKey(0, std::string(19, 'x'), U'a'));
    EXPECT_TRUE(AcceptsTypedKey(0, std::string(19, 'x') + "   ", U'a'));
    // The town takes 16.
    EXPECT_TRUE(AcceptsTypedKey(2, std::string(15, 'x'), U'a'));
    EXPECT_FALSE(AcceptsTypedKey(2, std::string(16, 'x'), U'a'));
    // Nothing but backspace in the measurement fields.
    EXPECT_FALSE(AcceptsTypedKey(3, "", U'1'));
    EXPECT_TRUE(AcceptsTypedKey(24, "12", kBackspace));
}

TEST(CardTyping, SeparatorsAndForeignCharactersNeverGoIn) {
    for (char32_t key : {U',', U';', U'\u4E2D', U'\u0394', U'\U0001F600'}) {
        EXPECT_FALSE(AcceptsTypedKey(0, "", key)) << static_cast<unsigned>(key);
    }
    for (char32_t key : {U'\u00C4', U'\u00DF', U'\u20AC', U' '}) {
        EXPECT_TRUE(AcceptsTypedKey(0, "", key)) << static_cast<unsigned>(key);
    }
}

TEST(CardTyping, PasteIsFilteredLikeTyping) {
    EXPECT_EQ(FilterPastedText(0, "", U"M\u00fcller, Hans;\r\nX\u4E2D\x1A"), "M\xFCller HansX");
    // Cut at the room the rest of the cell leaves.
    EXPECT_EQ(FilterPastedText(2, "Berlin", U"-Charlottenburg"), "-Charlotte");
    EXPECT_EQ(FilterPastedText(2, "Berlin   ", U"-Charlottenburg"), "-Charlotte");
    EXPECT_EQ(FilterPastedText(0, std::string(20, 'x'), U"a"), "");
    EXPECT_EQ(FilterPastedText(5, "", U"12"), "");
}

TEST(CardTyping, BoilerFactsTakeOnlyWhatTheyHold) {
    EXPECT_EQ(TypedKey(25, "24", U','), U'.'); // the card file separates by commas
    EXPECT_EQ(TypedKey(25, "24", U'x'), 0u);
    EXPECT_EQ(TypedKey(25, "24.5", kBackspace), kBackspace);
    EXPECT_EQ(TypedKey(26, "", U'z'), U'Z');
    EXPECT_EQ(TypedKey(26, "", U'J'), 0u);
    EXPECT_EQ(TypedKey(26, "V", U'Z'), 0u); // one letter
    EXPECT_EQ(TypedKey(27, "", U'n'), U'N');
    EXPECT_EQ(TypedKey(29, "", U'V'), 0u);
    EXPECT_EQ(TypedKey(28, "01.02.199", U'5'), U'5');
    EXPECT_EQ(TypedKey(28, "01.02.1995", U'5'), 0u);
    EXPECT_EQ(TypedKey(3, "", U'1'), 0u); // measured values stay read-only
    EXPECT_EQ(TypedKey(0, "", U'a'), U'a');
    EXPECT_EQ(FilterPastedText(25, "", U"24,5 kW"), "24.5");
    EXPECT_EQ(FilterPastedText(27, "", U"ja"), "J");
    // The output holds one decimal at most, as the certificate reads it.
    EXPECT_TRUE(AcceptsFactText(25, "24."));
    EXPECT_TRUE(AcceptsFactText(25, "24.5  "));
    EXPECT_FALSE(AcceptsFactText(25, "24.55"));
    EXPECT_FALSE(AcceptsFactText(25, "24.5."));
}

TEST(CardTyping, PlantFactsTakeTheirCodes) {
    EXPECT_EQ(TypedKey(26, "", U'a'), U'A'); // burner without a fan
    EXPECT_EQ(TypedKey(42, "", U'w'), U'W');
    EXPECT_EQ(TypedKey(42, "", U'J'), 0u);
    EXPECT_EQ(TypedKey(43, "", U'j'), U'J');
    EXPECT_EQ(TypedKey(46, "202", U'7'), U'7');
    EXPECT_EQ(TypedKey(46, "2027", U'1'), 0u); // a year has four digits
    EXPECT_EQ(TypedKey(46, "", U'.'), 0u);
    EXPECT_EQ(FilterPastedText(36, "", U"11,5-24 kW"), "11.5-24 ");
    EXPECT_FALSE(AcceptsFactText(41, "18.25"));
    EXPECT_EQ(FilterPastedText(30, "", U"Erika Muster, Berlin"), "Erika Muster Berlin");
    EXPECT_EQ(TypingLimit(30), 40);
}
