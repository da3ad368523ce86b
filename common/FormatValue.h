#pragma once

#include <functional>
#include <string>

namespace varnel {

constexpr int DefaultPrecision = 7;

// The number of significant digits comes from the options once they exist;
// until a provider is installed it is DefaultPrecision.
using PrecisionProvider = std::function<int()>;
PrecisionProvider SetPrecisionProvider(PrecisionProvider provider);
int CurrentPrecision();

// General format with `prec` significant digits (clamped to 2..18): fixed
// notation for decimal exponents -4 <= e < prec, otherwise d.dddE[-]XX.
// Trailing zeros are dropped; NaN is "NAN", infinities "INF" / "-INF".
std::string FormatValue(double x, int prec);
std::string FormatValue(double x);

} // namespace varnel
