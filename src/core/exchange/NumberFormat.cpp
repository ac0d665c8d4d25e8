// SPDX-FileCopyrightText: 2026 Fendro-Entwickler <fendro@users.noreply.example>
// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/exchange/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

// A finite double as sign, significant digits d0 d1 d2 ... and exponent e: d0.d1d2... x 10^e.
// Zero is the single digit "0".
struct Decimal {
    bool negative = false;
    std::string digits = "0";
    int exponent = 0;

    bool IsZero() const { return digits.find_first_not_of('0') == std::string::npos; }
};

Decimal ToDecimal(double x) {
    Decimal d;
    if (x == 0) {
        return d;
    }
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::scientific);
    const std::string_view s(buf, static_cast<size_t>(res.ptr - buf));
    size_t i = 0;
    if (s[i] == '-') {
        d.negative = true;
        ++i;
    }
    d.digits.clear();
    while (i < s.size() && s[i] != 'e') {
        if (s[i] != '.') {
            d.digits += s[i];
        }
        ++i;
    }
    int exp = 0;
    std::from_chars(s.data() + i + 1 + (s[i + 1] == '+' ? 1 : 0), s.data() + s.size(), exp);
    d.exponent = exp;
    return d;
}

// Keeps the first `keep` digits, rounding an exact half (or more) away from zero.
void RoundDigits(Decimal& d, int keep) {
    const int len = static_cast<int>(d.digits.size());
    if (keep >= len) {
        return;
    }
    if (keep < 0) {
        d.digits = "0";
        d.exponent = 0;
        return;
    }
    const bool up = d.digits[static_cast<size_t>(keep)] >= '5';
    d.digits.resize(static_cast<size_t>(keep));
    if (up) {
        int i = keep - 1;
        while (i >= 0 && d.digits[static_cast<size_t>(i)] == '9') {
            d.digits[static_cast<size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++d.digits[static_cast<size_t>(i)];
        } else {
            d.digits.insert(d.digits.begin(), '1');
            ++d.exponent;
        }
    }
    if (d.digits.empty()) {
        d.digits = "0";
        d.exponent = 0;
    }
}

void DropTrailingZeros(Decimal& d) {
    while (d.digits.size() > 1 && d.digits.back() == '0') {
        d.digits.pop_back();
    }
}

char DigitAt(const Decimal& d, int index) {
    return index >= 0 && index < static_cast<int>(d.digits.size())
               ? d.digits[static_cast<size_t>(index)]
               : '0';
}

// Renders `d` in fixed point with `decimals` decimals; `d` must already be rounded to them.
std::string RenderFixed(const Decimal& d, int decimals) {
    std::string out;
    if (d.negative && !d.IsZero()) {
        out += '-';
    }
    if (d.IsZero() || d.exponent < 0) {
        out += '0';
    } else {
        for (int i = 0; i <= d.exponent; ++i) {
            out += DigitAt(d, i);
        }
    }
    if (decimals > 0) {
        out += '.';
        const int first = d.IsZero() ? 1 : d.exponent + 1;
        for (int j = 0; j < decimals; ++j) {
            out += d.IsZero() ? '0' : DigitAt(d, first + j);
        }
    }
    return out;
}

std::string NonFinite(double x) {
    if (std::isnan(x)) {
        return "NAN";
    }
    return x < 0 ? "-INF" : "INF";
}

} // namespace

std::int64_t RoundHalfEven(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    // 2^63 is exact as a double; everything at or beyond it saturates.
    constexpr double kLimit = 9223372036854775808.0;
    if (x >= kLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (x <= -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    double f = std::floor(x);
    const double diff = x - f; // exact for every double below 2^63
    if (diff > 0.5 || (diff == 0.5 && std::fmod(f, 2.0) != 0)) {
        f += 1;
    }
    return static_cast<std::int64_t>(f);
}

std::string FormatF1(double x) {
    if (!std::isfinite(x)) {
        return NonFinite(x);
    }
    Decimal d = ToDecimal(x);
    RoundDigits(d, 4);
    RoundDigits(d, d.exponent + 2);
    return RenderFixed(d, 1);
}

std::string FormatG(double x, int precision) {
    if (!std::isfinite(x)) {
        return NonFinite(x);
    }
    Decimal d = ToDecimal(x);
    RoundDigits(d, precision);
    DropTrailingZeros(d);
    if (d.IsZero()) {
        return "0";
    }
    std::string out = d.negative ? "-" : "";
    if (d.exponent + 1 > precision) {
        out += d.digits[0];
        if (d.digits.size() > 1) {
            out += '.';
            out.append(d.digits, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(d.exponent);
        return out;
    }
    const int decimals = std::max(0, static_cast<int>(d.digits.size()) - 1 - d.exponent);
    return RenderFixed(d, decimals);
}

std::string FormatFixed(double x, int decimals, int width) {
    std::string out;
    if (!std::isfinite(x)) {
        out = NonFinite(x);
    } else {
        Decimal d = ToDecimal(x);
        RoundDigits(d, d.exponent + 1 + decimals);
        out = RenderFixed(d, decimals);
    }
    if (static_cast<int>(out.size()) < width) {
        out.insert(0, static_cast<size_t>(width) - out.size(), ' ');
    }
    return out;
}

std::int32_t IntOrZero(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size()) {
        return 0;
    }
    std::int64_t v = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return 0;
        }
        v = v * 10 + (c - '0');
        if (v > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1) {
            return 0;
        }
    }
    if (negative) {
        v = -v;
    }
    if (v > std::numeric_limits<std::int32_t>::max()) {
        return 0;
    }
    return static_cast<std::int32_t>(v);
}

double FloatOrZero(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Checked here by hand, so that only this form reaches from_chars (no "inf", no hex).
    const size_t start = i;
    size_t mantissaDigits = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        ++i;
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        size_t expDigits = 0;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) {
            return 0;
        }
    }
    if (i != text.size()) {
        return 0;
    }
    double v = 0;
    const auto res = std::from_chars(text.data() + start, text.data() + text.size(), v,
                                     std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != text.data() + text.size() || !std::isfinite(v)) {
        return 0;
    }
    return negative ? -v : v;
}
