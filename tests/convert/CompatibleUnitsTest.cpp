#include "convert/CompatibleUnits.h"

#include "common/FormatValue.h"
#include "convert/Convert.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

class CompatibleUnitsTest : public ::testing::Test {
protected:
    CompatibleUnitsTest() : units(test::ShippedDataPath("Varnel.unt")), compatible(units) {
        previousPrecision = SetCurrentPrecision(DefaultPrecision);
    }
    ~CompatibleUnitsTest() override { SetCurrentPrecision(previousPrecision); }

    TConvert units;
    TCompatibleUnits compatible;
    int previousPrecision = DefaultPrecision;
};

TEST_F(CompatibleUnitsTest, UnitsWithTheSameBaseUnitsConvert) {
    const struct {
        double number;
        const char* source;
        const char* target;
        const char* expected;
    } rows[] = {
        {1, "kW.h", "J", "3600000 [J]"},
        {14.7, "lbf/in^2", "kPa", "101.3529 [kPa]"},
        {1, "Btu/h", "W", "0.2930711 [W]"},
        {1, "N.m", "J", "1 [J]"},
        {30, "mi/gal", "km/L", "12.75431 [km/L]"},
        {1, "nmi/h", "km/h", "1.852 [km/h]"},
        {1, "J", "kg.m^2/s^2", "1 [kg.m^2/s^2]"},
        {2, "ha", "km^2", "0.02 [km^2]"},
        {1, "deg/s", "rad/s", "0.01745329 [rad/s]"},
        {0, "degC", "K", "273.15 [K]"},
        {373.15, "K", "degF", "212 [degF]"},
        {15, "kWh_100km", "Wh/mi", "241.4016 [Wh/mi]"},
        {1, "GeV_c2", "u", "1.073544 [u]"},
        {1, "g0", "ft/s^2", "32.17405 [ft/s^2]"},
        {2, "Mach", "km/h", "2450.117 [km/h]"},
        {1, "scfm", "slpm", "26.79113 [slpm]"},
        {1, "slpm", "kat", "0.0007435839 [kat]"},
        // A frequency counted in revolutions is an angular velocity too.
        {3000, "rpm", "rad/s", "314.1593 [rad/s]"},
        {1, "rad/s", "rpm", "9.549297 [rpm]"},
        {1, "rpm", "deg/s", "6 [deg/s]"},
        {1, "1/rpm", "s/rad", "9.549297 [s/rad]"},
    };
    for (const auto& row : rows) {
        const TCompatibleResult result = compatible.Convert(row.number, row.source, row.target);
        EXPECT_TRUE(result.Converted) << row.source << " " << result.Error;
        EXPECT_EQ(result.Text, row.expected) << row.source;
    }
}

TEST_F(CompatibleUnitsTest, DifferentBaseUnitsSayWhatEachSideIs) {
    const struct {
        const char* source;
        const char* target;
        const char* error;
        bool derived;
    } rows[] = {
        {"kW.h", "m/s", "Not compatible: kW.h is m^2.kg/s^2, m/s is m/s.", true},
        // An angle is a dimension of its own: a cycle is not a radian.
        {"Hz", "rad/s", "Not compatible: Hz is 1/s, rad/s is rad/s.", false},
        {"km", "h", "Not compatible: km is m, h is s.", false},
        {"pct", "rad", "Not compatible: pct is one, rad is rad.", false},
        // A standard litre is an amount of gas, not a volume.
        {"slpm", "L/min", "Not compatible: slpm is mol/s, L/min is m^3/s.", true},
    };
    for (const auto& row : rows) {
        const TCompatibleResult result = compatible.Convert(1, row.source, row.target);
        EXPECT_FALSE(result.Converted) << row.source;
        EXPECT_EQ(result.Error, row.error) << row.source;
        EXPECT_EQ(result.Derived, row.derived) << row.source;
    }
}

// Where a side has no base units the answer is left to the caller's own
// message, and the notation parser's complaints stay unshown.
TEST_F(CompatibleUnitsTest, NoBaseUnitsNoAnswer) {
    const char* const sides[][2] = {
        {"xyz", "m"}, {"m", "m/s/kg"}, {"degC/s", "K/s"}, {"degC^2", "K^2"}, {"", "m"},
    };
    for (const auto& side : sides) {
        const TCompatibleResult result = compatible.Convert(1, side[0], side[1]);
        EXPECT_FALSE(result.Converted) << side[0];
        EXPECT_EQ(result.Error, "") << side[0];
    }
}

} // namespace
} // namespace varnel
