// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The number texts of the device exchange. Every text uses "." as the decimal point, whatever
// the locale. Formatting rounds the shortest decimal form of a double, so a value such as 0.145
// counts as the exact half it stands for and is not shifted by its binary representation.

#include <cstdint>
#include <string>
#include <string_view>

// The nearest integer, the even one at an exact half. NaN gives 0; values beyond the 64-bit
// range give its limits.
std::int64_t RoundHalfEven(double x);

// Fixed point with exactly one decimal, after rounding to 4 significant digits.
std::string FormatF1(double x);

// General format with at most `precision` significant digits: an exact half rounds away from
// zero, trailing zeros and a trailing point are dropped; when the integer part needs more than
// `precision` digits, the scientific form "1.2346E5".
std::string FormatG(double x, int precision);
inline std::string FormatG3(double x) {
    return FormatG(x, 3);
}
inline std::string FormatG4(double x) {
    return FormatG(x, 4);
}
inline std::string FormatG5(double x) {
    return FormatG(x, 5);
}

// Fixed point with `decimals` decimals (an exact half away from zero), padded on the left with
// blanks to at least `width` characters.
std::string FormatFixed(double x, int decimals, int width = 0);
// "%3.2f".
inline std::string FormatFixed32(double x) {
    return FormatFixed(x, 2, 3);
}

// A decimal integer in full (leading blanks and a sign allowed) within 32 bits, otherwise 0.
std::int32_t IntOrZero(std::string_view text);

// A decimal number in full with "." as the decimal point (leading blanks, a sign and an
// exponent allowed), otherwise 0. A comma is never a decimal point; a number beyond the range
// of a double counts as no number.
double FloatOrZero(std::string_view text);
