#include "engine/GlobalParser.h"
#include "engine/Parser.h"
#include "engine/ParserErrors.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

// Counts allocations while asked to, to show that reading Value allocates nothing.
namespace {
bool gCounting = false;
long gAllocations = 0;
} // namespace

void* operator new(std::size_t size) {
    if (gCounting)
        ++gAllocations;
    if (void* block = std::malloc(size ? size : 1))
        return block;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void operator delete(void* block) noexcept {
    std::free(block);
}
void operator delete[](void* block) noexcept {
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

namespace varnel {
namespace {

TEST(ParserComponent, NoProgramReadsZero) {
    TParser parser;
    EXPECT_TRUE(parser.PascalNumberformat());
    EXPECT_EQ(parser.Value(), 0);
    parser.SetExpression("2+3");
    EXPECT_EQ(parser.Value(), 5);
    parser.SetExpression("");
    EXPECT_EQ(parser.OpList(), nullptr);
    EXPECT_EQ(parser.Value(), 0);
    parser.SetExpression("2+3");
    EXPECT_THROW(parser.SetExpression("2+"), ESyntaxError);
    EXPECT_EQ(parser.Expression(), "2+");
    EXPECT_EQ(parser.Value(), 0);
}

TEST(ParserComponent, ExpressionIsKeptAsAssigned) {
    TParser parser;
    parser.SetX(1);
    parser.SetExpression("  abs(-x) ");
    EXPECT_EQ(parser.Expression(), "  abs(-x) ");
    EXPECT_EQ(parser.Value(), 1);
    EXPECT_THROW(parser.SetExpression(" abs( -x ) "), EExpressionHasBlanks);
    EXPECT_EQ(parser.Expression(), " abs( -x ) ");
}

TEST(ParserComponent, MathErrorLeavesTheProgramToRunAgain) {
    TParser parser;
    parser.SetExpression("1/X");
    EXPECT_THROW(parser.Value(), EZeroDivide);
    parser.SetX(4);
    EXPECT_EQ(parser.Value(), 0.25);
}

TEST(ParserComponent, VariablesAreTheirOwnCells) {
    TParser parser;
    parser.SetA(1);
    parser.SetB(2);
    parser.SetC(3);
    parser.SetD(4);
    parser.SetE(5);
    parser.SetT(6);
    parser.SetX(7);
    parser.SetY(8);
    parser.SetExpression("A+10*(B+10*(C+10*(D+10*(E+10*(T+10*(X+10*Y))))))");
    EXPECT_EQ(parser.Value(), 87654321);
    EXPECT_EQ(parser.Y(), 8);
    TParser other;
    other.SetExpression("A");
    EXPECT_EQ(other.Value(), 0);
}

TEST(ParserComponent, ReadingValueAllocatesNothing) {
    TParser parser;
    parser.SetExpression("SIN(X)*1.8+32-MAX(A,B)/(1+X^2)");
    gAllocations = 0;
    gCounting = true;
    long double sum = 0;
    for (int i = 0; i < 100; ++i) {
        parser.SetX(i);
        sum += parser.Value();
    }
    gCounting = false;
    EXPECT_EQ(gAllocations, 0);
    EXPECT_NE(sum, 0);
}

class NamingParser : public TCustomParser {
public:
    using TCustomParser::AddFunction1;
    using TCustomParser::AddVariable;
    double Cell = 3;
};

TEST(ParserComponent, DuplicateNamesAreIgnoredOrRefused) {
    NamingParser parser;
    double other = 5;
    EXPECT_TRUE(parser.AddVariable("Q", parser.Cell));
    EXPECT_FALSE(parser.AddVariable("q", other)); // ignored: Q stays bound to the first cell
    EXPECT_TRUE(parser.AddFunction1("F", [](TParserOp& op) { *op.ResultCell = 2 * *op.Operand1; }));
    EXPECT_FALSE(parser.AddFunction1("f", [](TParserOp& op) { *op.ResultCell = 0; }));
    parser.SetExpression("F(q)+1");
    EXPECT_EQ(parser.Value(), 7);
}

TEST(ParserComponent, GlobalParserIsOneParserWithoutHandler) {
    TParser& parser = GlobalParser();
    EXPECT_EQ(&parser, &GlobalParser());
    EXPECT_FALSE(parser.OnParserError());
    parser.SetExpression("36*1000/3600");
    EXPECT_EQ(parser.Value(), 10);
    EXPECT_THROW(parser.SetExpression("36*"), ESyntaxError);
}

} // namespace
} // namespace varnel
