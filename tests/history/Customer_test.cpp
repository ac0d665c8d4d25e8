// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/files/Customer.h"

#include <gtest/gtest.h>

TEST(Customer, BlanksAroundAndCaseDoNotMatterButInnerTextDoes) {
    const CustomerKey key = CustomerOf("M\xfcller", "Hauptstr. 1", "Ulm");
    EXPECT_TRUE(IsCustomer({"  M\xdcLLER    ", "hauptstr. 1", "ULM\t", "Heiz\xf6l"}, key));
    EXPECT_TRUE(IsCustomer({"m\xfcller", "HAUPTSTR. 1", "ulm"}, key));
    EXPECT_FALSE(IsCustomer({"Mueller", "Hauptstr. 1", "Ulm"}, key));
    EXPECT_FALSE(IsCustomer({"M\xfcller", "Hauptstr. 1", "Neu-Ulm"}, key));
    EXPECT_FALSE(IsCustomer({"M\xfc ller", "Hauptstr. 1", "Ulm"}, key));
    // Short rows count as empty cells.
    EXPECT_TRUE(IsCustomer({"M\xfcller"}, CustomerOf("m\xfcller ", "", "")));
}

TEST(Customer, FoldsTheWindows1252LettersOnly) {
    EXPECT_EQ(CustomerText("\xc4\xd6\xdc\x8a\x8c\x8e\x9f"), "\xe4\xf6\xfc\x9a\x9c\x9e\xff");
    // Sharp s has no capital here, and the multiplication sign is no letter.
    EXPECT_EQ(CustomerText("STRA\xdf"
                           "E \xd7"),
              "stra\xdf"
              "e \xd7");
}
