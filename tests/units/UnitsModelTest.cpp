#include "support/TestSupport.h"
#include "units/Cats.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnel {
namespace {

std::string UnitElement(const std::string& name, const std::string& type, const std::string& symbol,
                        const std::string& extra = "") {
    return "<unit name=\"" + name + "\" type=\"" + type + "\" enabled=\"1\" symbol=\"" + symbol +
           "\" " + extra + "/>";
}

std::string CategoryElement(const std::string& name, const std::string& type,
                            const std::string& units, const std::string& enabled = "1") {
    return "<category name=\"" + name + "\" type=\"" + type + "\" enabled=\"" + enabled + "\">" +
           units + "</category>";
}

std::string Document(const std::string& categories) {
    return "<UnitsData><description version=\"1.00\"/><domain name=\"d\" enabled=\"1\">" +
           categories + "</domain></UnitsData>";
}

const std::string LengthCategory =
    CategoryElement("Length", "root",
                    UnitElement("metre", "si-unit", "m") +
                        UnitElement("kilometre", "factor", "km", "factor=\"1000\""));
const std::string TimeCategory =
    CategoryElement("Time", "root", UnitElement("second", "si-unit", "s"));

class UnitsModel : public ::testing::Test {
protected:
    TMessages messages;
};

TEST_F(UnitsModel, LoadsEnabledCategoriesAndUnitsInDocumentOrder) {
    TCats cats(test::FixturePath("units_model.unt"));
    AppendMessages(messages, cats.LoadMessages());
    std::string names;
    for (int i = 0; i < cats.CatCount(); ++i)
        names += cats.Cats(i)->Name() + ",";
    EXPECT_EQ(names, "Length,Time,Temperature,Area,Frequency,Speed,Volume,Energy,");
    EXPECT_EQ(cats.Cats(8), nullptr);
    EXPECT_EQ(cats.Cats(-1), nullptr);

    const TUnitList& length = cats.Cats(0)->Units();
    EXPECT_EQ(length.SymbolList({ukCore, ukFactor, ukRule}, false),
              (std::vector<std::string>{"m", "km", "mi", "international_foot", "Å", "µm"}));
    EXPECT_EQ(cats.AllUnits().Count(), 6 + 3 + 2 + 2 + 2 + 2 + 2 + 2);
    EXPECT_EQ(cats.AllUnits()[6]->Name(), "second");
    EXPECT_EQ(cats.AllUnits()[6]->Cat(), cats.Cats(1));
    EXPECT_TRUE(messages.empty());
}

TEST_F(UnitsModel, FactorReadsDecimalNumbersOnly) {
    struct Row {
        const char* name;
        const char* factor;
        double value; // NaN: not a number
    };
    const double nan = std::nan("");
    const Row rows[] = {
        {"exponent", "1e3", 1000},  {"leading blank", " 2", 2},   {"sign", "-2.5E-1", -0.25},
        {"comma", "1,5", nan},      {"empty", "", nan},           {"trailing blank", "2 ", nan},
        {"lone point", ".", nan},   {"exponent only", "E5", nan}, {"beyond a double", "1e999", nan},
        {"expression", "1/3", nan},
    };
    for (const Row& row : rows) {
        TCats cats;
        cats.LoadFromText(Document(CategoryElement(
            "c", "root",
            UnitElement("u", "factor", "u", std::string("factor=\"") + row.factor + "\""))));
        double factor = cats.Cats(0)->Units()[0]->Factor();
        if (std::isnan(row.value))
            EXPECT_TRUE(std::isnan(factor)) << row.name << ": " << factor;
        else
            EXPECT_DOUBLE_EQ(factor, row.value) << row.name;
    }
}

TEST_F(UnitsModel, SymbolSearches) {
    TCats cats(test::FixturePath("units_model.unt"));
    const TUnitList& length = cats.Cats(0)->Units();
    EXPECT_EQ(length.IndexOfSymbol("international_foot"), 3);
    EXPECT_EQ(length.IndexOfSymbol(" km "), 1);
    EXPECT_EQ(length.IndexOfSymbol("KM"), -1);
    EXPECT_EQ(length.IndexOfSymbol("fur"), -1) << "disabled units are not loaded";
    EXPECT_EQ(length.IndexOfCore(), 0);
    EXPECT_EQ(cats.Cats(1)->Units().SymbolList({ukFactor}, true),
              (std::vector<std::string>{"minute [min]", "hour [h]"}));
    EXPECT_EQ(cats.Cats(7)->Units().SelectByKind({ukNone}).size(), 1u) << "type weird";

    int cat = 0;
    int unit = 0;
    EXPECT_TRUE(cats.FindUnit("h", cat, unit));
    EXPECT_EQ(cat, 1);
    EXPECT_EQ(unit, 2);
    EXPECT_FALSE(cats.FindUnit("gh", cat, unit)) << "disabled domain";
    EXPECT_EQ(cat, -1);
    EXPECT_EQ(unit, -1);
    EXPECT_FALSE(cats.FindUnit("cu", cat, unit)) << "disabled category";

    EXPECT_EQ(cats.IndexOfCat("  time "), 1);
    EXPECT_EQ(cats.IndexOfCat("Old measures"), -1);
    EXPECT_EQ(cats.IndexOfCat(""), -1);
}

TEST_F(UnitsModel, StoredSymbolWithLeadingBlankIsFoundByNoSearch) {
    TCats cats;
    AppendMessages(messages, cats.LoadFromText(Document(
                                 CategoryElement("c", "root", UnitElement("u", "si-unit", " x")))));
    EXPECT_EQ(cats.Cats(0)->Units()[0]->Symbol(), " x");
    EXPECT_EQ(cats.Cats(0)->Units().IndexOfSymbol(" x"), -1);
    EXPECT_EQ(cats.Cats(0)->Units().IndexOfSymbol("x"), -1);
}

TEST_F(UnitsModel, IndexOfCatOfEmptyTextFindsACategoryWithoutName) {
    TCats cats;
    AppendMessages(messages,
                   cats.LoadFromText(Document(LengthCategory + CategoryElement("", "root", ""))));
    EXPECT_EQ(cats.IndexOfCat(""), 1);
    cats.AddCat(std::make_unique<TCat>(&cats));
    EXPECT_EQ(cats.Cats(2)->Kind(), ckNone);
    EXPECT_EQ(cats.Cats(2)->Name(), "");
    EXPECT_EQ(cats.IndexOfCat(" "), 1);
}

TEST_F(UnitsModel, KindsAreMatchedWithoutRegardToCase) {
    TCats cats(test::FixturePath("units_model.unt"));
    EXPECT_EQ(cats.Cats(2)->Kind(), ckRoot) << "Temperature says Root";
    EXPECT_EQ(cats.Cats(3)->Kind(), ckSup);
    EXPECT_EQ(cats.Cats(5)->Kind(), ckComp);
    EXPECT_TRUE(cats.Cats(2)->HasRuleUnits());
    EXPECT_FALSE(cats.Cats(0)->HasRuleUnits());
}

TEST_F(UnitsModel, SupplementalCategoriesAreLinkedToTheirRoots) {
    TCats cats(test::FixturePath("units_model.unt"));
    TCat* length = cats.Cats(0);
    TCat* time = cats.Cats(1);
    TCat* area = cats.Cats(3);
    TCat* frequency = cats.Cats(4);
    TCat* volume = cats.Cats(6);
    EXPECT_EQ(area->RootCat(), length);
    EXPECT_EQ(area->Degree(), 2) << "m² is m^2";
    EXPECT_EQ(frequency->RootCat(), time);
    EXPECT_EQ(frequency->Degree(), -1);
    EXPECT_EQ(volume->Degree(), 3);
    EXPECT_EQ(length->SupCats(), (TCatArray{area, volume}));
    EXPECT_EQ(time->SupCats(), (TCatArray{frequency}));
    EXPECT_EQ(cats.Cats(5)->RootCat(), nullptr) << "compound categories are not linked";
    EXPECT_EQ(cats.Cats(5)->Degree(), 0);
}

TEST_F(UnitsModel, SupplementalLinkFailures) {
    struct Row {
        const char* name;
        std::string categories;
        const char* error;
        std::vector<std::string> messages;
    };
    const Row rows[] = {
        {"no core unit",
         LengthCategory +
             CategoryElement("Area", "sup", UnitElement("ha", "factor", "ha", "factor=\"1e4\"")),
         "No known units in sup. category(1)",
         {}},
        {"only core unit disabled",
         LengthCategory +
             CategoryElement("Area", "sup",
                             "<unit name=\"m2\" type=\"si-unit\" enabled=\"0\" symbol=\"m^2\"/>"),
         "No known units in sup. category(1)",
         {}},
        {"symbol refused by the notation",
         LengthCategory + CategoryElement("Area", "sup", UnitElement("m0", "si-unit", "m^0")),
         "No known units in sup. category(2)",
         {"Wrong degree number (only positive numbers). 0"}},
        {"two units",
         LengthCategory + TimeCategory +
             CategoryElement("Odd", "sup", UnitElement("ms", "si-unit", "m.s")),
         "No units in sup. category",
         {}},
        {"no unit at all",
         LengthCategory + CategoryElement("Odd", "sup", UnitElement("one", "si-unit", "1")),
         "No units in sup. category",
         {}},
        {"unknown unit",
         LengthCategory + CategoryElement("Area", "sup", UnitElement("yd2", "si-unit", "yd^2")),
         "No known units in sup. category(3)",
         {}},
    };
    for (const Row& row : rows) {
        messages.clear();
        TCats cats;
        try {
            AppendMessages(messages, cats.LoadFromText(Document(row.categories)));
            ADD_FAILURE() << row.name << ": no error";
        } catch (const EM&) {
            ADD_FAILURE() << row.name << ": the link failures are not EM";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), row.error) << row.name;
        }
        EXPECT_EQ(cats.LoadMessages(), row.messages) << row.name;
        EXPECT_GE(cats.CatCount(), 2) << row.name << ": the categories stay loaded";
    }
}

TEST_F(UnitsModel, LinkFailureKeepsEarlierLinksAndLeavesLaterOnes) {
    TCats cats;
    std::string area = CategoryElement("Area", "sup", UnitElement("m2", "si-unit", "m^2"));
    std::string bad = CategoryElement("Bad", "sup", UnitElement("x", "si-unit", "x^2"));
    std::string volume = CategoryElement("Volume", "sup", UnitElement("m3", "si-unit", "m^3"));
    EXPECT_THROW(cats.LoadFromText(Document(LengthCategory + area + bad + volume)), Exception);
    ASSERT_EQ(cats.CatCount(), 4);
    EXPECT_EQ(cats.Cats(1)->RootCat(), cats.Cats(0));
    EXPECT_EQ(cats.Cats(2)->RootCat(), nullptr);
    EXPECT_EQ(cats.Cats(3)->RootCat(), nullptr);
    EXPECT_EQ(cats.Cats(0)->SupCats(), (TCatArray{cats.Cats(1)}));
}

TEST_F(UnitsModel, BaseExponents) {
    struct Row {
        const char* name;
        const char* type;
        const char* inBaseUnits;
        bool valid;
        TBaseExponents exponents;
    };
    const Row rows[] = {
        {"energy", "si-unit", "kg.m^2/s^2", true, {2, 1, -2, 0, 0, 0, 0}},
        {"force", "si-unit", "kg.m/s^2", true, {1, 1, -2, 0, 0, 0, 0}},
        {"all seven", "si-unit", "m.kg.s.A.K.mol.cd", true, {1, 1, 1, 1, 1, 1, 1}},
        {"repeated unit keeps the last degree", "si-unit", "m.m^3", true, {3, 0, 0, 0, 0, 0, 0}},
        {"dimensionless", "si-unit", " 1 ", true, {0, 0, 0, 0, 0, 0, 0}},
        {"dimensionless on a factor unit", "factor", "1", true, {0, 0, 0, 0, 0, 0, 0}},
        {"gram is no base unit", "si-unit", "kg.m/s^2.g", false, {1, 1, -2, 0, 0, 0, 0}},
        {"case counts", "si-unit", "M", false, {0, 0, 0, 0, 0, 0, 0}},
        {"empty", "si-unit", "", false, {0, 0, 0, 0, 0, 0, 0}},
        {"not a core unit", "factor", "m", false, {0, 0, 0, 0, 0, 0, 0}},
        {"nothing after the caret", "si-unit", "m^", false, {0, 0, 0, 0, 0, 0, 0}},
    };
    for (const Row& row : rows) {
        TCats cats;
        AppendMessages(
            messages, cats.LoadFromText(Document(CategoryElement(
                          "c", "root",
                          UnitElement("u", row.type, "u",
                                      std::string("in_base_units=\"") + row.inBaseUnits + "\"")))));
        TUnit* unit = cats.Cats(0)->Units()[0];
        TBaseExponents exponents;
        EXPECT_EQ(unit->BaseExponents(exponents, messages), row.valid) << row.name;
        EXPECT_EQ(exponents, row.exponents) << row.name;
        EXPECT_EQ(unit->HasBaseUnits(messages), row.valid) << row.name;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(UnitsModel, MissingElementsAreInternalFaults) {
    try {
        TUnit unit(nullptr, TXMLUnitType());
        FAIL() << "no error";
    } catch (const EM& e) {
        EXPECT_EQ(e.Message(), "Unit data is missing");
    }
    TCat cat(nullptr);
    EXPECT_EQ(cat.Kind(), ckNone);
    EXPECT_EQ(cat.Units().Count(), 0);
    try {
        cat.Load(TXMLCategoryType());
        FAIL() << "no error";
    } catch (const EM& e) {
        EXPECT_EQ(e.Message(), "Cat. data is missing");
    }
}

TEST_F(UnitsModel, ReloadReplacesTheContent) {
    TCats cats(test::FixturePath("units_model.unt"));
    AppendMessages(messages, cats.LoadFromText(Document(TimeCategory)));
    ASSERT_EQ(cats.CatCount(), 1);
    EXPECT_EQ(cats.Cats(0)->Name(), "Time");
    EXPECT_EQ(cats.AllUnits().Count(), 1);
    EXPECT_EQ(cats.Root().Domains()[0].Name(), "d");
}

TEST_F(UnitsModel, MalformedTextShowsTheParserMessageAndKeepsRoot) {
    TCats cats;
    AppendMessages(messages, cats.LoadFromText(Document(LengthCategory)));
    TXMLUnitsDataType root = cats.Root();
    AppendMessages(messages, cats.LoadFromText("<UnitsData><domain>"));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("line 1"), std::string::npos) << messages[0];
    EXPECT_EQ(cats.CatCount(), 0);
    EXPECT_EQ(cats.AllUnits().Count(), 0);
    EXPECT_EQ(cats.Root(), root);
    EXPECT_EQ(cats.Root().Domains()[0].Categories()[0].Name(), "Length");
}

TEST_F(UnitsModel, MissingFileLoadsNothingQuietly) {
    TCats cats("/nonexistent/folder/Varnel.unt");
    AppendMessages(messages, cats.LoadMessages());
    EXPECT_FALSE(cats.Root());
    EXPECT_EQ(cats.CatCount(), 0);
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace varnel
