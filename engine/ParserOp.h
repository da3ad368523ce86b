#pragma once

#include <cstdint>

namespace varnel {

// The kinds of terms and of the operations compiled from them. The codes are
// part of the program's data: a compiled operation stores its kind in a byte.
enum class TOpKind : std::uint8_t {
    okVariable = 0,
    okConstant = 1,
    okNegate = 2,
    okAdd = 3,
    okSubtract = 4,
    okMultiply = 5,
    okDivide = 6,
    okMod = 7,
    okDiv = 8,
    okIntPower = 9,
    okPower = 10,
    okSquare = 11,
    okCube = 12,
    okFourth = 13,
    okFunction1 = 14,
    okFunction2 = 15,
};

// Kinds with one operand term; okSquare, okCube and okFourth carry their
// exponent in the kind.
constexpr bool IsUnaryKind(TOpKind kind) {
    return kind == TOpKind::okNegate || (kind >= TOpKind::okSquare && kind <= TOpKind::okFunction1);
}

constexpr bool IsBinaryKind(TOpKind kind) {
    return (kind >= TOpKind::okAdd && kind <= TOpKind::okPower) || kind == TOpKind::okFunction2;
}

struct TParserOp;

// The computation of one operation: reads the operand cells, writes the
// result cell, raises the math errors.
using TParserRoutine = void (*)(TParserOp& op);

// One operation of a compiled program.
struct TParserOp {
    double* Operand1 = nullptr;
    double* Operand2 = nullptr;
    double* ResultCell = nullptr;
    TParserOp* Next = nullptr;
    TParserRoutine Routine = nullptr;
    TOpKind OpKind = TOpKind::okVariable;
};

} // namespace varnel
