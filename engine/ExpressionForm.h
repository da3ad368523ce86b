#pragma once

#include "engine/ParserOp.h"

#include <cstdint>

namespace varnel {

// The tests of the recogniser: the forms an expression text may take, the
// Bracket, Expression and ArgumentPair tests, and the operand tests of the
// binary forms.
enum class TForm : std::uint8_t {
    Number,
    Variable,
    Negation,
    Sum,
    Difference,
    Product,
    IntQuotient,
    Remainder,
    Quotient,
    Power,
    Function1,
    Function2,
    Bracket,
    Expression,
    ArgumentPair,
    SumLeft,
    SumRight,
    DifferenceLeft,
    DifferenceRight,
    ProductLeft,
    ProductRight,
    QuotientLeft,
    QuotientRight,
    PowerLeft,
    PowerRight,
};

constexpr int kFormCount = static_cast<int>(TForm::PowerRight) + 1;

// The outcome of a test. A test that would raise a math error while reading a
// number says so instead of raising: the compiler raises it when the outcome
// is used, so that every test can be run in any order and remembered.
enum class TVerdict : std::uint8_t { No, Yes, Overflow, InvalidOp };

// A test's outcome with the parts it leaves: the (possibly unbracketed) text
// of an operand test, Expression or Bracket; the operands of a form. Positions
// are offsets into the prepared text, ends exclusive.
struct TMatch {
    TVerdict Verdict = TVerdict::No;
    TOpKind Kind = TOpKind::okVariable; // Power: the kind its exponent decides
    std::int32_t LeftBegin = 0;
    std::int32_t LeftEnd = 0;
    std::int32_t RightBegin = 0;
    std::int32_t RightEnd = 0;
    double Value = 0; // Number

    bool Passed() const { return Verdict == TVerdict::Yes; }
    bool Raises() const { return Verdict == TVerdict::Overflow || Verdict == TVerdict::InvalidOp; }
};

} // namespace varnel
