#include "common/NumberSyntax.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace varnel {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

struct NumberParts {
    bool negative = false;
    std::string_view integer;
    std::string_view fraction;
    bool exponentNegative = false;
    std::string_view exponent;
};

bool SplitNumber(std::string_view text, NumberParts& parts) {
    size_t i = 0;
    const size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }
    if (i == n)
        return false;
    size_t start = i;
    while (i < n && IsDigit(text[i]))
        ++i;
    parts.integer = text.substr(start, i - start);
    if (i < n && text[i] == '.') {
        start = ++i;
        while (i < n && IsDigit(text[i]))
            ++i;
        parts.fraction = text.substr(start, i - start);
    }
    if (i < n && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            parts.exponentNegative = text[i] == '-';
            ++i;
        }
        start = i;
        while (i < n && IsDigit(text[i]))
            ++i;
        parts.exponent = text.substr(start, i - start);
        if (parts.exponent.empty())
            return false;
    }
    return i == n;
}

// Decimal order of the first significant digit, used only to tell an
// overflow from an underflow when the value does not fit a double.
long long OrderOfMagnitude(const NumberParts& parts) {
    long long exponent = 0;
    for (char c : parts.exponent) {
        exponent = exponent * 10 + (c - '0');
        if (exponent > 1'000'000'000)
            break;
    }
    if (parts.exponentNegative)
        exponent = -exponent;
    size_t lead = parts.integer.find_first_not_of('0');
    if (lead != std::string_view::npos)
        return exponent + static_cast<long long>(parts.integer.size() - lead);
    size_t fracLead = parts.fraction.find_first_not_of('0');
    return exponent - static_cast<long long>(fracLead);
}

bool AllZero(const NumberParts& parts) {
    return parts.integer.find_first_not_of('0') == std::string_view::npos &&
           parts.fraction.find_first_not_of('0') == std::string_view::npos;
}

} // namespace

NumberRead ReadNumber(std::string_view text, double& value) {
    NumberParts parts;
    if (!SplitNumber(text, parts))
        return NumberRead::NotANumber;
    const double sign = parts.negative ? -1.0 : 1.0;
    if (AllZero(parts)) {
        value = sign * 0.0;
        return NumberRead::Ok;
    }
    std::string canonical;
    canonical.reserve(text.size() + 4);
    canonical.append(parts.integer.empty() ? std::string_view("0") : parts.integer);
    if (!parts.fraction.empty()) {
        canonical += '.';
        canonical.append(parts.fraction);
    }
    if (!parts.exponent.empty()) {
        canonical += parts.exponentNegative ? "e-" : "e";
        canonical.append(parts.exponent);
    }
    double magnitude = 0;
    auto [end, ec] =
        std::from_chars(canonical.data(), canonical.data() + canonical.size(), magnitude);
    if (ec == std::errc::result_out_of_range) {
        if (OrderOfMagnitude(parts) > 0)
            return NumberRead::Overflow;
        value = sign * 0.0;
        return NumberRead::Ok;
    }
    if (ec != std::errc() || end != canonical.data() + canonical.size())
        return NumberRead::NotANumber;
    value = sign * magnitude;
    return NumberRead::Ok;
}

bool IsNumberText(std::string_view text) {
    NumberParts parts;
    return SplitNumber(text, parts);
}

} // namespace varnel
