#include "convert/Convert.h"

#include "common/TextFile.h"
#include "common/TextUtil.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace varnel {
namespace {

// Units spread over all the data, at most about 120 of them: the linear
// search they are checked against takes long on large data.
std::vector<const TUnit*> SampleUnits(const TConvert& engine) {
    std::vector<const TUnit*> sample;
    const int step = std::max(1, engine.AllUnits().Count() / 120);
    for (int i = 0; i < engine.AllUnits().Count(); i += step)
        sample.push_back(engine.AllUnits()[i]);
    return sample;
}

// Symbols of the data and some texts that are none, in the forms a caller
// may ask for them.
std::vector<std::string> QueriesFor(const TConvert& engine) {
    std::vector<std::string> queries = {"", " ", "xyz", "M", "KM", "m ", " m", "\tkm\t", "m^2"};
    for (const TUnit* unit : SampleUnits(engine)) {
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

// Units data of any size that loads: root categories with factor units and a
// rule unit, supplemental ones over the root before them, compound ones over
// two roots; symbols repeat after 4,000 units and every 13th unit is off.
std::string GeneratedUnitsData(int unitCount) {
    std::string text = "<UnitsData><domain name=\"d\" enabled=\"1\">\n";
    int lastRoot = -1;
    int rootBefore = -1;
    for (int c = 0, made = 0; made < unitCount; ++c) {
        const bool sup = c % 5 == 4 && lastRoot >= 0;
        const bool comp = !sup && c % 7 == 6 && rootBefore >= 0;
        const std::string type = sup ? "sup" : comp ? "comp" : "root";
        text +=
            "<category name=\"c" + std::to_string(c) + "\" type=\"" + type + "\" enabled=\"1\">\n";
        for (int u = 0; u < 25 && made < unitCount; ++u, ++made) {
            std::string symbol = "u" + std::to_string(made % 4000);
            std::string rest = "type=\"factor\" factor=\"" + std::to_string(u + 1) + ".5\"";
            if (u == 0) {
                const std::string root = "r" + std::to_string(lastRoot);
                symbol = sup    ? root + "^2"
                         : comp ? "r" + std::to_string(rootBefore) + "/" + root
                                : "r" + std::to_string(c);
                rest = "type=\"si-unit\" in_base_units=\"m\"";
            } else if (u == 24 && type == "root") {
                rest = "type=\"rule\" rule_from=\"#*2\" rule_to=\"#/2\"";
            }
            text += "<unit name=\"n" + std::to_string(made) + "\" symbol=\"" + symbol +
                    "\" enabled=\"" + (u > 0 && made % 13 == 12 ? "0" : "1") + "\" " + rest +
                    " />\n";
        }
        text += "</category>\n";
        if (type == "root") {
            rootBefore = lastRoot;
            lastRoot = c;
        }
    }
    return text + "</domain></UnitsData>\n";
}

// Named units data texts: the fixtures, the shipped file and a generated one
// of 5,000 units.
std::vector<std::pair<std::string, std::string>> DataTexts() {
    std::vector<std::pair<std::string, std::string>> texts;
    for (const char* name : {"convert_basic.unt", "convert_rules.unt", "units_model.unt"})
        texts.emplace_back(name, ReadTextFile(test::FixturePath(name)));
    if (std::filesystem::exists(test::ShippedDataPath("Varnel.unt")))
        texts.emplace_back("Varnel.unt", ReadTextFile(test::ShippedDataPath("Varnel.unt")));
    texts.emplace_back("generated 5,000 units", GeneratedUnitsData(5000));
    return texts;
}

TEST(UnitLookup, AnswersAsTheLinearSearch) {
    for (const auto& [name, text] : DataTexts()) {
        TConvert engine;
        engine.LoadFromText(text);
        ExpectSameAsLinearSearch(engine, name);
    }
}

// What an engine makes of a quantity turned into core units, with its
// messages and errors.
std::string CoreOutcome(TConvert& engine, const std::string& quantity) {
    TMessages messages;
    std::string outcome;
    try {
        messages = engine.SetText(quantity);
        engine.AllToCore();
        outcome = engine.GetText();
    } catch (const std::exception& e) {
        outcome = std::string("error: ") + e.what();
    }
    for (const std::string& text : messages)
        outcome += " | " + text;
    return outcome;
}

// An engine reading another's model converts as one that parsed the text.
TEST(UnitLookup, SharedModelConvertsAsAnOwnLoad) {
    for (const auto& [name, text] : DataTexts()) {
        TConvert own;
        own.LoadFromText(text);
        TConvert first;
        first.LoadFromText(text);
        TConvert shared;
        shared.ShareModel(first);
        for (const std::string& query : QueriesFor(own)) {
            int ownCat = 0;
            int ownUnit = 0;
            int sharedCat = 0;
            int sharedUnit = 0;
            EXPECT_EQ(shared.LookUpUnit(query, sharedCat, sharedUnit),
                      own.LookUpUnit(query, ownCat, ownUnit))
                << name << ": '" << query << "'";
            EXPECT_EQ(std::pair(sharedCat, sharedUnit), std::pair(ownCat, ownUnit)) << query;
        }
        for (const TUnit* unit : SampleUnits(own)) {
            const std::string quantity = "2.5 [" + unit->Symbol() + "]";
            EXPECT_EQ(CoreOutcome(shared, quantity), CoreOutcome(own, quantity))
                << name << ": " << quantity;
        }
    }
}

TEST(UnitLookup, ALoadPartsASharedModel) {
    TConvert first;
    first.LoadFromText(ReadTextFile(test::FixturePath("convert_basic.unt")));
    TConvert second;
    second.ShareModel(first);
    int cat = -1;
    int unit = -1;
    first.LoadFromText(ReadTextFile(test::FixturePath("convert_rules.unt")));
    EXPECT_TRUE(second.LookUpUnit("km", cat, unit));
    EXPECT_FALSE(first.LookUpUnit("km", cat, unit));
    second.Clear();
    EXPECT_FALSE(second.LookUpUnit("km", cat, unit));
    EXPECT_TRUE(first.LookUpUnit("dbl", cat, unit));
    EXPECT_GT(first.CatCount(), 0);
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
