#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace varnel {

// value × factor^exponent with the expression engine's POWER. A result too
// large for a double raises EOverflow; a negative power of 0 raises
// EZeroDivide.
double ScaleByPower(double value, double factor, int64_t exponent);

// value / factor with the faults of a division: 0/0 raises EInvalidOp, any
// other number over 0 EZeroDivide, a result too large EOverflow.
double DivideByFactor(double value, double factor);

// The rule (an expression in which "#" stands for the number) applied to a
// value through GlobalParser. The number goes in with every digit it has, in
// brackets when negative. NaN and infinities give NaN without
// evaluating the rule.
double ApplyRule(std::string_view rule, double value);

// The text that stands for "#" when a rule is applied to value.
std::string RuleArgumentText(double value);

} // namespace varnel
