#pragma once

#include "common/Exception.h"
#include "engine/ExpressionCompiler.h"
#include "engine/NameTable.h"
#include "engine/OpList.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace varnel {

class TCustomParser;

// Called instead of raising when an expression does not compile.
using TParserExceptionEvent = std::function<void(TCustomParser& Sender, const Exception& E)>;

// Evaluates arithmetic expressions: assigning Expression compiles the text
// into a program, reading Value runs it. Holds eight variable cells (0 at
// creation) and the tables of variables and functions an expression may name.
class TCustomParser {
public:
    TCustomParser();
    virtual ~TCustomParser();
    TCustomParser(const TCustomParser&) = delete;
    TCustomParser& operator=(const TCustomParser&) = delete;

    const std::string& Expression() const { return expression_; }
    // Replaces the program, also for the same text again. An empty text
    // leaves no program. A failed compilation leaves no program either and
    // goes to OnParserError, or, with none assigned, to the caller.
    void SetExpression(const std::string& text);

    // 0 without a program; otherwise runs the program and gives the value of
    // the whole expression. Parses and allocates nothing; math errors pass
    // to the caller and the program stays.
    long double Value();

    bool PascalNumberformat() const { return pascalNumberformat_; }
    void SetPascalNumberformat(bool value) { pascalNumberformat_ = value; }

    const TParserExceptionEvent& OnParserError() const { return onParserError_; }
    void SetOnParserError(TParserExceptionEvent handler) { onParserError_ = std::move(handler); }

    // The compiled program's first operation, or none.
    const TParserOp* OpList() const { return program_.First(); }

    const TVariableTable& VariableTable() const { return variableTable_; }
    const TFunctionTable& Function1Table() const { return function1Table_; }
    const TFunctionTable& Function2Table() const { return function2Table_; }

    // For measuring the compiler; the outcome is the same either way.
    void SetShortcuts(TShortcuts shortcuts) { compiler_.SetShortcuts(shortcuts); }

protected:
    enum TVariableCell { kA, kB, kC, kD, kE, kT, kX, kY, kVariableCount };

    double& Cell(TVariableCell cell) { return cells_[cell]; }
    double Cell(TVariableCell cell) const { return cells_[cell]; }

    // A name already there is ignored (false).
    bool AddVariable(std::string_view name, double& cell);
    // A name already there is refused (false).
    bool AddFunction1(std::string_view name, TParserRoutine routine);
    bool AddFunction2(std::string_view name, TParserRoutine routine);

private:
    void AssignRoutines();

    std::array<double, kVariableCount> cells_{};
    std::string expression_;
    bool pascalNumberformat_ = true;
    TParserExceptionEvent onParserError_;
    TVariableTable variableTable_;
    TFunctionTable function1Table_;
    TFunctionTable function2Table_;
    TExpressionCompiler compiler_;
    TOpList program_;
};

// The parser with its variables A, B, C, D, E, T, X, Y and the standard
// functions.
class TParser : public TCustomParser {
public:
    TParser();

    double A() const { return Cell(kA); }
    double B() const { return Cell(kB); }
    double C() const { return Cell(kC); }
    double D() const { return Cell(kD); }
    double E() const { return Cell(kE); }
    double T() const { return Cell(kT); }
    double X() const { return Cell(kX); }
    double Y() const { return Cell(kY); }
    void SetA(double value) { Cell(kA) = value; }
    void SetB(double value) { Cell(kB) = value; }
    void SetC(double value) { Cell(kC) = value; }
    void SetD(double value) { Cell(kD) = value; }
    void SetE(double value) { Cell(kE) = value; }
    void SetT(double value) { Cell(kT) = value; }
    void SetX(double value) { Cell(kX) = value; }
    void SetY(double value) { Cell(kY) = value; }
};

} // namespace varnel
