#pragma once

#include <string>

namespace varnel {

constexpr int DefaultPrecision = 7;

// The number of significant digits of FormatValue(x): whoever owns the
// options pushes it here; DefaultPrecision until then. Returns the previous
// one, for a caller that sets it for a while.
int SetCurrentPrecision(int digits);
int CurrentPrecision();

// General format with `prec` significant digits (clamped to 2..18): fixed
// notation for decimal exponents -4 <= e < prec, otherwise d.dddE[-]XX.
// Trailing zeros are dropped; NaN is "NAN", infinities "INF" / "-INF".
std::string FormatValue(double x, int prec);
std::string FormatValue(double x);

} // namespace varnel
