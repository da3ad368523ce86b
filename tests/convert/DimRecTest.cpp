#include "convert/DimRec.h"

#include "common/AbbrevList.h"
#include "common/FormatValue.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnel {
namespace {

using Factors = std::vector<TUnitRec>;

TDimRec Rec(double number, const std::string& numberText, Factors factors) {
    return {number, numberText, std::move(factors)};
}

TEST(StrToDimRec, ReadsNumberTextAndFactors) {
    TDimRec rec;
    TMessages messages;
    StrToDimRec(" 12.5 [km/h]", rec, messages);
    EXPECT_EQ(rec.Number, 12.5);
    EXPECT_EQ(rec.NumberText, "12.5");
    EXPECT_EQ(rec.Factors, (Factors{{"km", 1}, {"h", -1}}));

    StrToDimRec("[m]", rec, messages);
    EXPECT_TRUE(std::isnan(rec.Number));
    EXPECT_EQ(rec.NumberText, "");
    EXPECT_EQ(rec.Factors, (Factors{{"m", 1}}));
    EXPECT_EQ(DimRecToText(rec), " [m]");

    StrToDimRec("abc", rec, messages);
    EXPECT_TRUE(std::isnan(rec.Number));
    EXPECT_EQ(rec.NumberText, "abc");
}

TEST(StrToDimRec, RefusedUnitsLeaveTheFactors) {
    const struct {
        const char* name;
        const char* text;
        std::vector<std::string> messages;
    } rows[] = {
        {"no brackets", "5", {}},
        {"no closing bracket", "5 [m", {}},
        {"refused notation", "5 [m/s/kg]", {"Only one \"/\" is allowed."}},
    };
    for (const auto& row : rows) {
        TMessages messages;
        TDimRec rec = Rec(1, "1", {{"kg", 1}});
        StrToDimRec(row.text, rec, messages);
        EXPECT_EQ(rec.Number, 5) << row.name;
        EXPECT_EQ(rec.Factors, (Factors{{"kg", 1}})) << row.name;
        EXPECT_EQ(messages, row.messages) << row.name;
    }
}

TEST(DimRecToText, WritesNumberAndUnits) {
    const struct {
        const char* name;
        TDimRec rec;
        std::string text;
    } rows[] = {
        {"number text wins", Rec(2, "2.000", {{"m", 2}, {"s", -1}}), "2.000 [m^2/s]"},
        {"formatted number", Rec(1.0 / 3, "", {{"m", 1}}), "0.3333333 [m]"},
        {"no number", Rec(NAN, "", {{"m", 1}}), " [m]"},
        {"degree zero dropped", Rec(1, "1", {{"m", 0}, {"kg", 1}}), "1 [kg]"},
        {"no factors", Rec(7, "7", {}), "7 []"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(DimRecToText(row.rec), row.text) << row.name;
}

TEST(DimAlgebra, AddFactor) {
    TDimRec rec = Rec(3, "3", {{"m", 1}, {"s", -1}});
    rec = DimAddFactor(rec, {"s", 1});
    EXPECT_EQ(rec.Factors, (Factors{{"m", 1}, {"s", 0}}));
    rec = DimAddFactor(rec, {"kg", 1});
    EXPECT_EQ(rec.Factors, (Factors{{"m", 1}, {"kg", 1}}));
    rec = DimAddFactor(rec, {"M", 2});
    EXPECT_EQ(rec.Factors, (Factors{{"m", 1}, {"kg", 1}, {"M", 2}}));
    EXPECT_EQ(rec.Number, 3);
    EXPECT_EQ(rec.NumberText, "3");
}

TEST(DimAlgebra, MultiplyAndPower) {
    const TDimRec a = Rec(2, "2", {{"m", 1}, {"s", -1}});
    const TDimRec b = Rec(5, "5", {{"s", 1}, {"kg", 1}, {"m", 1}});
    TDimRec product = DimMultiply(a, b);
    EXPECT_EQ(product.Number, 2);
    EXPECT_EQ(product.NumberText, "2");
    EXPECT_EQ(product.Factors, (Factors{{"m", 2}, {"kg", 1}}));
    EXPECT_EQ(DimRecToText(product), "2 [m^2.kg]");

    TDimRec cube = DimPower(a, 3);
    EXPECT_EQ(cube.Factors, (Factors{{"m", 3}, {"s", -3}}));
    EXPECT_EQ(DimPower(a, -1).Factors, (Factors{{"m", -1}, {"s", 1}}));
    TDimRec none = DimPower(a, 0);
    EXPECT_TRUE(none.Factors.empty());
    EXPECT_EQ(none.NumberText, "2");
}

TEST(DimAlgebra, HugeDegreesDoNotWrapAround) {
    TDimRec rec = Rec(1, "1", {{"m", 2147483647}});
    EXPECT_EQ(DimAddFactor(rec, {"m", 1}).Factors[0].Degree, 2147483647);
    EXPECT_EQ(DimPower(rec, -2).Factors[0].Degree, -2147483647 - 1);
}

class AbbrevsTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetAbbrevList({{"kmh", "km/h"}, {"sec", "s"}, {"sek", "s"}, {"mtr", "m"}, {"mtr", "M"}});
    }
    void TearDown() override { SetAbbrevList({}); }
    TMessages messages;
};

TEST_F(AbbrevsTest, ApplyRewritesNamesToValues) {
    EXPECT_EQ(ApplyAbbrevs("5 [mtr/sec]", messages), "5 [m/s]");
    EXPECT_EQ(ApplyAbbrevs("5 [Mtr/sec^2]", messages), "5 [Mtr/s^2]");
    EXPECT_EQ(ApplyAbbrevs("1 [kmh]", messages), "1 [km/h]");
}

TEST_F(AbbrevsTest, RevertRewritesValuesToTheFirstName) {
    EXPECT_EQ(RevertAbbrevs("5 [m/s]", messages), "5 [mtr/sec]");
    EXPECT_EQ(RevertAbbrevs("5 [M]", messages), "5 [mtr]");
    EXPECT_EQ(RevertAbbrevs("2 [kg]", messages), "2 [kg]");
}

TEST(Abbrevs, WithoutAListOnlyTheFormChanges) {
    SetAbbrevList({});
    TMessages messages;
    EXPECT_EQ(ApplyAbbrevs("5 [s^-1]", messages), "5 []");
    EXPECT_EQ(messages, std::vector<std::string>{"Wrong degree number."});
    EXPECT_EQ(ApplyAbbrevs("  5   [m*s / kg]", messages), "5 [m.s/kg]");
    EXPECT_EQ(RevertAbbrevs("[m\u00B2]", messages), " [m^2]");
    EXPECT_EQ(RevertAbbrevs("abc", messages), "abc []");
}

} // namespace
} // namespace varnel
