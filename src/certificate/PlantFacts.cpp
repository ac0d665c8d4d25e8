#include "certificate/PlantFacts.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view Trimmed(std::string_view s) {
    while (!s.empty() && static_cast<unsigned char>(s.front()) <= 32) {
        s.remove_prefix(1);
    }
    while (!s.empty() && static_cast<unsigned char>(s.back()) <= 32) {
        s.remove_suffix(1);
    }
    return s;
}

} // namespace

std::optional<double> ParseNominalOutput(std::string_view text) {
    const std::string_view t = Trimmed(text);
    // Tenths as an integer, so "25,1" is exactly 251 and compares exactly against the steps.
    long long tenths = 0;
    size_t i = 0;
    while (i < t.size() && IsDigit(t[i])) {
        if (i >= 6) {
            return std::nullopt; // no boiler has a million kW; keeps the sum small
        }
        tenths = tenths * 10 + (t[i] - '0');
        ++i;
    }
    if (i == 0) {
        return std::nullopt;
    }
    tenths *= 10;
    if (i < t.size() && (t[i] == ',' || t[i] == '.')) {
        ++i;
        if (i < t.size() && IsDigit(t[i])) {
            tenths += t[i] - '0';
            ++i;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    return static_cast<double>(tenths) / 10.0;
}

std::optional<double> FlueGasLossLimit(double nominalOutputKw, bool standardBoiler) {
    if (!(nominalOutputKw >= 4.0)) {
        return std::nullopt;
    }
    double limit = 9.0;
    if (nominalOutputKw <= 25.0) {
        limit = 11.0;
    } else if (nominalOutputKw <= 50.0) {
        limit = 10.0;
    }
    return standardBoiler ? limit + 1.0 : limit;
}
