// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>

TEST(RoundHalfEven, ExactHalvesGoToTheEvenInteger) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(-3.5), -4);
    EXPECT_EQ(RoundHalfEven(131.25), 131);
    EXPECT_EQ(RoundHalfEven(75.9), 76);
    EXPECT_EQ(RoundHalfEven(2.4999999), 2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(-7.6), -8);
}

TEST(RoundHalfEven, IsSixtyFourBitAndSaturates) {
    EXPECT_EQ(RoundHalfEven(5e15 + 0.5), 5000000000000000);
    EXPECT_EQ(RoundHalfEven(1e18), 1000000000000000000);
    EXPECT_EQ(RoundHalfEven(1e19), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(RoundHalfEven(-1e300), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(RoundHalfEven(std::numeric_limits<double>::infinity()),
              std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(FormatF1, OneDecimalAfterFourSignificantDigits) {
    EXPECT_EQ(FormatF1(3.5), "3.5");
    EXPECT_EQ(FormatF1(0), "0.0");
    EXPECT_EQ(FormatF1(20.9), "20.9");
    EXPECT_EQ(FormatF1(21), "21.0");
    EXPECT_EQ(FormatF1(-0.5), "-0.5");
    EXPECT_EQ(FormatF1(12.34), "12.3");
    // 12.35 lies just below the half in binary; the decimal value is what counts.
    EXPECT_EQ(FormatF1(12.35), "12.4");
    EXPECT_EQ(FormatF1(1234.5), "1235.0");
    EXPECT_EQ(FormatF1(9999.9), "10000.0");
    EXPECT_EQ(FormatF1(0.05), "0.1");
    EXPECT_EQ(FormatF1(-0.04), "0.0");
    EXPECT_EQ(FormatF1(123456), "123500.0");
}

TEST(FormatG, SignificantDigitsTrailingZerosAndScientificForm) {
    EXPECT_EQ(FormatG5(12.30), "12.3");
    EXPECT_EQ(FormatG4(0.05), "0.05");
    EXPECT_EQ(FormatG3(100), "100");
    EXPECT_EQ(FormatG5(0), "0");
    EXPECT_EQ(FormatG5(-0.0), "0");
    EXPECT_EQ(FormatG5(123456), "1.2346E5");
    EXPECT_EQ(FormatG5(12345), "12345");
    EXPECT_EQ(FormatG4(12345), "1.235E4");
    EXPECT_EQ(FormatG3(1000), "1E3");
    EXPECT_EQ(FormatG3(-1234), "-1.23E3");
    EXPECT_EQ(FormatG3(999.5), "1E3");
    EXPECT_EQ(FormatG5(99999.5), "1E5");
    EXPECT_EQ(FormatG4(99.995), "100");
    EXPECT_EQ(FormatG3(0.125), "0.125");
    EXPECT_EQ(FormatG3(12.25), "12.3");
    EXPECT_EQ(FormatG3(-12.25), "-12.3");
    EXPECT_EQ(FormatG3(12.35), "12.4");
    EXPECT_EQ(FormatG3(100 - 7.6), "92.4");
    EXPECT_EQ(FormatG3(100 - 99.9), "0.1");
    EXPECT_EQ(FormatG4(-0.12), "-0.12");
    EXPECT_EQ(FormatG4(12.34), "12.34");
    EXPECT_EQ(FormatG5(9223372036854775807.0), "9.2234E18");
}

TEST(FormatFixed, TwoDecimalsAwayFromZeroAndMinimumWidth) {
    EXPECT_EQ(FormatFixed32(1.2), "1.20");
    EXPECT_EQ(FormatFixed32(0), "0.00");
    EXPECT_EQ(FormatFixed32(1.125), "1.13");
    // Binary 1.005 is a little below the half; printf("%.2f") would give 1.00.
    EXPECT_EQ(FormatFixed32(1.005), "1.01");
    EXPECT_EQ(FormatFixed32(-7.0 / 3), "-2.33");
    EXPECT_EQ(FormatFixed32(210), "210.00");
    EXPECT_EQ(FormatFixed32(0.004), "0.00");
    EXPECT_EQ(FormatFixed32(0.005), "0.01");
    EXPECT_EQ(FormatFixed32(9.999), "10.00");
    EXPECT_EQ(FormatFixed(5, 0, 3), "  5");
    EXPECT_EQ(FormatFixed(-0.001, 2, 6), "  0.00");
}

namespace {
struct CommaPoint : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};
} // namespace

TEST(FormatFixed, PointWhateverTheLocale) {
    const std::locale old =
        std::locale::global(std::locale(std::locale::classic(), new CommaPoint));
    const std::string f1 = FormatF1(3.5);
    const std::string g = FormatG5(12.3);
    const std::string fixed = FormatFixed32(1.2);
    const double parsed = FloatOrZero("3.5");
    std::locale::global(old);
    EXPECT_EQ(f1, "3.5");
    EXPECT_EQ(g, "12.3");
    EXPECT_EQ(fixed, "1.20");
    EXPECT_EQ(parsed, 3.5);
}

TEST(IntOrZero, WholeDecimalIntegersOnly) {
    EXPECT_EQ(IntOrZero("35"), 35);
    EXPECT_EQ(IntOrZero("  35"), 35);
    EXPECT_EQ(IntOrZero("-12"), -12);
    EXPECT_EQ(IntOrZero("+7"), 7);
    EXPECT_EQ(IntOrZero("0012"), 12);
    EXPECT_EQ(IntOrZero("2147483647"), 2147483647);
    EXPECT_EQ(IntOrZero("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", " ", "35 ", "3.5", "12a", "-", "+", "- 1", "2147483648",
                            "-2147483649", "99999999999999999999", "0x10", "$10", "1,5"}) {
        EXPECT_EQ(IntOrZero(bad), 0) << bad;
    }
}

TEST(FloatOrZero, DecimalNumbersWithPointOnly) {
    EXPECT_EQ(FloatOrZero("3.5"), 3.5);
    EXPECT_EQ(FloatOrZero("  3.5"), 3.5);
    EXPECT_EQ(FloatOrZero("-1.5e2"), -150);
    EXPECT_EQ(FloatOrZero("+2"), 2);
    EXPECT_EQ(FloatOrZero("1E3"), 1000);
    EXPECT_EQ(FloatOrZero("1e+3"), 1000);
    EXPECT_EQ(FloatOrZero("25E-1"), 2.5);
    EXPECT_EQ(FloatOrZero("5."), 5);
    EXPECT_EQ(FloatOrZero(".5"), 0.5);
    EXPECT_EQ(FloatOrZero("0.007"), 0.007);
    for (const char* bad : {"", " ", ".", "-", "3,5", "e5", "1e", "1e+", "inf", "nan", "INF",
                            "0x1p3", "1e999", "-1e999", "3.5 ", "---", "1.2.3", "--1"}) {
        EXPECT_EQ(FloatOrZero(bad), 0) << bad;
    }
}
