#include "engine/Parser.h"
#include "engine/ParserErrors.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <typeinfo>

namespace varnel {
namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(times));
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

const std::string kSyntax = "Error parsing expression:\r";
const std::string kNestings = "Expression contains too many nestings";

// Long and deeply nested texts: the compiler neither exhausts the call stack
// nor takes long, and refuses them exactly as the literal rules would.
TEST(HostileInput, LongAndDeepTextsAreRefusedExactly) {
    struct Row {
        const char* name;
        std::string text;
        std::string message;
    } rows[] = {
        {"100,000 characters of sums", "A" + Repeat("+A", 50000), kNestings},
        {"sums with a trailing plus", "A" + Repeat("+A", 50000) + "+",
         kSyntax + "A" + Repeat("+A", 49999) + "\rA+"},
        {"differences", "A" + Repeat("-A", 50000), kNestings},
        {"differences with a trailing minus", "A" + Repeat("-A", 50000) + "-",
         kSyntax + "A" + Repeat("-A", 49999) + "\rA-"},
        {"quotients with a trailing slash", "A" + Repeat("/A", 50000) + "/",
         kSyntax + "A" + Repeat("/A", 49999) + "\rA/"},
        {"powers", "A" + Repeat("^A", 50000), kSyntax + "A" + Repeat("^A", 49999) + "\rA"},
        {"integer quotients", "7" + Repeat("DIV7", 25000), kNestings},
        {"10,000 nested sums", Repeat("A+(", 10000) + "A" + Repeat(")", 10000), kNestings},
        {"10,000 nested functions", Repeat("SIN(", 10000) + "X" + Repeat(")", 10000), kNestings},
        {"10,000 nested negations", Repeat("-(", 10000) + "X" + Repeat(")", 10000), kNestings},
        {"10,000 nested pairs", Repeat("MAX(1,", 10000) + "X" + Repeat(")", 10000), kNestings},
        {"mixed operators", Repeat("A+B*C-D/E^2+", 8000) + "1", kNestings},
        {"a number and an operator", Repeat("1", 100000) + "+",
         kSyntax + Repeat("1", 100000) + "+"},
        {"a number too long for a double", Repeat("1", 100000), "Floating point overflow"},
        {"closing before opening", Repeat(")(", 50000), kSyntax + Repeat(")(", 50000)},
    };
    TParser parser;
    for (const Row& row : rows) {
        try {
            parser.SetExpression(row.text);
            ADD_FAILURE() << row.name << ": compiled";
        } catch (const Exception& error) {
            EXPECT_TRUE(error.Message() == row.message)
                << row.name << ": " << error.Message().substr(0, 80);
        }
    }
}

TEST(HostileInput, TenThousandNestedBracketsAroundAValue) {
    TParser parser;
    parser.SetX(3);
    parser.SetExpression(Repeat("(", 10000) + "X" + Repeat(")", 10000));
    EXPECT_EQ(parser.Value(), 3);
    parser.SetExpression(Repeat("(", 5000) + "X+1" + Repeat(")", 5000) + "*" + Repeat("(", 5000) +
                         "2" + Repeat(")", 5000));
    EXPECT_EQ(parser.Value(), 8);
}

// Every split of E+5*E+5*... is ambiguous (E+5 is also a number): a plain
// search rescans each suffix.
TEST(HostileInput, AmbiguousChainsStayLinear) {
    TParser parser;
    EXPECT_THROW(parser.SetExpression("E" + Repeat("+5*E", 25000) + "+"), ESyntaxError);
    EXPECT_THROW(parser.SetExpression("E" + Repeat("+5*E", 25000)), ETooManyNestings);
}

TEST(HostileInput, RandomBytesAreRefused) {
    std::mt19937 random(4242);
    TParser parser;
    for (int round = 0; round < 20; ++round) {
        std::string text;
        int depth = 0;
        for (int i = 0; i < 5000; ++i) {
            char c = static_cast<char>(random() % 256);
            if (c == ' ')
                continue;
            depth += (c == '(') - (c == ')');
            text += c;
        }
        for (; depth > 0; --depth)
            text += ')';
        for (; depth < 0; ++depth)
            text.insert(text.begin(), '(');
        EXPECT_THROW(parser.SetExpression(text), ESyntaxError) << "round " << round;
    }
    const char alphabet[] = "AXE0123456789+-*/^(),.DIVMODSINMAXPI";
    for (int round = 0; round < 20; ++round) {
        std::string text;
        for (int i = 0; i < 20000; ++i)
            text += alphabet[random() % (sizeof alphabet - 1)];
        try {
            parser.SetExpression(text);
            parser.Value();
        } catch (const Exception&) {
        }
    }
}

} // namespace
} // namespace varnel
