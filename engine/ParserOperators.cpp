#include "engine/ParserOperators.h"

#include "engine/ParserMath.h"

namespace varnel {

namespace {

void Nothing(TParserOp&) {}

void Negate(TParserOp& op) {
    *op.ResultCell = -*op.Operand1;
}

void Add(TParserOp& op) {
    const double a = *op.Operand1;
    const double b = *op.Operand2;
    *op.ResultCell = StoreResult(static_cast<long double>(a) + b, a, b);
}

void Subtract(TParserOp& op) {
    const double a = *op.Operand1;
    const double b = *op.Operand2;
    *op.ResultCell = StoreResult(static_cast<long double>(a) - b, a, b);
}

void Multiply(TParserOp& op) {
    const double a = *op.Operand1;
    const double b = *op.Operand2;
    *op.ResultCell = StoreResult(static_cast<long double>(a) * b, a, b);
}

void DivideOp(TParserOp& op) {
    *op.ResultCell = Divide(*op.Operand1, *op.Operand2);
}
void ModOp(TParserOp& op) {
    *op.ResultCell = Remainder(*op.Operand1, *op.Operand2);
}
void DivOp(TParserOp& op) {
    *op.ResultCell = IntDivide(*op.Operand1, *op.Operand2);
}
void IntPowerOp(TParserOp& op) {
    *op.ResultCell = IntPower(*op.Operand1, *op.Operand2);
}
void PowerOp(TParserOp& op) {
    *op.ResultCell = Power(*op.Operand1, *op.Operand2);
}

void Square(TParserOp& op) {
    const long double a = *op.Operand1;
    *op.ResultCell = StoreResult(a * a, *op.Operand1);
}

void Cube(TParserOp& op) {
    const long double a = *op.Operand1;
    *op.ResultCell = StoreResult((a * a) * a, *op.Operand1);
}

void Fourth(TParserOp& op) {
    const long double a = *op.Operand1;
    *op.ResultCell = StoreResult((a * a) * (a * a), *op.Operand1);
}

} // namespace

TParserRoutine OperatorRoutine(TOpKind kind) {
    switch (kind) {
    case TOpKind::okVariable:
    case TOpKind::okConstant:
        return Nothing;
    case TOpKind::okNegate:
        return Negate;
    case TOpKind::okAdd:
        return Add;
    case TOpKind::okSubtract:
        return Subtract;
    case TOpKind::okMultiply:
        return Multiply;
    case TOpKind::okDivide:
        return DivideOp;
    case TOpKind::okMod:
        return ModOp;
    case TOpKind::okDiv:
        return DivOp;
    case TOpKind::okIntPower:
        return IntPowerOp;
    case TOpKind::okPower:
        return PowerOp;
    case TOpKind::okSquare:
        return Square;
    case TOpKind::okCube:
        return Cube;
    case TOpKind::okFourth:
        return Fourth;
    case TOpKind::okFunction1:
    case TOpKind::okFunction2:
        return nullptr;
    }
    return nullptr;
}

} // namespace varnel
