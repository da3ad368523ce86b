#include "engine/ExpressionCompiler.h"

#include "engine/ParserErrors.h"

#include <algorithm>
#include <climits>

namespace varnel {

namespace {

// Texts beyond this length cannot be indexed by the recogniser's 32-bit positions.
constexpr std::size_t kLongestText = INT_MAX / 2;

} // namespace

std::string PrepareExpressionText(std::string_view text) {
    std::string prepared(text);
    for (char& c : prepared)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    const std::size_t first = prepared.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    prepared.erase(prepared.find_last_not_of(' ') + 1);
    prepared.erase(0, first);
    if (prepared.find(' ') != std::string::npos)
        throw EExpressionHasBlanks();
    if (std::count(prepared.begin(), prepared.end(), '(') !=
        std::count(prepared.begin(), prepared.end(), ')'))
        throw EMissMatchingBracket();
    return prepared;
}

TOpList TExpressionCompiler::Compile(std::string_view text, const TVariableTable& variables,
                                     const TFunctionTable& functions1,
                                     const TFunctionTable& functions2,
                                     bool /*pascalNumberFormat*/) {
    prepared_ = PrepareExpressionText(text);
    if (prepared_.size() > kLongestText)
        throw EExpressionTooComplex();
    recogniser_.Reset(prepared_, variables, functions1, functions2, shortcuts_);
    int begin = 0;
    int end = static_cast<int>(prepared_.size());
    // ((A+B)) is compiled as A+B.
    for (;;) {
        const TMatch bracket = recogniser_.Test(TForm::Bracket, begin, end);
        if (bracket.Verdict == TVerdict::Overflow)
            throw EOverflow();
        if (bracket.Verdict == TVerdict::InvalidOp)
            throw EInvalidOp();
        if (!bracket.Passed())
            break;
        begin = bracket.LeftBegin;
        end = bracket.LeftEnd;
    }
    return builder_.Build(recogniser_, variables, functions1, functions2, begin, end);
}

TOpList CompileExpression(std::string_view text, const TVariableTable& variables,
                          const TFunctionTable& functions1, const TFunctionTable& functions2,
                          bool pascalNumberFormat) {
    TExpressionCompiler compiler;
    return compiler.Compile(text, variables, functions1, functions2, pascalNumberFormat);
}

} // namespace varnel
