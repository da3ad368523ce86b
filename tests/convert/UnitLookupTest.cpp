#include "convert/Convert.h"

#include "common/TextFile.h"
#include "common/TextUtil.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace varnel {
namespace {

// Every symbol of the data and some texts that are none, in the forms a
// caller may ask for them.
std::vector<std::string> QueriesFor(const TConvert& engine) {
    std::vector<std::string> queries = {"", " ", "xyz", "M", "KM", "m ", " m", "\tkm\t", "m^2"};
    for (const TUnit* unit : engine.AllUnits()) {
        const std::string symbol = unit->Symbol();
        queries.insert(queries.end(),
                       {symbol, " " + symbol + " ", symbol + "x", UpperCase(symbol)});
    }
    return queries;
}

void ExpectSameAsLinearSearch(const TConvert& engine, const std::string& data) {
    for (const std::string& query : QueriesFor(engine)) {
        int linearCat = 0;
        int linearUnit = 0;
        int indexedCat = 0;
        int indexedUnit = 0;
        const bool linear = engine.FindUnit(query, linearCat, linearUnit);
        const bool indexed = engine.LookUpUnit(query, indexedCat, indexedUnit);
        EXPECT_EQ(indexed, linear) << data << ": '" << query << "'";
        EXPECT_EQ(indexedCat, linearCat) << data << ": '" << query << "'";
        EXPECT_EQ(indexedUnit, linearUnit) << data << ": '" << query << "'";
    }
}

TEST(UnitLookup, AnswersAsTheLinearSearch) {
    std::vector<std::filesystem::path> files = {test::FixturePath("convert_basic.unt"),
                                                test::FixturePath("convert_rules.unt"),
                                                test::FixturePath("units_model.unt")};
    if (std::filesystem::exists(test::ShippedDataPath("Varnel.unt")))
        files.push_back(test::ShippedDataPath("Varnel.unt"));
    for (const auto& file : files) {
        TConvert engine;
        engine.LoadFromText(ReadTextFile(file));
        ExpectSameAsLinearSearch(engine, file.filename().string());
    }
}

TEST(UnitLookup, SymbolsRepeatedAcrossCategoriesFindTheFirst) {
    TConvert engine;
    engine.LoadFromText(ReadTextFile(test::FixturePath("convert_lookup.unt")));
    ExpectSameAsLinearSearch(engine, "convert_lookup.unt");
    int cat = -1;
    int unit = -1;
    ASSERT_TRUE(engine.LookUpUnit("x", cat, unit));
    EXPECT_EQ(engine.Cats(cat)->Name(), "First");
    EXPECT_EQ(unit, 1);
    EXPECT_FALSE(engine.LookUpUnit("off", cat, unit));
    EXPECT_EQ(cat, -1);
    EXPECT_EQ(unit, -1);
}

TEST(UnitLookup, FollowsAReload) {
    TConvert engine;
    engine.LoadFromText(ReadTextFile(test::FixturePath("convert_basic.unt")));
    int cat = -1;
    int unit = -1;
    ASSERT_TRUE(engine.LookUpUnit("km", cat, unit));
    engine.LoadFromText(ReadTextFile(test::FixturePath("convert_rules.unt")));
    EXPECT_FALSE(engine.LookUpUnit("km", cat, unit));
    EXPECT_TRUE(engine.LookUpUnit("dbl", cat, unit));
    engine.Clear();
    EXPECT_FALSE(engine.LookUpUnit("dbl", cat, unit));
}

} // namespace
} // namespace varnel
