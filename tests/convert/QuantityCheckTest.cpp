#include "convert/QuantityCheck.h"

#include "common/TextFile.h"
#include "convert/Convert.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

struct TCheckRow {
    const char* Name;
    const char* Quantity;
    const char* Problem;
};

TEST(QuantityCheckTest, SaysWhyATypedQuantityCannotConvert) {
    TConvert engine;
    engine.LoadFromText(ReadTextFile(test::FixturePath("convert_basic.unt")));
    const TCheckRow rows[] = {
        {"number and units", "36 [km/h]", ""},
        {"units only", " [m]", ""},
        {"number only", "2.5", ""},
        {"expression", "5*12+11 [cm]", ""},
        {"blanks group thousands", "1 000 [m]", ""},
        {"no brackets", "36 km/h",
         "Write the units of the quantity in brackets, for example 36 [km/h]."},
        {"unknown unit", "1 [fathom]", "Unknown unit fathom at character 4."},
        {"unknown second unit", "1 [m/xyz]", "Unknown unit xyz at character 6."},
        {"text after bracket", "5 [m] 11 [cm]", "Text after the closing bracket: 11 [cm]"},
        {"no closing bracket", "5 [m", "The closing bracket ] is missing."},
        {"decimal comma", "2,5 [m]", "Not a number: 2,5."},
        {"a variable is no number", "x [m]", "Not a number: x."},
        {"division by zero", "1/0 [m]", "1/0: Floating point division by zero"},
        {"two slashes", "1 [m/s/h]", "Only one \"/\" is allowed."},
    };
    for (const TCheckRow& row : rows) {
        std::string problem = QuantityProblem(row.Quantity);
        if (problem.empty())
            problem = UnknownUnitProblem(row.Quantity, engine);
        EXPECT_EQ(problem, row.Problem) << row.Name;
    }
}

TEST(QuantityCheckTest, ExpressionsGiveTheirValue) {
    EXPECT_DOUBLE_EQ(ReadTypedValue("5*12+11").Value, 71);
    EXPECT_DOUBLE_EQ(ReadTypedValue("1/4").Value, 0.25);
    EXPECT_DOUBLE_EQ(ReadTypedValue("sqrt(16)").Value, 4);
    EXPECT_DOUBLE_EQ(ReadTypedValue("2.5E3").Value, 2500);
    EXPECT_FALSE(ReadTypedValue("5+").Ok);
}

} // namespace
} // namespace varnel
