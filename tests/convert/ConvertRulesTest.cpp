#include "convert/Convert.h"
#include "convert/ConvertMath.h"

#include "common/FormatValue.h"
#include "common/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <memory>

namespace varnel {
namespace {

class ConvertRulesTest : public ::testing::Test {
protected:
    ConvertRulesTest() {
        target.SetKeepValue(false);
        AppendMessages(messages,
                       target.LoadFromText(ReadTextFile(test::FixturePath("convert_rules.unt"))));
    }

    // The value of `text` in the core unit.
    double InCore(const std::string& text) {
        AppendMessages(messages, target.SetText(text));
        EXPECT_TRUE(target.UnitsValid()) << text;
        target.AllToCore();
        return target.Number();
    }

    TConvert target;
    TMessages messages;
};

TEST_F(ConvertRulesTest, NumbersOfEverySignGoIntoTheRule) {
    const struct {
        const char* symbol;
        std::function<double(double)> rule;
    } rules[] = {
        {"sq", [](double x) { return x * x; }},
        {"neg", [](double x) { return -x; }},
        {"fahr", [](double x) { return (x - 32) / 1.8; }},
        {"cels", [](double x) { return x * 1.8 + 32; }},
    };
    const double values[] = {-40, -2, 0, 2, 1.5E-05, 9E-05, -9E-05, 1.2346E10, -1.2346E10};
    for (const auto& rule : rules) {
        for (double x : values) {
            const std::string text = FormatValue(x) + " [" + rule.symbol + "]";
            EXPECT_DOUBLE_EQ(InCore(text), rule.rule(x)) << text;
        }
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ConvertRulesTest, NegativeNumbersGoInBrackets) {
    EXPECT_EQ(RuleArgumentText(-2), "(-2)");
    EXPECT_EQ(RuleArgumentText(-1.5E-05), "(-1.5e-05)");
    EXPECT_EQ(RuleArgumentText(0.1), "0.1");
    EXPECT_EQ(RuleArgumentText(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(RuleArgumentText(2.5E+20), "2.5e+20");
    EXPECT_EQ(RuleArgumentText(2), "2");
    EXPECT_EQ(RuleArgumentText(0), "0");
    EXPECT_EQ(InCore("-40 [fahr]"), -40);
    EXPECT_EQ(InCore("-2 [sq]"), 4);
    EXPECT_EQ(InCore("-5 [neg]"), 5);
}

TEST_F(ConvertRulesTest, RuleFromConvertsOutOfTheCore) {
    AppendMessages(messages, target.SetText("-40 [u]"));
    target.Dims(0)->SetUnitIndex(target.Dims(0)->Units().IndexOfSymbol("fahr"));
    EXPECT_DOUBLE_EQ(target.Number(), -40);
    EXPECT_EQ(target.GetText(), "-40 [fahr]");
    target.Dims(0)->SetUnitIndex(target.Dims(0)->Units().IndexOfSymbol("cels"));
    EXPECT_DOUBLE_EQ(target.Number(), -40);
}

TEST_F(ConvertRulesTest, TheRuleSeesTheWholeNumberWhateverThePrecision) {
    auto previous = SetCurrentPrecision(4);
    EXPECT_EQ(InCore("1.23456 [neg]"), -1.23456);
    EXPECT_DOUBLE_EQ(InCore("1.23456 [dbl]"), 2.46912);
    SetCurrentPrecision(previous);
}

TEST_F(ConvertRulesTest, NoNumberGivesNaNWithoutEvaluating) {
    EXPECT_TRUE(std::isnan(InCore("[bad]")));
    EXPECT_TRUE(std::isnan(InCore("[fahr]")));
    EXPECT_TRUE(std::isnan(ApplyRule("#*/2", std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(std::isnan(ApplyRule("#^2", -std::numeric_limits<double>::infinity())));
    EXPECT_TRUE(messages.empty());
}

TEST_F(ConvertRulesTest, RuleErrorsReachTheCaller) {
    AppendMessages(messages, target.SetText("2 [bad]"));
    EXPECT_THROW(target.AllToCore(), Exception);
    EXPECT_EQ(target.GetText(), "2 [bad]");

    AppendMessages(messages, target.SetText("0 [inv]"));
    EXPECT_THROW(target.AllToCore(), EZeroDivide);

    // The step to the core unit is done before the failing rule.
    AppendMessages(messages, target.SetText("2 [sq]"));
    EXPECT_THROW(target.Dims(0)->SetUnitIndex(target.Dims(0)->Units().IndexOfSymbol("bad")),
                 Exception);
    EXPECT_EQ(target.GetText(), "4 [u]");
}

TEST_F(ConvertRulesTest, ConvertToAppliesBothRules) {
    AppendMessages(messages, target.SetText("-40 [fahr]"));
    ASSERT_TRUE(target.ConvertTo("cels", messages));
    EXPECT_DOUBLE_EQ(target.Number(), (-40 - 32) / 1.8);
    EXPECT_EQ(target.GetText(), "-40 [cels]");
}

} // namespace
} // namespace varnel
