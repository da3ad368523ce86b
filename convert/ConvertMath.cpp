#include "convert/ConvertMath.h"

#include "common/TextUtil.h"
#include "engine/GlobalParser.h"
#include "engine/ParserMath.h"

#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <string>

namespace varnel {

double ScaleByPower(double value, double factor, int64_t exponent) {
    const double power = Power(factor, static_cast<double>(exponent));
    return StoreResult(static_cast<long double>(power) * value, power, value);
}

double DivideByFactor(double value, double factor) {
    return Divide(value, factor);
}

std::string RuleArgumentText(double value) {
    // The shortest text that reads back as the same double: a rule sees the
    // whole number, never the displayed one, so a conversion through the
    // core unit is rounded once, at the end.
    char digits[32];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), value);
    std::string text(digits, written.ptr);
    // A bare minus sign would bind to its neighbours in the rule: "#^2" on -2
    // must square -2, not negate 2 squared.
    if (!text.empty() && text.front() == '-')
        return "(" + text + ")";
    return text;
}

double ApplyRule(std::string_view rule, double value) {
    if (!std::isfinite(value))
        return std::numeric_limits<double>::quiet_NaN();
    TParser& parser = GlobalParser();
    parser.SetExpression(ReplaceAll(rule, "#", RuleArgumentText(value)));
    return static_cast<double>(parser.Value());
}

} // namespace varnel
