// The units data file that ships with the converter: it must pass validation,
// load with every supplemental category linked, survive the editor's writer
// byte for byte, and not shrink unnoticed.

#include "common/TextFile.h"
#include "support/TestSupport.h"
#include "units/Cats.h"
#include "units/UnitNotation.h"
#include "units/UnitsDataWriter.h"
#include "units/Validation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>

namespace varnel {
namespace {

std::filesystem::path ShippedFile() {
    return test::ShippedDataPath("Varnel.unt");
}

// Where two file images part, as "line N" with both versions of that line.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
    size_t pos = 0;
    while (pos < expected.size() && pos < actual.size() && expected[pos] == actual[pos])
        ++pos;
    if (pos == expected.size() && pos == actual.size())
        return "";
    size_t lineStart = expected.rfind('\n', pos == 0 ? 0 : pos - 1);
    lineStart = lineStart == std::string::npos ? 0 : lineStart + 1;
    int line =
        1 + static_cast<int>(std::count(expected.begin(), expected.begin() + lineStart, '\n'));
    auto lineAt = [lineStart](const std::string& text) {
        return text.substr(lineStart, text.find('\n', lineStart) - lineStart);
    };
    return "line " + std::to_string(line) + ": shipped \"" + lineAt(expected) + "\", written \"" +
           lineAt(actual) + "\"";
}

TEST(ShippedDataTest, PassesValidationOfAllItsContent) {
    TCats cats(ShippedFile());
    TMessages messages = cats.LoadMessages();
    ASSERT_TRUE(cats.Root());

    TValidationErrors errors;
    ValidateUnitsData(cats.Root(), errors, false, messages);

    std::ostringstream report;
    for (size_t i = 0; i < errors.size() && i < 20; ++i)
        report << errors[i].Message << "\n";
    EXPECT_TRUE(errors.empty()) << errors.size() << " problems, the first:\n" << report.str();
    EXPECT_TRUE(messages.empty());
}

TEST(ShippedDataTest, LoadsWithEverySupplementalCategoryLinked) {
    TCats cats(ShippedFile());
    TMessages messages = cats.LoadMessages();
    ASSERT_GT(cats.CatCount(), 0);

    int supplemental = 0;
    std::map<std::pair<const TCat*, int>, std::string> powersOfRoots;
    for (int i = 0; i < cats.CatCount(); ++i) {
        const TCat* cat = cats.Cats(i);
        EXPECT_GE(cat->Units().IndexOfCore(), 0) << cat->Name() << " has no core unit";
        if (cat->Kind() != ckSup)
            continue;
        ++supplemental;
        const TCat* root = cat->RootCat();
        ASSERT_NE(root, nullptr) << cat->Name();
        EXPECT_EQ(root->Kind(), ckRoot) << cat->Name();
        EXPECT_NE(cat->Degree(), 0) << cat->Name();
        EXPECT_NE(std::find(root->SupCats().begin(), root->SupCats().end(), cat),
                  root->SupCats().end())
            << cat->Name() << " is not among the supplemental categories of " << root->Name();
        // A root with rules takes no exponent, so a power of it could never be used.
        EXPECT_FALSE(root->HasRuleUnits()) << cat->Name();
        // The engine attaches one supplemental category per power of a root.
        auto [other, added] =
            powersOfRoots.emplace(std::make_pair(root, std::abs(cat->Degree())), cat->Name());
        EXPECT_TRUE(added) << cat->Name() << " and " << other->second << " are the same power";
    }
    EXPECT_GE(supplemental, 4);
    EXPECT_TRUE(messages.empty());
}

TEST(ShippedDataTest, WritingItBackGivesTheSameBytes) {
    const std::string shipped = test::ReadBytes(ShippedFile());
    TCats cats(ShippedFile());
    ASSERT_TRUE(cats.Root());

    test::TempFolder folder;
    WriteXmlTextFile(UnitsDataText(cats.Root()), folder / "Varnel.unt");

    const std::string written = test::ReadBytes(folder / "Varnel.unt");
    EXPECT_EQ(FirstDifference(shipped, written), "");
    EXPECT_EQ(written.size(), shipped.size());
}

TEST(ShippedDataTest, HoldsEnoughDomainsCategoriesAndUnits) {
    TCats cats(ShippedFile());
    ASSERT_TRUE(cats.Root());

    int domains = 0;
    for (TXMLDomainType domain : cats.Root().Domains()) {
        if (domain.Enabled() == 0)
            continue;
        ++domains;
        // The comment is the caption of the domain's button.
        EXPECT_FALSE(domain.Comment().empty()) << domain.Name();
        EXPECT_LE(domain.Comment().size(), 8u) << domain.Name();
    }
    EXPECT_GE(domains, 8);
    EXPECT_GE(cats.CatCount(), 80);
    EXPECT_GE(cats.AllUnits().Count(), 1200);
}

TEST(ShippedDataTest, EveryUnitSaysWhatItIs) {
    TCats cats(ShippedFile());
    ASSERT_GT(cats.AllUnits().Count(), 0);
    for (const TUnit* unit : cats.AllUnits()) {
        EXPECT_FALSE(unit->Comment().empty()) << unit->Name();
        EXPECT_FALSE(unit->Node().Kw().empty()) << unit->Name();
    }
}

// The pages find a unit again by the symbol the engine writes, so every
// symbol must be a notation that reads back exactly as it is stored: no
// character the notation drops, no token longer than it keeps.
TEST(ShippedDataTest, EverySymbolReadsBackAsWrittenInUnitNotation) {
    TCats cats(ShippedFile());
    TMessages messages = cats.LoadMessages();
    ASSERT_GT(cats.AllUnits().Count(), 0);
    for (const TUnit* unit : cats.AllUnits()) {
        const std::string symbol = unit->Symbol();
        TUnitEntries entries;
        EXPECT_TRUE(ParseUnits(symbol, entries, messages)) << symbol;
        EXPECT_FALSE(entries.empty()) << symbol;
        EXPECT_EQ(UnitListToText(entries), symbol) << unit->Name();
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace varnel
