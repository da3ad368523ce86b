#include "units/UnitSearch.h"

#include "support/TestSupport.h"
#include "units/Cats.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace varnel {
namespace {

TEST(UnitSearch, FoldsCaseAndAccents) {
    const char* const rows[][2] = {
        {"\u00C5ngstr\u00F6m", "angstrom"},
        {"\u00B5m", "um"},
        {"\u03BCm", "um"},
        {"k\u03A9", "kohm"},
        {"Stra\u00DFe", "strasse"},
        {"\u00B0C", "\u00B0c"},
        {"BTU", "btu"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(FoldForSearch(row[0]), row[1]) << row[0];
}

std::vector<std::string> FoundSymbols(const TCats& cats, const std::string& word) {
    std::vector<std::string> symbols;
    for (const TUnitMatch& match : SearchUnits(cats, word))
        symbols.push_back(cats.Cats(match.CatIndex)->Units()[match.UnitIndex]->Symbol());
    return symbols;
}

TEST(UnitSearch, FindsByNameSymbolAliasKeywordAndCategory) {
    const TCats cats(test::ShippedDataPath("Varnel.unt"));
    const struct {
        const char* word;
        const char* found;
    } rows[] = {
        {"ANGSTR\u00D6M", "Ang"},    {"btu", "Btu"},    {"\u00B0C", "degC"},
        {" Imperial ", "gal_UK"},    {"\u00B5m", "um"}, {"thermal unit", "Btu_th"},
        {"fuel consumption", "mpg"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> found = FoundSymbols(cats, row.word);
        EXPECT_NE(std::find(found.begin(), found.end(), row.found), found.end()) << row.word;
    }
    EXPECT_TRUE(FoundSymbols(cats, "xyzzy").empty());
    // A keyword matches whole, not in part.
    const std::vector<std::string> cooking = FoundSymbols(cats, "cooking");
    const std::vector<std::string> cookin = FoundSymbols(cats, "cookin");
    EXPECT_NE(std::find(cooking.begin(), cooking.end(), "gal"), cooking.end());
    EXPECT_EQ(std::find(cookin.begin(), cookin.end(), "gal"), cookin.end());
}

TEST(UnitSearch, VariantsAreUnitsOfTheSameNameOrKnownToBeConfused) {
    const TCats cats(test::ShippedDataPath("Varnel.unt"));
    const struct {
        const char* symbol;
        const char* variant;
    } rows[] = {{"oz", "ozt"},     {"Btu", "Btu_th"}, {"cal", "Cal"},  {"hp", "hp_E"},
                {"gal", "gal_UK"}, {"hp", "PS"},      {"Cal", "kcal"}, {"ton", "t"},
                {"pt", "pt_UK"},   {"yr", "yr_366"},  {"Nm", "N.m"},   {"N.m", "nmi"},
                {"Gb", "Gbit"},    {"kt", "nmi/h"},   {"kt", "ktTNT"}, {"RT", "TR"},
                {"oz", "floz"}};
    for (const auto& row : rows) {
        int cat = -1, unit = -1;
        ASSERT_TRUE(cats.FindUnit(row.symbol, cat, unit)) << row.symbol;
        std::vector<std::string> variants;
        for (const TUnit* variant : VariantsOf(cats, *cats.Cats(cat)->Units()[unit]))
            variants.push_back(variant->Symbol());
        EXPECT_NE(std::find(variants.begin(), variants.end(), row.variant), variants.end())
            << row.symbol;
        EXPECT_EQ(std::find(variants.begin(), variants.end(), row.symbol), variants.end());
    }
}

TEST(UnitSearch, ASymbolOrAliasTypedWholeWinsOverLettersInAName) {
    const TCats cats(test::ShippedDataPath("Varnel.unt"));
    const struct {
        const char* word;
        const char* category;
        const char* unit;
    } rows[] = {{"mph", "Speed", "mi/h"}, {"mph", "Volume", "amphora"}, {"kilom", "Length", "km"}};
    for (const auto& row : rows) {
        const TCat& cat = *cats.Cats(cats.IndexOfCat(row.category));
        const int unit = SearchedUnitIndex(cat, row.word);
        ASSERT_GE(unit, 0) << row.word;
        EXPECT_EQ(cat.Units()[unit]->Symbol(), row.unit) << row.word;
    }
    EXPECT_TRUE(CategoryNamesUnit(cats.Cats(cats.IndexOfCat("Speed"))->Node(), "mph"));
    EXPECT_FALSE(CategoryNamesUnit(cats.Cats(cats.IndexOfCat("Volume"))->Node(), "mph"));
}

TEST(UnitSearch, VariantNoteNamesTheOthersOrNothing) {
    const TCats cats(test::ShippedDataPath("Varnel.unt"));
    int cat = -1, unit = -1;
    ASSERT_TRUE(cats.FindUnit("RT", cat, unit));
    EXPECT_EQ(VariantNote(cats, *cats.Cats(cat)->Units()[unit]).rfind("not to be taken for ", 0),
              0u);
    EXPECT_NE(VariantNote(cats, *cats.Cats(cat)->Units()[unit]).find("ton of refrigeration [TR]"),
              std::string::npos);
    ASSERT_TRUE(cats.FindUnit("m", cat, unit));
    EXPECT_EQ(VariantNote(cats, *cats.Cats(cat)->Units()[unit]), "");
}

} // namespace
} // namespace varnel
