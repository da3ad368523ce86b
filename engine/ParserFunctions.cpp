#include "engine/ParserFunctions.h"

#include "common/Exception.h"
#include "engine/ParserMath.h"
#include "engine/Random.h"

#include <cmath>

namespace varnel {

namespace {

constexpr long double kPi = 3.141592653589793;
constexpr long double kTwoOverPi = 0.6366197723675814;
constexpr long double kTwoPi = 6.283185307179586;
// The trigonometric functions give up beyond this magnitude.
constexpr double kTrigonometricLimit = 0x1p63;

double Sin(double x) {
    if (std::fabs(x) >= kTrigonometricLimit)
        return 0;
    return StoreResult(std::sin(static_cast<long double>(x)), x);
}

double Cos(double x) {
    if (std::fabs(x) >= kTrigonometricLimit)
        return 0;
    return StoreResult(std::cos(static_cast<long double>(x)), x);
}

double Tan(double x) {
    return StoreResult(std::tan(static_cast<long double>(x)), x);
}

double Cotan(double x) {
    const long double tangent = std::tan(static_cast<long double>(x));
    if (tangent == 0)
        throw EZeroDivide();
    return StoreResult(1 / tangent, x);
}

double Arctan(double x) {
    return StoreResult(std::atan(static_cast<long double>(x)), x);
}

double Sinh(double x) {
    const long double value =
        (std::exp(static_cast<long double>(x)) - std::exp(-static_cast<long double>(x))) / 2;
    return StoreResult(value, x);
}

double Cosh(double x) {
    const long double value =
        (std::exp(static_cast<long double>(x)) + std::exp(-static_cast<long double>(x))) / 2;
    return StoreResult(value, x);
}

double Exp(double x) {
    return StoreResult(std::exp(static_cast<long double>(x)), x);
}
double Ln(double x) {
    return StoreResult(LnOf(x), x);
}
double Log10(double x) {
    return StoreResult(Log10Of(x), x);
}
double Log2(double x) {
    return StoreResult(Log2Of(x), x);
}

double Sqr(double x) {
    const long double value = x;
    return StoreResult(value * value, x);
}

double Sqrt(double x) {
    return StoreResult(std::sqrt(static_cast<long double>(x)), x);
}
double Abs(double x) {
    return std::fabs(x);
}
double Trunc(double x) {
    return std::trunc(x);
}

// x minus its integral part; invalid for an infinity.
long double Fraction(double x) {
    const long double fraction = x - std::trunc(static_cast<long double>(x));
    if (std::isnan(fraction) && !std::isnan(x))
        throw EInvalidOp();
    return fraction;
}

double Ceil(double x) {
    if (Fraction(x) > 0)
        return StoreResult(std::trunc(static_cast<long double>(x) + 1), x);
    return std::trunc(x);
}

double Floor(double x) {
    if (Fraction(x) >= 0)
        return std::trunc(x);
    return StoreResult(std::trunc(static_cast<long double>(x) - 1), x);
}

double Heav(double x) {
    return x >= 0 ? 1 : 0;
}

double Sign(double x) {
    if (x > 0)
        return 1;
    if (x < 0)
        return -1;
    return 0;
}

double Zero(double x) {
    return x == 0 ? 0 : 1;
}

// The phase of x in a period of four, as an angle: q = x / (2/pi) rounded to
// a double, then (q - round(q)) * 2pi.
double Ph(double x) {
    const double q = StoreResult(static_cast<long double>(x) / kTwoOverPi, x);
    const long double nearest = std::nearbyint(static_cast<long double>(q));
    return StoreResult((q - nearest) * kTwoPi, x);
}

double Rnd(double x) {
    return StoreResult(std::trunc(static_cast<long double>(x)) * RandomUniform(), x);
}
double Random(double) {
    return RandomUniform();
}

double Max(double x, double y) {
    return x >= y ? x : y;
}
double Min(double x, double y) {
    return x >= y ? y : x;
}

double LogN(double x, double y) {
    const long double numerator = Log2Of(y);
    const long double denominator = Log2Of(x);
    if (denominator == 0 && !std::isnan(numerator)) {
        if (numerator == 0)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return StoreResult(numerator / denominator, x, y);
}

double Arg(double x, double y) {
    if (x > 0)
        return StoreResult(std::atan(static_cast<long double>(y) / x), x, y);
    if (x < 0)
        return StoreResult(std::atan(static_cast<long double>(y) / x) + kPi, x, y);
    if (x == 0)
        return static_cast<double>(y > 0 ? kPi / 2 : -kPi / 2);
    return x; // NaN
}

template <double (*F)(double)> void Routine1(TParserOp& op) {
    *op.ResultCell = F(*op.Operand1);
}

template <double (*F)(double, double)> void Routine2(TParserOp& op) {
    *op.ResultCell = F(*op.Operand1, *op.Operand2);
}

} // namespace

void RegisterStandardFunctions(TFunctionTable& functions1, TFunctionTable& functions2) {
    functions1.Add("SIN", Routine1<Sin>);
    functions1.Add("COS", Routine1<Cos>);
    functions1.Add("TAN", Routine1<Tan>);
    functions1.Add("COTAN", Routine1<Cotan>);
    functions1.Add("ARCTAN", Routine1<Arctan>);
    functions1.Add("SINH", Routine1<Sinh>);
    functions1.Add("COSH", Routine1<Cosh>);
    functions1.Add("EXP", Routine1<Exp>);
    functions1.Add("LN", Routine1<Ln>);
    functions1.Add("LOG10", Routine1<Log10>);
    functions1.Add("LOG2", Routine1<Log2>);
    functions1.Add("SQR", Routine1<Sqr>);
    functions1.Add("SQRT", Routine1<Sqrt>);
    functions1.Add("ABS", Routine1<Abs>);
    functions1.Add("TRUNC", Routine1<Trunc>);
    functions1.Add("INT", Routine1<Trunc>);
    functions1.Add("CEIL", Routine1<Ceil>);
    functions1.Add("FLOOR", Routine1<Floor>);
    functions1.Add("HEAV", Routine1<Heav>);
    functions1.Add("SIGN", Routine1<Sign>);
    functions1.Add("ZERO", Routine1<Zero>);
    functions1.Add("PH", Routine1<Ph>);
    functions1.Add("RND", Routine1<Rnd>);
    functions1.Add("RANDOM", Routine1<Random>);

    functions2.Add("ARG", Routine2<Arg>);
    functions2.Add("MAX", Routine2<Max>);
    functions2.Add("MIN", Routine2<Min>);
    functions2.Add("POWER", Routine2<Power>);
    functions2.Add("INTPOWER", Routine2<IntPower>);
    functions2.Add("LOGN", Routine2<LogN>);
}

} // namespace varnel
