#include "NaiveCompiler.h"

#include "engine/Parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varnel::test {
namespace {

// A=10, B=4, C=3, X=2: values where the grouping shows.
class CompilerForms : public ::testing::Test {
protected:
    void SetUp() override {
        parser_.SetA(10);
        parser_.SetB(4);
        parser_.SetC(3);
        parser_.SetX(2);
    }

    std::string Structure(const std::string& text) {
        TOpList program = compiler_.Compile(text, parser_.VariableTable(), parser_.Function1Table(),
                                            parser_.Function2Table(), true);
        return ProgramListing(program, parser_.VariableTable());
    }

    std::string Listing(const std::string& text) {
        parser_.SetExpression(text);
        std::string listing;
        for (const TParserOp* op = parser_.OpList(); op; op = op->Next)
            listing += Kind(op->OpKind) + (op->Next ? " " : "");
        return listing;
    }

    static std::string Kind(TOpKind kind) {
        static const char* names[] = {"var",  "const", "neg", "add", "sub",  "mul",    "div", "mod",
                                      "idiv", "ipow",  "pow", "sqr", "cube", "fourth", "f1",  "f2"};
        return names[static_cast<int>(kind)];
    }

    TParser parser_;
    TExpressionCompiler compiler_;
};

TEST_F(CompilerForms, GroupingFollowsTheScans) {
    struct Row {
        const char* name;
        const char* text;
        double value;
        const char* structure; // operations in running order: kind, operands, result
    } rows[] = {
        {"sum groups to the right", "A+B+C", 17, "3 B C => @0\n3 A @0 => @1\n"},
        {"difference groups to the left", "A-B-C", 3, "4 A B => @0\n4 @0 C => @1\n"},
        {"difference then sum", "A-B+C", 9, "4 A B => @0\n3 @0 C => @1\n"},
        {"quotients group to the left", "A/B/C", 10.0 / 4 / 3, "6 A B => @0\n6 @0 C => @1\n"},
        {"quotient then product", "A/B*C", 7.5, "6 A B => @0\n5 @0 C => @1\n"},
        {"product of a quotient", "A*B/C", 10 * (4.0 / 3), "6 B C => @0\n5 A @0 => @1\n"},
        {"product before sum", "A*B+C", 43, "5 A B => @0\n3 @0 C => @1\n"},
        {"products on one level", "A*B+C*X", 46, "5 A B => @0\n5 C X => @1\n3 @0 @1 => @2\n"},
        {"bracketed power base", "(X^C)^X", 64, "10 X C => @0\n10 @0 X => @1\n"},
        {"bracketed power exponent", "X^(C^X)", 512, "10 C X => @0\n10 X @0 => @1\n"},
        {"negation of a power", "-2^2", -4, "11 #2 - => @0\n2 @0 - => @1\n"},
        {"power of a signed number is a negation", "3*-2^2", -12,
         "11 #2 - => @0\n2 @0 - => @1\n5 #3 @1 => @2\n"},
        {"negative integral exponent", "2^-1", 0.5, "9 #2 #-1 => @0\n"},
        {"bracketed negative exponent", "2^(-X)", 0.25, "2 X - => @0\n10 #2 @0 => @1\n"},
        {"square from 2.0", "X^2.0", 4, "11 X - => @0\n"},
        {"cube", "X^3", 8, "12 X - => @0\n"},
        {"fourth", "X^4", 16, "13 X - => @0\n"},
        {"other integral exponent", "X^5", 32, "9 X #5 => @0\n"},
        {"PI as exponent", "X^PI", std::pow(2.0, 3.141592653589793),
         "10 X #3.1415926535897931 => @0\n"},
        {"zero minus", "0-X-1", -3, "4 #0 X => @0\n4 @0 #1 => @1\n"},
        {"bracketed negation", "(-X)-1", -3, "2 X - => @0\n4 @0 #1 => @1\n"},
        {"signed number first", "-1+X", 1, "3 #-1 X => @0\n"},
        {"signed number after plus", "A+-5", 5, "3 A #-5 => @0\n"},
        {"bracketed negated variable", "A+(-B)", 6, "2 B - => @0\n3 A @0 => @1\n"},
        {"words without blanks", "7DIV2+7MOD2", 4, "8 #7 #2 => @0\n7 #7 #2 => @1\n3 @0 @1 => @2\n"},
        {"brackets around a variable", "  ((X))  ", 2, "0 X - => X\n"},
        {"a number alone", "(1.5)", 1.5, "0 #1.5 - => #1.5\n"},
        {"first comma fails, second fits", "MAX(MIN(A,B),C)", 4, "15 A B => @0\n15 @0 C => @1\n"},
        {"lower case", "sin(x)*pi", std::sin(2.0) * 3.141592653589793,
         "14 X - => @0\n5 @0 #3.1415926535897931 => @1\n"},
        {"a tiny number reads as zero", "1E-400+X", 2, "3 #0 X => @0\n"},
        {"E5 is the number 0", "E5+X", 2, "3 #0 X => @0\n"},
    };
    for (const Row& row : rows) {
        parser_.SetExpression(row.text);
        EXPECT_NEAR(static_cast<double>(parser_.Value()), row.value, 1e-12) << row.name;
        EXPECT_EQ(Structure(row.text), row.structure) << row.name;
    }
}

TEST_F(CompilerForms, ProgramRunsDeepestLevelFirst) {
    // Level 2 holds A*B and C*X in slot order, level 1 the sum.
    EXPECT_EQ(Listing("A*B+C*X"), "mul mul add");
    EXPECT_EQ(Listing("SIN(A)+MAX(B,-C)"), "neg f1 f2 add");
    EXPECT_EQ(Listing("X"), "var");
}

TEST_F(CompilerForms, VariablesAreReadWhenTheProgramRuns) {
    parser_.SetExpression("3*X");
    EXPECT_EQ(parser_.Value(), 6);
    parser_.SetX(5);
    EXPECT_EQ(parser_.Value(), 15);
    parser_.SetExpression("X");
    EXPECT_EQ(parser_.OpList()->ResultCell, parser_.OpList()->Operand1);
    parser_.SetX(-1.25);
    EXPECT_EQ(parser_.Value(), -1.25);
}

} // namespace
} // namespace varnel::test
