#include "engine/ParserMath.h"

#include "common/Exception.h"

#include <cmath>

namespace varnel {

namespace {

long double RaisedToMagnitude(long double base, std::uint64_t magnitude) {
    long double result = 1;
    for (;;) {
        if (magnitude & 1)
            result *= base;
        magnitude >>= 1;
        if (magnitude == 0)
            return result;
        base *= base;
    }
}

long double Reciprocal(long double x) {
    if (x == 0)
        throw EZeroDivide();
    return 1 / x;
}

long double CheckedLog(double x, long double (*log)(long double)) {
    if (x == 0)
        throw EZeroDivide();
    if (x < 0)
        throw EInvalidOp();
    return log(x);
}

} // namespace

double StoreResult(long double result, double a) {
    const double stored = static_cast<double>(result);
    if (std::isfinite(stored)) [[likely]]
        return stored;
    if (std::isnan(stored)) {
        if (!std::isnan(a))
            throw EInvalidOp();
    } else if (std::isfinite(a)) {
        throw EOverflow();
    }
    return stored;
}

double StoreResult(long double result, double a, double b) {
    const double stored = static_cast<double>(result);
    if (std::isfinite(stored)) [[likely]]
        return stored;
    if (std::isnan(stored)) {
        if (!std::isnan(a) && !std::isnan(b))
            throw EInvalidOp();
    } else if (std::isfinite(a) && std::isfinite(b)) {
        throw EOverflow();
    }
    return stored;
}

std::int64_t TruncToInt64(double x) {
    if (!(x >= -0x1p63 && x < 0x1p63))
        throw EInvalidOp();
    return static_cast<std::int64_t>(x);
}

double Divide(double a, double b) {
    if (b == 0 && std::isfinite(a)) {
        if (a == 0)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return StoreResult(static_cast<long double>(a) / b, a, b);
}

double IntDivide(double a, double b) {
    const std::int64_t dividend = TruncToInt64(a);
    const std::int64_t divisor = TruncToInt64(b);
    if (divisor == 0)
        throw EDivByZero();
    // The one quotient outside the integer range, 2^63, is still a double.
    if (divisor == -1)
        return -static_cast<double>(dividend);
    return static_cast<double>(dividend / divisor);
}

double Remainder(double a, double b) {
    const std::int64_t dividend = TruncToInt64(a);
    const std::int64_t divisor = TruncToInt64(b);
    if (divisor == 0)
        throw EDivByZero();
    if (divisor == -1)
        return 0;
    return static_cast<double>(dividend % divisor);
}

double IntPower(double x, double y) {
    const std::int64_t truncated = TruncToInt64(y);
    const auto n = static_cast<std::int32_t>(static_cast<std::uint32_t>(truncated));
    if (n == 0)
        return 1;
    const std::uint64_t magnitude = n < 0
                                        ? static_cast<std::uint64_t>(-static_cast<std::int64_t>(n))
                                        : static_cast<std::uint64_t>(n);
    long double result = RaisedToMagnitude(x, magnitude);
    if (std::isinf(result) && std::isfinite(x))
        throw EOverflow();
    if (n < 0 && !std::isnan(x))
        result = Reciprocal(result);
    return StoreResult(result, x);
}

double Power(double x, double y) {
    if (y == 0)
        return 1;
    if (x == 0 && y > 0)
        return 0;
    if (std::trunc(y) == y && std::fabs(y) <= 2147483647.0)
        return IntPower(x, y);
    const long double logarithm = LnOf(x);
    return StoreResult(std::exp(y * logarithm), x, y);
}

long double LnOf(double x) {
    return CheckedLog(x, [](long double v) { return std::log(v); });
}
long double Log10Of(double x) {
    return CheckedLog(x, [](long double v) { return std::log10(v); });
}
long double Log2Of(double x) {
    return CheckedLog(x, [](long double v) { return std::log2(v); });
}

} // namespace varnel
