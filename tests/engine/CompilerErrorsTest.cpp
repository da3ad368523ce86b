#include "engine/Parser.h"
#include "engine/ParserErrors.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <typeinfo>

namespace varnel {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// A chain of n operators: A+A+...+A groups to the right, A-A-...-A to the
// left, so the deepest terms sit in right and in left operands.
std::string Chain(const std::string& op, int operators) {
    return "A" + Repeat(op + "A", operators);
}

// A full tree of sums, `depth` levels of terms deep; the first `products`
// leaves are products, so the level below the leaves holds that many operations.
std::string SumTree(int depth, int& leaf, int products) {
    if (depth == 0)
        return leaf++ < products ? "(A*A)" : "A";
    const std::string left = SumTree(depth - 1, leaf, products);
    return "(" + left + "+" + SumTree(depth - 1, leaf, products) + ")";
}

std::string SumTree(int depth, int products) {
    int leaf = 0;
    return SumTree(depth, leaf, products);
}

struct Refusal {
    const char* name;
    std::string text;
    const std::type_info& type;
    std::string message;
};

const std::string kSyntax = "Error parsing expression:\r";

class CompilerErrors : public ::testing::Test {
protected:
    // The exception the compilation raised, or none.
    void ExpectRefusal(const Refusal& row) {
        try {
            parser_.SetExpression(row.text);
            ADD_FAILURE() << row.name << ": compiled";
        } catch (const Exception& error) {
            EXPECT_EQ(typeid(error), row.type) << row.name;
            EXPECT_EQ(error.Message(), row.message) << row.name;
        }
        EXPECT_EQ(parser_.OpList(), nullptr) << row.name;
        EXPECT_EQ(parser_.Value(), 0) << row.name;
        EXPECT_EQ(parser_.Expression(), row.text) << row.name;
    }

    TParser parser_;
};

TEST_F(CompilerErrors, EveryRefusalHasItsClassAndMessage) {
    const Refusal rows[] = {
        {"blank inside", "7 DIV 2", typeid(EExpressionHasBlanks), "Expression has blanks"},
        {"blank inside brackets", " (A+ B) ", typeid(EExpressionHasBlanks),
         "Expression has blanks"},
        {"more opening brackets", "(A+B", typeid(EMissMatchingBracket),
         "Missing brackets in expression"},
        {"more closing brackets", "SIN(X))", typeid(EMissMatchingBracket),
         "Missing brackets in expression"},
        {"brackets in the wrong order", ")X(", typeid(ESyntaxError), kSyntax + ")X("},
        {"only blanks", "   ", typeid(ESyntaxError), kSyntax},
        {"a term with no split", "A+", typeid(ESyntaxError), kSyntax + "A+"},
        {"the last split tried", "A+B+", typeid(ESyntaxError), kSyntax + "A\rB+"},
        {"power of a power", "A^B^C", typeid(ESyntaxError), kSyntax + "A^B\rC"},
        {"difference after a leading minus", "-X-1", typeid(ESyntaxError), kSyntax + "X-1\r "},
        {"minus number minus", "-1-X", typeid(ESyntaxError), kSyntax + "1-X\r "},
        {"negated variable after plus", "A+-B", typeid(ESyntaxError), kSyntax + "A+\rB"},
        {"negated exponent", "2^-X", typeid(ESyntaxError), kSyntax + "2\r-X"},
        {"two arguments for SIN", "SIN(X,Y)", typeid(ESyntaxError), kSyntax + "X,Y\r "},
        {"one argument for ARG", "ARG(1)", typeid(ESyntaxError), kSyntax + "ARG(1)"},
        {"second argument after a passing first", "MAX(A,B+)", typeid(ESyntaxError),
         kSyntax + "A\rB+"},
        {"bracketed left part is written unbracketed", "(A)+B+", typeid(ESyntaxError),
         kSyntax + "A\rB+"},
        {"a word at the end", "7DIV", typeid(ESyntaxError), kSyntax + "7\r"},
        {"unknown name", "Z", typeid(ESyntaxError), kSyntax + "Z"},
        {"overflowing number", "1E400", typeid(EOverflow), "Floating point overflow"},
        {"overflowing number in brackets", "(2*1E309)", typeid(EOverflow),
         "Floating point overflow"},
        {"exponent beyond 64 bits", "X^1E19", typeid(EInvalidOp),
         "Invalid floating point operation"},
        {"negative exponent beyond 64 bits", "X^-1E19", typeid(EInvalidOp),
         "Invalid floating point operation"},
        {"21 nested sums", Chain("+", 21), typeid(ETooManyNestings),
         "Expression contains too many nestings"},
        {"21 nested differences", Chain("-", 21), typeid(ETooManyNestings),
         "Expression contains too many nestings"},
        {"21 nested functions", Repeat("SIN(", 21) + "X" + Repeat(")", 21),
         typeid(ETooManyNestings), "Expression contains too many nestings"},
        {"51 operations on one level", SumTree(6, 51), typeid(EExpressionTooComplex),
         "Expression is too complex"},
    };
    for (const Refusal& row : rows)
        ExpectRefusal(row);
}

TEST_F(CompilerErrors, LimitsAreTwentyLevelsAndFiftyOperationsPerLevel) {
    struct Row {
        const char* name;
        std::string text;
        double value;
    } rows[] = {
        {"20 nested sums", Chain("+", 20), 0},
        {"20 nested differences", Chain("-", 20), 0},
        {"20 nested functions", Repeat("ABS(", 20) + "-1" + Repeat(")", 20), 1},
        {"brackets do not nest levels", Repeat("(", 500) + "X" + Repeat(")", 500), 2},
        {"50 operations on one level", SumTree(6, 50), 0},
    };
    parser_.SetX(2);
    for (const Row& row : rows) {
        parser_.SetExpression(row.text);
        EXPECT_EQ(parser_.Value(), row.value) << row.name;
    }
    parser_.SetA(1);
    parser_.SetExpression(SumTree(6, 50));
    EXPECT_EQ(parser_.Value(), 64);
}

TEST_F(CompilerErrors, InternalErrorHasItsMessage) {
    // A consistent term tree never raises it; the class and text are checked here.
    const EParserInternalError error;
    const EMathParserError& base = error;
    EXPECT_EQ(base.Message(), "TParser internal error");
}

TEST_F(CompilerErrors, ErrorHandlerTakesTheErrorInsteadOfTheCaller) {
    std::string seen;
    const TCustomParser* sender = nullptr;
    parser_.SetOnParserError([&](TCustomParser& who, const Exception& error) {
        sender = &who;
        seen = error.Message();
    });
    parser_.SetExpression("X");
    parser_.SetExpression("A+");
    EXPECT_EQ(sender, &parser_);
    EXPECT_EQ(seen, kSyntax + "A+");
    EXPECT_EQ(parser_.OpList(), nullptr);
    EXPECT_EQ(parser_.Value(), 0);
    parser_.SetExpression("1E999");
    EXPECT_EQ(seen, "Floating point overflow");
}

TEST_F(CompilerErrors, ManyFailedCompilationsLeaveNothingBehind) {
    // Under the address sanitizer a leak or a stray write would show here.
    int refused = 0;
    for (int i = 0; i < 1000; ++i) {
        const std::string texts[] = {Chain("+", 21 + i % 7) + "*(B-C)",
                                     "A+" + std::to_string(i) + "+", SumTree(6, 51 + i % 5),
                                     "SIN(" + std::to_string(i) + ",X)",
                                     "X^1E" + std::to_string(19 + i % 200)};
        for (const std::string& text : texts) {
            try {
                parser_.SetExpression(text);
            } catch (const Exception&) {
                ++refused;
            }
        }
    }
    EXPECT_EQ(refused, 5000);
    parser_.SetExpression("2*3");
    EXPECT_EQ(parser_.Value(), 6);
}

} // namespace
} // namespace varnel
