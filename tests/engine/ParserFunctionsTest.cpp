#include "engine/Parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace varnel {
namespace {

constexpr double kPi = 3.141592653589793;

class ParserFunctions : public ::testing::Test {
protected:
    TParser parser_;
};

TEST_F(ParserFunctions, ValuesOfOperatorsAndFunctions) {
    struct Row {
        const char* text;
        double value;
    } rows[] = {
        {"ZERO(0)", 0},
        {"ZERO(2)", 1},
        {"HEAV(0)", 1},
        {"HEAV(-0.1)", 0},
        {"SIGN(0)", 0},
        {"SIGN(-3)", -1},
        {"SIGN(0.5)", 1},
        {"CEIL(-1.5)", -1},
        {"FLOOR(-1.5)", -2},
        {"TRUNC(-1.5)", -1},
        {"CEIL(2)", 2},
        {"CEIL(1.5)", 2},
        {"FLOOR(2)", 2},
        {"FLOOR(1.5)", 1},
        {"INT(-2.7)", -2},
        {"7MOD-2", 1},
        {"-7MOD2", -1},
        {"7DIV-2", -3},
        {"7.9DIV2", 3},
        {"-7.9DIV2", -3},
        {"7.9MOD2.9", 1},
        {"POWER(-8,3)", -512},
        {"INTPOWER(2,-2)", 0.25},
        {"INTPOWER(2,2.9)", 4},
        {"INTPOWER(2,4294967298)", 4},
        {"INTPOWER(0,0)", 1},
        {"POWER(0,0)", 1},
        {"POWER(0,2.5)", 0},
        {"POWER(4,0.5)", 2},
        {"POWER(1,1E10)", 1},
        {"LOGN(2,8)", 3},
        {"ARG(0,0)", -kPi / 2},
        {"ARG(-1,0)", kPi},
        {"ARG(0,2)", kPi / 2},
        {"ARG(1,1)", kPi / 4},
        {"ARG(-1,-1)", kPi / 4 + kPi},
        {"MAX(1,2)", 2},
        {"MIN(1,2)", 1},
        {"MAX(2,2)", 2},
        {"SIN(1E19)", 0},
        {"COS(-1E19)", 0},
        {"COS(0)", 1},
        {"SIN(PI/2)", 1},
        {"TAN(0)", 0},
        {"ARCTAN(1)", kPi / 4},
        {"LOG10(1000)", 3},
        {"LOG2(8)", 3},
        {"LN(1)", 0},
        {"EXP(0)", 1},
        {"SQR(-3)", 9},
        {"SQRT(16)", 4},
        {"ABS(-2)", 2},
        {"SINH(0)", 0},
        {"COSH(0)", 1},
        {"2^10", 1024},
        {"2^-2", 0.25},
        {"(-2)^3", -8},
        {"(-2)^4", 16},
        {"4^0.5", 2},
        {"1E-300*1E-300", 0},
        {"-9223372036854775808DIV-1", 9223372036854775808.0},
        {"-9223372036854775808MOD-1", 0},
    };
    for (const Row& row : rows) {
        parser_.SetExpression(row.text);
        EXPECT_NEAR(static_cast<double>(parser_.Value()), row.value, 1e-15) << row.text;
    }
}

TEST_F(ParserFunctions, PhaseOfOne) {
    parser_.SetExpression("PH(1)");
    EXPECT_NEAR(static_cast<double>(parser_.Value()), -2.69676621326981, 5e-15);
    parser_.SetExpression("PH(0.6366197723675814*3)"); // q = 3 exactly: no remainder
    EXPECT_EQ(parser_.Value(), 0);
}

// Intermediate results carry a 64-bit mantissa: these steps leave the double
// range on the way but not at the end.
TEST_F(ParserFunctions, IntermediateResultsAreExtended) {
    parser_.SetExpression("COSH(710)");
    EXPECT_NEAR(static_cast<double>(parser_.Value()) / 1.1169973830808555e308, 1, 1e-14);
    parser_.SetExpression("ARG(1E-300,1E300)");
    EXPECT_EQ(parser_.Value(), static_cast<double>(kPi / 2));
    parser_.SetExpression("INTPOWER(1E200,3)/1E300");
    EXPECT_THROW(parser_.Value(), EOverflow); // each operation stores a double
}

TEST_F(ParserFunctions, MathErrorsHaveThePlatformTexts) {
    const std::string zeroDivide = "Floating point division by zero";
    const std::string invalid = "Invalid floating point operation";
    const std::string overflow = "Floating point overflow";
    const std::string divByZero = "Division by zero";
    struct Row {
        const char* text;
        std::string message;
    } rows[] = {
        {"1/0", zeroDivide},
        {"-1/0", zeroDivide},
        {"LN(0)", zeroDivide},
        {"LOG10(0)", zeroDivide},
        {"LOG2(0)", zeroDivide},
        {"COTAN(0)", zeroDivide},
        {"POWER(0,-1)", zeroDivide},
        {"POWER(0,-0.5)", zeroDivide},
        {"INTPOWER(0,-3)", zeroDivide},
        {"0^-1", zeroDivide},
        {"LOGN(1,8)", zeroDivide},
        {"0/0", invalid},
        {"SQRT(-1)", invalid},
        {"LN(-1)", invalid},
        {"LOG2(-8)", invalid},
        {"POWER(-8,1/3)", invalid},
        {"LOGN(1,1)", invalid},
        {"1E19MOD2", invalid},
        {"2DIV-1E19", invalid},
        {"INTPOWER(2,1E19)", invalid},
        {"EXP(1000)", overflow},
        {"SINH(1000)", overflow},
        {"COSH(-1000)", overflow},
        {"1E300*1E300", overflow},
        {"1E308+1E308", overflow},
        {"0-1E308-1E308", overflow},
        {"1E300^2", overflow},
        {"1E100^4", overflow},
        {"1E200/1E-200", overflow},
        {"INTPOWER(10,400)", overflow},
        {"POWER(10,400.5)", overflow},
        {"SQR(1E200)", overflow},
        {"5MOD0", divByZero},
        {"5DIV0.5", divByZero},
        {"5MOD-0.9", divByZero},
    };
    for (const Row& row : rows) {
        parser_.SetExpression(row.text);
        try {
            parser_.Value();
            ADD_FAILURE() << row.text << ": no error";
        } catch (const EMathError& error) {
            EXPECT_EQ(error.Message(), row.message) << row.text;
        }
    }
}

TEST_F(ParserFunctions, RandomNumbersLieInTheirRanges) {
    bool fractional = false;
    for (int i = 0; i < 200; ++i) {
        parser_.SetExpression("RANDOM(5)");
        const double r = static_cast<double>(parser_.Value());
        EXPECT_GE(r, 0);
        EXPECT_LT(r, 1);
        parser_.SetExpression("RND(10.7)");
        const double scaled = static_cast<double>(parser_.Value());
        EXPECT_GE(scaled, 0);
        EXPECT_LT(scaled, 10);
        fractional = fractional || scaled != std::trunc(scaled);
    }
    EXPECT_TRUE(fractional);
    parser_.SetExpression("RANDOM(1)");
    EXPECT_NE(parser_.Value(), parser_.Value()); // a new number on every read
}

TEST_F(ParserFunctions, TablesHoldTheStandardNames) {
    EXPECT_EQ(parser_.VariableTable().Count(), 8u);
    EXPECT_EQ(parser_.Function1Table().Count(), 24u);
    EXPECT_EQ(parser_.Function2Table().Count(), 6u);
    for (const char* name : {"ARG", "MAX", "MIN", "POWER", "INTPOWER", "LOGN"}) {
        EXPECT_TRUE(parser_.Function2Table().Contains(name)) << name;
        EXPECT_FALSE(parser_.Function1Table().Contains(name)) << name;
    }
    EXPECT_TRUE(parser_.Function1Table().Contains("log10"));
    EXPECT_EQ(parser_.Function1Table().Name(0), "ABS"); // sorted
}

} // namespace
} // namespace varnel
