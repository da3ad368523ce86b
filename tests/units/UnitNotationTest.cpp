#include "units/UnitNotation.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnel {
namespace {

using Entries = TUnitEntries;

struct AcceptedRow {
    const char* name;
    std::string text;
    Entries entries;
};

TEST(ParseUnits, AcceptedNotations) {
    const AcceptedRow rows[] = {
        {"product and quotient", "kg.m^2/s^2", {{"kg", 1}, {"m", 2}, {"s", -2}}},
        {"star multiplies", "m*s", {{"m", 1}, {"s", 1}}},
        {"blank multiplies", "m s", {{"m", 1}, {"s", 1}}},
        {"dot multiplies", "m.s", {{"m", 1}, {"s", 1}}},
        {"two blanks join", "m  s", {{"ms", 1}}},
        {"three blanks leave one", "m   s", {{"m", 1}, {"s", 1}}},
        {"leading one", "1/s", {{"s", -1}}},
        {"leading one as 1.0", "1.0/s", {{"s", -1}}},
        {"bare slash", "/s", {{"s", -1}}},
        {"one alone", "1", {}},
        {"one alone with blanks", " 1 ", {}},
        {"empty", "", {}},
        {"only blanks", "   ", {}},
        {"half rounds to even below", "m^2.5", {{"m", 2}}},
        {"half rounds to even above", "m^3.5", {{"m", 4}}},
        {"degree in exponent form", "m^1e1", {{"m", 10}}},
        {"degree after the slash", "m/s^3", {{"m", 1}, {"s", -3}}},
        {"blank after a degree", "m^2 /s", {{"m", 2}, {"s", -1}}},
        {"caret at the end drops its symbol", "m^", {}},
        {"caret at the end keeps earlier symbols", "kg.m^", {{"kg", 1}}},
        {"digits inside a symbol", "m2", {{"m2", 1}}},
        {"superscript two", "m\u00B2", {{"m", 2}}},
        {"superscript three after slash", "m/s\u00B3", {{"m", 1}, {"s", -3}}},
        {"degree sign is a letter", "\u00B0C", {{"\u00B0C", 1}}},
        {"A with ring is a letter", "\u00C5", {{"\u00C5", 1}}},
        {"micro sign is a letter", "\u00B5m", {{"\u00B5m", 1}}},
        {"Greek mu and Omega are letters", "\u03BCm.k\u03A9", {{"\u03BCm", 1}, {"k\u03A9", 1}}},
        {"repeated symbols stay apart", "m.m", {{"m", 1}, {"m", 1}}},
        {"case counts", "M.m", {{"M", 1}, {"m", 1}}},
        {"long symbol keeps 20 characters",
         "abcdefghijklmnopqrstuvwxyz",
         {{"abcdefghijklmnopqrst", 1}}},
        {"underscore starts a symbol", "_x1/h", {{"_x1", 1}, {"h", -1}}},
    };
    for (const AcceptedRow& row : rows) {
        TMessages messages;
        Entries entries{{"stale", 9}};
        EXPECT_TRUE(ParseUnits(row.text, entries, messages)) << row.name;
        EXPECT_EQ(entries, row.entries) << row.name;
        EXPECT_TRUE(messages.empty()) << row.name;
    }
}

struct RefusedRow {
    const char* name;
    std::string text;
    std::string message;
    Entries kept;
};

TEST(ParseUnits, RefusedNotations) {
    const std::string operators = "Only \".\" and \"/\" operators are allowed in dim part.";
    const std::string positive = "Wrong degree number (only positive numbers). ";
    const RefusedRow rows[] = {
        {"degree zero", "m^0", positive + "0", {}},
        {"degree rounding to zero", "m^0.4", positive + "0.4", {}},
        {"half rounds to even zero", "m^0.5", positive + "0.5", {}},
        {"long degree text", "m^0.00000000000000000001", positive + "0.000000000000000000", {}},
        {"negative degree", "m^-2", "Wrong degree number.", {}},
        {"word as degree", "m^x", "Wrong degree number.", {}},
        {"degree beyond an integer", "m^3000000000", "Wrong degree number.", {}},
        {"degree too large to read", "m^1E999", "Wrong degree number.", {}},
        {"two carets", "m^2^3", operators, {{"m", 2}}},
        {"second slash", "m/s/kg", "Only one \"/\" is allowed.", {{"m", 1}, {"s", -1}}},
        {"plus", "m+s", operators, {{"m", 1}}},
        {"bracket", "(m)", operators, {}},
        {"equals", "m=2", operators, {{"m", 1}}},
        {"number before a symbol", "2m", "Wrong units format.", {}},
        {"leading two before slash", "2/s", "Wrong units format.", {}},
        {"one before a symbol", "1 m", "Wrong units format.", {}},
        {"one not first", "m 1/s", "Wrong units format.", {{"m", 1}}},
        {"number after a dot", "m.5", "Wrong units format.", {{"m", 1}}},
        {"euro sign",
         "\u20ACm",
         R"(Unknown character "€" (U+20AC) at position 1 of the units "€m".)",
         {}},
        {"Greek pi",
         "\u03C0g",
         R"(Unknown character "π" (U+03C0) at position 1 of the units "πg".)",
         {}},
        {"after a symbol",
         "m!",
         R"(Unknown character "!" (U+0021) at position 2 of the units "m!".)",
         {}},
        {"after a superscript",
         "m\u00B2/s#",
         R"(Unknown character "#" (U+0023) at position 5 of the units "m²/s#".)",
         {}},
        {"stray byte",
         "\xff",
         R"(Unknown character "ÿ" (U+00FF) at position 1 of the units "ÿ".)",
         {}},
        {"control character",
         "m\x01",
         "Unknown character U+0001 at position 2 of the units \"m\x01\".",
         {}},
    };
    for (const RefusedRow& row : rows) {
        TMessages messages;
        Entries entries;
        EXPECT_FALSE(ParseUnits(row.text, entries, messages)) << row.name;
        EXPECT_EQ(messages, std::vector<std::string>{row.message}) << row.name;
        EXPECT_EQ(entries, row.kept) << row.name;
    }
}

std::string RepeatedSymbols(int count) {
    std::string text = "m";
    for (int i = 1; i < count; ++i)
        text += ".m";
    return text;
}

TEST(ParseUnits, TooManyTokensParsesTheFirstHundred) {
    TMessages messages;
    Entries entries;
    EXPECT_TRUE(ParseUnits(RepeatedSymbols(5000), entries, messages)); // 9,999 tokens
    EXPECT_EQ(messages, std::vector<std::string>{"Input string has too many tokens."});
    EXPECT_EQ(entries.size(), 50u);
}

TEST(ParseUnits, AHundredTokensAreNotTooMany) {
    const std::string hundred = "1/" + RepeatedSymbols(49) + " s";
    TMessages messages;
    Entries entries;
    EXPECT_TRUE(ParseUnits(hundred, entries, messages));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(entries.size(), 50u);
    EXPECT_EQ(entries.back(), (TUnitRec{"s", -1}));

    EXPECT_TRUE(ParseUnits(hundred + " t", entries, messages));
    EXPECT_EQ(messages, std::vector<std::string>{"Input string has too many tokens."});
    EXPECT_EQ(entries.size(), 50u);
    EXPECT_EQ(entries.back(), (TUnitRec{"s", -1}));
}

TEST(ParseUnits, HugeInputsEndQuickly) {
    const std::string megabyte(1 << 20, 'a');
    TMessages messages;
    Entries entries;
    EXPECT_TRUE(ParseUnits(megabyte, entries, messages));
    EXPECT_EQ(entries, (Entries{{std::string(20, 'a'), 1}}));

    // A megabyte of digits is one number too large to read: not a token of the notation.
    EXPECT_TRUE(ParseUnits("m/" + std::string(1 << 20, '7'), entries, messages));
    EXPECT_EQ(entries, (Entries{{"m", 1}}));

    EXPECT_FALSE(ParseUnits("m^" + std::string(1 << 20, '7'), entries, messages));
    EXPECT_EQ(messages, std::vector<std::string>{"Wrong degree number."});

    EXPECT_TRUE(ParseUnits("1" + std::string(1 << 20, '\t') + "/s", entries, messages));
    EXPECT_EQ(entries, (Entries{{"s", -1}}));

    std::string blanksAndTabs;
    for (int i = 0; i < 1 << 18; ++i)
        blanksAndTabs += "1\t  ";
    messages.clear();
    EXPECT_FALSE(ParseUnits(blanksAndTabs, entries, messages));
    EXPECT_EQ(messages, (std::vector<std::string>{"Input string has too many tokens.",
                                                  "Wrong units format."}));
}

TEST(ParseUnits, DegreeSignIsALetterOnlyWhileParsing) {
    std::vector<TTokenRec> tokens;
    Entries entries;
    TMessages messages;
    ASSERT_TRUE(ParseUnits("\u00B0C", entries, messages));
    ASSERT_EQ(SplitTokens("\u00B0C", tokens, messages), 2);
    EXPECT_EQ(tokens[0].TokenKind, tkOther);
    EXPECT_EQ(tokens[1].TokenText, "C");
}

struct TokenRow {
    const char* name;
    std::string text;
    std::vector<TTokenRec> tokens;
};

TTokenRec Tok(int start, const std::string& text, int length, TTokenKind kind, double value = 0) {
    return {start, length, text, value, kind};
}

TEST(SplitTokens, TokensOfATable) {
    const TokenRow rows[] = {
        {"empty", "", {}},
        {"blanks only", "  ", {}},
        {"two blanks join words", "m  s", {Tok(1, "ms", 2, tkWord)}},
        {"number with exponent",
         " 12.5e-3 kg",
         {Tok(2, "12.5e-3", 7, tkNumber, 0.0125), Tok(10, "kg", 2, tkWord)}},
        {"exponent without digit ends the number",
         "1E",
         {Tok(1, "1", 1, tkNumber, 1), Tok(2, "E", 1, tkWord)}},
        {"exponent with sign", "2E+2x", {Tok(1, "2E+2", 4, tkNumber, 200), Tok(5, "x", 1, tkWord)}},
        {"second point starts a number",
         "2.5.3",
         {Tok(1, "2.5", 3, tkNumber, 2.5), Tok(4, ".3", 2, tkNumber, 0.3)}},
        {"point before a letter is an operator",
         "m.s",
         {Tok(1, "m", 1, tkWord), Tok(2, ".", 1, tkOperator), Tok(3, "s", 1, tkWord)}},
        {"minus is an operator", "-2", {Tok(1, "-", 1, tkOperator), Tok(2, "2", 1, tkNumber, 2)}},
        {"positions count characters",
         "\u00B5m\u00B2",
         {Tok(1, "\u00B5", 1, tkOther), Tok(2, "m", 1, tkWord), Tok(3, "\u00B2", 1, tkOperator)}},
        {"long word is cut to 20",
         "abcdefghijklmnopqrstuvwxyz s",
         {Tok(1, "abcdefghijklmnopqrst", 20, tkWord), Tok(28, "s", 1, tkWord)}},
        {"number too large to read", "1E999", {Tok(1, "1E999", 5, tkOther)}},
        {"stray byte is read as its character", "\xB0", {Tok(1, "\u00B0", 1, tkOther)}},
    };
    for (const TokenRow& row : rows) {
        std::vector<TTokenRec> tokens;
        TMessages messages;
        EXPECT_EQ(SplitTokens(row.text, tokens, messages), static_cast<int>(row.tokens.size()))
            << row.name;
        ASSERT_EQ(tokens.size(), row.tokens.size()) << row.name;
        for (size_t i = 0; i < tokens.size(); ++i) {
            const TTokenRec& got = tokens[i];
            const TTokenRec& want = row.tokens[i];
            EXPECT_EQ(got.StartPos, want.StartPos) << row.name << " #" << i + 1;
            EXPECT_EQ(got.TokenLength, want.TokenLength) << row.name << " #" << i + 1;
            EXPECT_EQ(got.TokenText, want.TokenText) << row.name << " #" << i + 1;
            EXPECT_EQ(got.TokenKind, want.TokenKind) << row.name << " #" << i + 1;
            EXPECT_DOUBLE_EQ(got.TokenValue, want.TokenValue) << row.name << " #" << i + 1;
        }
    }
}

TEST(UnitListToText, WritesTheNotation) {
    const struct {
        const char* name;
        Entries list;
        std::string text;
    } rows[] = {
        {"product and quotient", {{"kg", 1}, {"m", 2}, {"s", -2}}, "kg.m^2/s^2"},
        {"denominator only", {{"s", -1}}, "1/s"},
        {"denominator only, two factors", {{"s", -1}, {"m", -3}}, "1/s.m^3"},
        {"repeated symbols are not merged", {{"m", 1}, {"m", 2}}, "m.m^2"},
        {"order: numerator first", {{"s", -1}, {"m", 1}}, "m/s"},
        {"degree zero is left out", {{"m", 0}, {"s", -1}, {"kg", 1}}, "kg/s"},
        {"all degrees zero", {{"m", 0}, {"s", 0}}, ""},
        {"empty", {}, ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(UnitListToText(row.list), row.text) << row.name;
}

TEST(UnitListToText, ParsedNotationWritesBackUnchanged) {
    // m^2 e0 found by fuzzing: with a dot, 2.e0 read as one number.
    for (const char* text :
         {"kg.m^2/s^2", "1/s", "m", "\u00B0C/h", "mol/m^3.s", "m^2 e0.E", "1/s^3 E1"}) {
        Entries entries;
        TMessages messages;
        ASSERT_TRUE(ParseUnits(text, entries, messages)) << text;
        EXPECT_EQ(UnitListToText(entries), text);
    }
}

TEST(BaseExponentsToText, WritesTheBaseUnits) {
    EXPECT_EQ(BaseExponentsToText({0, 0, 0, 0, 0, 0, 0}), "1");
    EXPECT_EQ(BaseExponentsToText({1, 0, -2, 0, 0, 0, 0}), "m/s^2");
    EXPECT_EQ(BaseExponentsToText({2, 1, -3, -1, 0, 0, 0}), "m^2.kg/s^3.A");
    EXPECT_EQ(BaseExponentsToText({0, 0, 0, 0, -1, 1, 1}), "mol.cd/K");
}

TEST(StrToUnitRec, ReadsSymbolAndDegree) {
    const struct {
        std::string text;
        TUnitRec rec;
    } rows[] = {
        {"m^2", {"m", 2}},  {"m=-1", {"m", -1}},         {"m^x", {"m", 1}},     {"km", {"km", 1}},
        {"m=+3", {"m", 3}}, {"m=+-3", {"m", 1}},         {"a^b=4", {"a^b", 4}}, {"m =2", {"m ", 2}},
        {"m=2 ", {"m", 1}}, {"m=99999999999", {"m", 1}}, {"=5", {"", 5}},       {"", {"", 1}},
    };
    for (const auto& row : rows)
        EXPECT_EQ(StrToUnitRec(row.text), row.rec) << row.text;
}

TEST(StrToUnitRec, ReadsWhatUnitRecToLineWrites) {
    for (const TUnitRec& rec : {TUnitRec{"m", 2}, TUnitRec{"\u00B0C", -1}, TUnitRec{"s", 0}}) {
        EXPECT_EQ(StrToUnitRec(UnitRecToLine(rec)), rec);
    }
    EXPECT_EQ(UnitRecToLine({"kg", -3}), "kg=-3");
}

} // namespace
} // namespace varnel
