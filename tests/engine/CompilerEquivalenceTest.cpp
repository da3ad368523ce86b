#include "NaiveCompiler.h"

#include "engine/ExpressionCompiler.h"
#include "engine/Parser.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace varnel::test {
namespace {

// The real compiler, with or without passing over certain splits, must give
// what the literal compiler gives: the same program or the same error.
class CompilerEquivalence : public ::testing::Test {
protected:
    std::string Compile(const std::string& text, TShortcuts shortcuts) {
        compiler_.SetShortcuts(shortcuts);
        try {
            TOpList program =
                compiler_.Compile(text, parser_.VariableTable(), parser_.Function1Table(),
                                  parser_.Function2Table(), true);
            return ProgramListing(program, parser_.VariableTable());
        } catch (const Exception& error) {
            return "error: " + error.Message();
        }
    }

    std::string Naive(const std::string& text, long budget) {
        return NaiveCompile(text, parser_.VariableTable(), parser_.Function1Table(),
                            parser_.Function2Table(), budget);
    }

    void ExpectSameEverywhere(const std::string& text, long budget = 200000) {
        const std::string plain = Compile(text, TShortcuts::Never);
        const std::string shortcut = Compile(text, TShortcuts::Always);
        EXPECT_EQ(plain, shortcut) << "text: " << text;
        const std::string naive = Naive(text, budget);
        if (naive != "too expensive") {
            EXPECT_EQ(naive, plain) << "text: " << text;
        }
    }

    TParser parser_;
    TExpressionCompiler compiler_;
};

// Pieces chosen to meet every form, the number syntax's odd corners (E5, 1E+5,
// a lone point), numbers that overflow or make an exponent fail, and names.
const std::vector<std::string> kPieces = {
    "A", "X", "E", "1", "2",  "0", "5.", ".5", ".",   "1E400", "1E30",      "E5",    "1E+5", "PI",
    "+", "-", "*", "/", "^",  "(", ")",  ",",  "DIV", "MOD",   "SIN(",      "MAX(",  "LN(",  "ARG(",
    "-", "(", ")", "+", "2^", "3", "4",  "-1", "E+",  "2E-1",  "INTPOWER(", "ZERO(", "7"};

std::string RandomPieces(std::mt19937& random, int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += kPieces[random() % kPieces.size()];
    return text;
}

// A random expression that mostly fits the forms, so that programs (and not
// only refusals) get compared.
std::string RandomExpression(std::mt19937& random, int depth) {
    static const std::vector<std::string> operators = {"+", "-", "*", "/", "^", "DIV", "MOD"};
    static const std::vector<std::string> leaves = {"A",  "X",  "E", "2",   "3.5",
                                                    "PI", "-1", "4", "1E2", "0"};
    if (depth <= 0 || random() % 4 == 0)
        return leaves[random() % leaves.size()];
    switch (random() % 7) {
    case 0:
        return "(" + RandomExpression(random, depth - 1) + ")";
    case 1:
        return "-" + RandomExpression(random, depth - 1);
    case 2:
        return "SIN(" + RandomExpression(random, depth - 1) + ")";
    case 3:
        return "MAX(" + RandomExpression(random, depth - 1) + "," +
               RandomExpression(random, depth - 1) + ")";
    default:
        return RandomExpression(random, depth - 1) + operators[random() % operators.size()] +
               RandomExpression(random, depth - 1);
    }
}

std::string Mutate(std::mt19937& random, std::string text) {
    if (text.empty())
        return text;
    const std::size_t at = random() % text.size();
    switch (random() % 3) {
    case 0:
        text.erase(at, 1);
        break;
    case 1:
        text.insert(at, kPieces[random() % kPieces.size()]);
        break;
    default:
        text[at] = "+-*/^(),AX1"[random() % 11];
        break;
    }
    return text;
}

TEST_F(CompilerEquivalence, KnownEdgeCases) {
    for (const char* text : {"A+B+C",     "A-B-C",
                             "A-B+C",     "A/B/C",
                             "A/B*C",     "A*B/C",
                             "A*B+C",     "A^B^C",
                             "(A^B)^C",   "A^(B^C)",
                             "-2^2",      "3*-2^2",
                             "-X-1",      "-1-X",
                             "0-X-1",     "(-X)-1",
                             "-1+X",      "A+-5",
                             "A+-B",      "A+(-B)",
                             "2^-1",      "2^-X",
                             "2^(-X)",    "X^2.0",
                             "X^PI",      "2^1E19",
                             "1E400",     "1E-400",
                             "7DIV2",     "7MOD2",
                             "  ((X))  ", ")X(",
                             "SIN(X,Y)",  "MAX(MIN(A,B),C)",
                             "   ",       "A+",
                             "A+B+",      "ARG(1)",
                             "(1E400)",   "7DIV",
                             "-",         "E+5",
                             "E5*E+5",    "MAX(,A)",
                             "MAX(A,)",   "SIN()",
                             "((A)+(B))", "(A)(B)",
                             "2^(1E400)", "X^-PI",
                             "--5",       "+5",
                             "+5+A",      "A*+5"})
        ExpectSameEverywhere(text, 10000000);
}

TEST_F(CompilerEquivalence, RandomPiecesCompileAsTheLiteralCompiler) {
    std::mt19937 random(20240611);
    for (int i = 0; i < 20000; ++i)
        ExpectSameEverywhere(RandomPieces(random, 1 + static_cast<int>(random() % 9)));
}

TEST_F(CompilerEquivalence, RandomExpressionsAndNearMissesCompileAsTheLiteralCompiler) {
    std::mt19937 random(7);
    for (int i = 0; i < 6000; ++i) {
        std::string text = RandomExpression(random, 4);
        ExpectSameEverywhere(text);
        ExpectSameEverywhere(Mutate(random, text));
    }
}

TEST_F(CompilerEquivalence, LongTextsGiveTheSameOutcomeWithAndWithoutShortcuts) {
    std::mt19937 random(99);
    for (int i = 0; i < 1500; ++i) {
        std::string text = i % 2 ? RandomPieces(random, 20 + static_cast<int>(random() % 80))
                                 : Mutate(random, RandomExpression(random, 7));
        EXPECT_EQ(Compile(text, TShortcuts::Never), Compile(text, TShortcuts::Always))
            << "text: " << text;
    }
}

} // namespace
} // namespace varnel::test
