#pragma once

#include "engine/NameTable.h"
#include "engine/OpList.h"
#include "engine/ProgramBuilder.h"
#include "engine/Recogniser.h"

#include <string>
#include <string_view>

namespace varnel {

// Compiles expression texts into programs. Keeps its working memory between
// compilations; a failed compilation leaves no program behind.
class TExpressionCompiler {
public:
    // Raises the EMathParserError family, or EOverflow / EInvalidOp for a
    // number that cannot be stored or an exponent that cannot be truncated.
    TOpList Compile(std::string_view text, const TVariableTable& variables,
                    const TFunctionTable& functions1, const TFunctionTable& functions2,
                    bool pascalNumberFormat);

    void SetShortcuts(TShortcuts shortcuts) { shortcuts_ = shortcuts; }
    // Tests the recogniser ran in the last compilation.
    std::size_t TestsRun() const { return recogniser_.TestsRun(); }

private:
    std::string prepared_;
    TRecogniser recogniser_;
    TProgramBuilder builder_;
    TShortcuts shortcuts_ = TShortcuts::Auto;
};

// Upper-cases the letters a to z, trims blanks, refuses blanks inside and a
// different number of "(" and ")".
std::string PrepareExpressionText(std::string_view text);

// Compiles one expression text. With pascalNumberFormat clear, numbers are
// read the same way: this system knows one number syntax only.
TOpList CompileExpression(std::string_view text, const TVariableTable& variables,
                          const TFunctionTable& functions1, const TFunctionTable& functions2,
                          bool pascalNumberFormat);

} // namespace varnel
