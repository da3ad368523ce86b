#pragma once

#include <cstdint>

namespace varnel {

// Arithmetic with a 64-bit mantissa, stored as doubles. Invalid operations,
// divisions by zero and overflows raise EInvalidOp, EZeroDivide and
// EOverflow; underflow and inexact results pass silently. NaN operands (only
// a caller can put one into a variable) pass through quietly.

// The result stored as a double; raises when an invalid operation or an
// overflow produced it from ordinary operands.
double StoreResult(long double result, double a);
double StoreResult(long double result, double a, double b);

// Truncation towards zero to a 64-bit integer; invalid outside its range.
std::int64_t TruncToInt64(double x);

double Divide(double a, double b);
double IntDivide(double a, double b);
double Remainder(double a, double b);

// y truncated to a 64-bit integer, of which the low 32 bits count.
double IntPower(double x, double y);
double Power(double x, double y);

// Natural, base-10 and base-2 logarithms: a division by zero at 0, invalid
// below.
long double LnOf(double x);
long double Log10Of(double x);
long double Log2Of(double x);

} // namespace varnel
