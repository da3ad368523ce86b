#include "common/FormatValue.h"
#include "common/NumberSyntax.h"
#include "common/TextUtil.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace varnel {
namespace {

TEST(NumberSyntax, AcceptsTheDocumentedForms) {
    struct Row {
        const char* text;
        double value;
    } rows[] = {{"5", 5},  {"5.", 5},         {".5", 0.5},     {".", 0},
                {"E5", 0}, {"-2.5e3", -2500}, {"+1E-2", 0.01}, {"1e+2", 100},
                {"-.", 0}, {"007", 7},        {"1E-400", 0},   {"0.1", 0.1}};
    for (const Row& row : rows) {
        double value = -1;
        ASSERT_EQ(ReadNumber(row.text, value), NumberRead::Ok) << row.text;
        EXPECT_EQ(value, row.value) << row.text;
    }
}

TEST(NumberSyntax, RefusesWhatIsNotANumber) {
    for (const char* text : {"", "+", "-", "1E", "1.2.3", "1e+", " 1", "1 ", "1,5", "x", "1x",
                             "--1", "E", "0x10", "inf", "nan"}) {
        double value = 0;
        EXPECT_EQ(ReadNumber(text, value), NumberRead::NotANumber) << text;
        EXPECT_FALSE(IsNumberText(text)) << text;
    }
}

TEST(NumberSyntax, TooLargeForADoubleIsAnOverflow) {
    double value = 0;
    EXPECT_EQ(ReadNumber("1E400", value), NumberRead::Overflow);
    EXPECT_EQ(ReadNumber("-123456789E999999999999999999", value), NumberRead::Overflow);
    EXPECT_EQ(ReadNumber("0.0000001E-99999999999999", value), NumberRead::Ok);
    EXPECT_EQ(value, 0);
}

TEST(FormatValue, GeneralFormatWithSignificantDigits) {
    struct Row {
        double x;
        int prec;
        const char* text;
    } rows[] = {{10, 7, "10"},
                {0.5, 7, "0.5"},
                {9e-5, 7, "9E-05"},
                {123456, 5, "1.2346E05"},
                {0.0001, 7, "0.0001"},
                {1234567, 7, "1234567"},
                {12345678, 7, "1.234568E07"},
                {-2.5, 7, "-2.5"},
                {1.0 / 3, 7, "0.3333333"},
                {0, 7, "0"},
                {1e100, 7, "1E100"},
                {-1.5e-7, 3, "-1.5E-07"},
                {99999.99, 4, "1E05"},
                {1.23456, 4, "1.235"},
                {0.1, 18, "0.100000000000000006"},
                {2, 1, "2"},
                {123.456, 1, "1.2E02"},
                {36000, 7, "36000"}};
    for (const Row& row : rows)
        EXPECT_EQ(FormatValue(row.x, row.prec), row.text) << row.x << " / " << row.prec;
}

TEST(FormatValue, SpecialValues) {
    EXPECT_EQ(FormatValue(std::numeric_limits<double>::quiet_NaN(), 7), "NAN");
    EXPECT_EQ(FormatValue(std::numeric_limits<double>::infinity(), 7), "INF");
    EXPECT_EQ(FormatValue(-std::numeric_limits<double>::infinity(), 7), "-INF");
}

TEST(FormatValue, PrecisionIsThePushedOne) {
    EXPECT_EQ(FormatValue(1.0 / 3), "0.3333333");
    auto previous = SetCurrentPrecision(3);
    EXPECT_EQ(FormatValue(1.0 / 3), "0.333");
    SetCurrentPrecision(previous);
}

TEST(Brackets, NumberBeforeBracket) {
    EXPECT_EQ(NumberBeforeBracket(" 12.5 [km/h]"), 12.5);
    EXPECT_EQ(NumberBeforeBracket("7"), 7);
    EXPECT_TRUE(std::isnan(NumberBeforeBracket("[m]")));
    EXPECT_TRUE(std::isnan(NumberBeforeBracket("abc [m]")));
}

TEST(Brackets, TextInBrackets) {
    std::string text = "12 [km/h] x";
    EXPECT_TRUE(TextInBrackets(text));
    EXPECT_EQ(text, "km/h");
    text = "12 ]m[";
    EXPECT_FALSE(TextInBrackets(text));
    EXPECT_EQ(text, "");
    text = "12 [m";
    EXPECT_FALSE(TextInBrackets(text));
    text = "[]";
    EXPECT_TRUE(TextInBrackets(text));
    EXPECT_EQ(text, "");
}

TEST(TextUtil, IndexOfTextAndCommaText) {
    constexpr std::string_view table[] = {"root", "sup", "comp"};
    EXPECT_EQ(IndexOfText("SUP", table), 1);
    EXPECT_EQ(IndexOfText("sup ", table), -1);
    EXPECT_EQ(SplitCommaText("a, b  c,\"d e\",\"x\"\"y\""),
              (std::vector<std::string>{"a", "b", "c", "d e", "x\"y"}));
    EXPECT_EQ(JoinCommaText({"a", "d e", "x\"y"}), "a,\"d e\",\"x\"\"y\"");
    EXPECT_EQ(Trim("\t a b \r\n"), "a b");
}

} // namespace
} // namespace varnel
