#include "common/FormatValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace varnel {

namespace {

int& PrecisionInUse() {
    static int digits = DefaultPrecision;
    return digits;
}

struct Scientific {
    std::string digits; // significant digits without trailing zeros
    int exponent = 0;   // decimal exponent of the first digit
};

Scientific ToScientific(double magnitude, int prec) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                std::chars_format::scientific, prec - 1);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    size_t e = text.find('e');
    Scientific s;
    for (char c : text.substr(0, e))
        if (c != '.')
            s.digits += c;
    s.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    while (s.digits.size() > 1 && s.digits.back() == '0')
        s.digits.pop_back();
    return s;
}

std::string FixedNotation(const Scientific& s) {
    const int e = s.exponent;
    if (e < 0)
        return "0." + std::string(static_cast<size_t>(-e - 1), '0') + s.digits;
    const size_t integerDigits = static_cast<size_t>(e) + 1;
    if (s.digits.size() <= integerDigits)
        return s.digits + std::string(integerDigits - s.digits.size(), '0');
    return s.digits.substr(0, integerDigits) + "." + s.digits.substr(integerDigits);
}

std::string ScientificNotation(const Scientific& s) {
    std::string text = s.digits.substr(0, 1);
    if (s.digits.size() > 1)
        text += "." + s.digits.substr(1);
    text += 'E';
    if (s.exponent < 0)
        text += '-';
    std::string exponent = std::to_string(std::abs(s.exponent));
    if (exponent.size() < 2)
        exponent.insert(0, "0");
    return text + exponent;
}

} // namespace

int SetCurrentPrecision(int digits) {
    return std::exchange(PrecisionInUse(), digits);
}

int CurrentPrecision() {
    return PrecisionInUse();
}

std::string FormatValue(double x, int prec) {
    if (std::isnan(x))
        return "NAN";
    if (std::isinf(x))
        return x < 0 ? "-INF" : "INF";
    prec = std::clamp(prec, 2, 18);
    if (x == 0)
        return "0";
    Scientific s = ToScientific(std::fabs(x), prec);
    std::string text =
        (s.exponent >= -4 && s.exponent < prec) ? FixedNotation(s) : ScientificNotation(s);
    return x < 0 ? "-" + text : text;
}

std::string FormatValue(double x) {
    return FormatValue(x, CurrentPrecision());
}

} // namespace varnel
