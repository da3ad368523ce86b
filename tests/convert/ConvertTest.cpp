#include "convert/Convert.h"

#include "common/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace varnel {
namespace {

std::unique_ptr<TConvert> LoadEngine(const std::string& fixture, bool keepValue) {
    auto engine = std::make_unique<TConvert>();
    engine->SetKeepValue(keepValue);
    engine->LoadFromText(ReadTextFile(test::FixturePath(fixture)));
    return engine;
}

// The unit number a Simple page row gives a unit: its index in the factor's
// category, or after those the index in the factor's supplemental category.
int UnitNumber(const TDim& dim, const std::string& symbol) {
    int index = dim.Units().IndexOfSymbol(symbol);
    if (index >= 0)
        return index;
    if (dim.SupCat() != nullptr && dim.SupCat()->Units().IndexOfSymbol(symbol) >= 0)
        return dim.Units().Count() + dim.SupCat()->Units().IndexOfSymbol(symbol);
    ADD_FAILURE() << "no unit " << symbol;
    return -1;
}

class ConvertTest : public ::testing::Test {
protected:
    // Converts text on the target engine to one unit per factor, as the
    // Simple page does.
    std::string ConvertFactors(const std::string& text, const std::vector<std::string>& units) {
        AppendMessages(messages, target->SetText(text));
        EXPECT_EQ(target->DimCount(), static_cast<int>(units.size())) << text;
        for (int i = 0; i < target->DimCount() && i < static_cast<int>(units.size()); ++i) {
            TDim& dim = *target->Dims(i);
            dim.SetUnitIndex(UnitNumber(dim, units[static_cast<size_t>(i)]));
        }
        return target->GetText();
    }

    int CatIndex(const std::string& name) const { return target->IndexOfCat(name); }
    TCat* Cat(const std::string& name) const { return target->Cats(CatIndex(name)); }

    std::unique_ptr<TConvert> source = LoadEngine("convert_basic.unt", true);
    std::unique_ptr<TConvert> target = LoadEngine("convert_basic.unt", false);
    TMessages messages;
};

TEST_F(ConvertTest, WorkedExampleConvertsFactorByFactor) {
    AppendMessages(messages, target->SetText("36 [km/h]"));
    ASSERT_TRUE(target->UnitsValid());
    ASSERT_EQ(target->DimCount(), 2);
    target->Dims(0)->SetUnitIndex(0);
    EXPECT_EQ(target->Number(), 36000);
    EXPECT_EQ(target->NumberText(), "");
    target->Dims(1)->SetUnitIndex(0);
    EXPECT_DOUBLE_EQ(target->Number(), 10);
    EXPECT_EQ(target->GetText(), "10 [m/s]");
    EXPECT_TRUE(messages.empty());
}

TEST_F(ConvertTest, FactorsTakeTheirCategories) {
    AppendMessages(messages, target->SetText("2 [kg.m^2/s^2]"));
    ASSERT_EQ(target->DimCount(), 3);
    const struct {
        int catIndex;
        int unitIndex;
        int exponent;
        const TCat* supCat;
    } expected[] = {{CatIndex("Mass"), 0, 1, nullptr},
                    {CatIndex("Length"), 0, 2, Cat("Area")},
                    {CatIndex("Time"), 0, -2, nullptr}};
    for (int i = 0; i < 3; ++i) {
        const TDim& dim = *target->Dims(i);
        EXPECT_EQ(dim.CatIndex(), expected[i].catIndex) << i;
        EXPECT_EQ(dim.UnitIndex(), expected[i].unitIndex) << i;
        EXPECT_EQ(dim.Exponent(), expected[i].exponent) << i;
        EXPECT_EQ(dim.SupCat(), expected[i].supCat) << i;
        EXPECT_EQ(dim.Kind(), ckRoot) << i;
        EXPECT_EQ(dim.Engine(), target.get()) << i;
        EXPECT_TRUE(dim.CanConvert()) << i;
    }
    EXPECT_EQ(target->GetText(), "2 [kg.m^2/s^2]");
    EXPECT_EQ(target->Dims(3), nullptr);
    EXPECT_EQ(target->Dims(-1), nullptr);
}

TEST_F(ConvertTest, RefusedFactorsEmptyTheQuantity) {
    const struct {
        const char* name;
        const char* text;
        const char* message;
    } rows[] = {
        {"two lengths", "5 [m.km]", "Duplicated units categories - Length / Length"},
        {"length and area", "5 [m.ha]", "Duplicated units categories - Area / Length"},
        {"area and length", "5 [ha.m]", "Duplicated units categories - Length / Length"},
        {"rule unit squared", "5 [\u00B0C^2]",
         "Category with rule-based units cannot have exponent"},
        {"rule unit in denominator", "5 [1/K]",
         "Category with rule-based units cannot have exponent"},
        {"supplemental unit squared", "5 [ha^2]",
         "Unit from supplemental categories cannot have exponent."},
    };
    for (const auto& row : rows) {
        messages.clear();
        AppendMessages(messages, target->SetText(row.text));
        EXPECT_FALSE(target->UnitsValid()) << row.name;
        EXPECT_EQ(target->DimCount(), 0) << row.name;
        EXPECT_TRUE(std::isnan(target->Number())) << row.name;
        EXPECT_EQ(target->NumberText(), "") << row.name;
        EXPECT_EQ(messages, std::vector<std::string>{row.message}) << row.name;
    }
}

TEST_F(ConvertTest, RefusedNotationKeepsTheNumber) {
    AppendMessages(messages, target->SetText("5 [m/s/kg]"));
    EXPECT_FALSE(target->UnitsValid());
    EXPECT_EQ(target->DimCount(), 0);
    EXPECT_EQ(target->Number(), 5);
    EXPECT_EQ(messages, std::vector<std::string>{"Only one \"/\" is allowed."});

    AppendMessages(messages, target->SetText("7"));
    EXPECT_FALSE(target->UnitsValid());
    EXPECT_EQ(target->GetText(), "7 []");
}

TEST_F(ConvertTest, SupplementalUnitsGoThroughTheirCategory) {
    AppendMessages(messages, target->SetText("2 [ha]"));
    ASSERT_EQ(target->DimCount(), 1);
    const TDim& dim = *target->Dims(0);
    EXPECT_EQ(dim.CatIndex(), CatIndex("Length"));
    EXPECT_EQ(dim.Exponent(), 2);
    EXPECT_EQ(dim.SupCat(), Cat("Area"));
    EXPECT_TRUE(dim.IsSupUnit());
    EXPECT_EQ(target->GetText(), "2 [ha]");
    target->AllToCore();
    EXPECT_EQ(target->Number(), 20000);
    EXPECT_EQ(target->GetText(), "20000 [m^2]");

    AppendMessages(messages, target->SetText("3 [1/ha]"));
    EXPECT_EQ(target->Dims(0)->Exponent(), -2);
    EXPECT_EQ(target->Dims(0)->SupCat(), Cat("Area"));
    EXPECT_EQ(target->GetText(), "3 [1/ha]");
}

TEST_F(ConvertTest, ReciprocalSupplementalCategories) {
    const struct {
        const char* name;
        const char* text;
        std::vector<std::string> units;
        const char* result;
    } rows[] = {
        {"rpm to 1/s", "120 [rpm]", {"s"}, "2 [1/s]"},
        {"rpm to Hz", "120 [rpm]", {"Hz"}, "2 [Hz]"},
        {"Hz to rpm", "1 [Hz]", {"rpm"}, "60 [rpm]"},
        {"kayser to 1/m", "3 [kayser]", {"m"}, "300 [1/m]"},
        {"1/min to rpm", "1 [1/min]", {"rpm"}, "1 [rpm]"},
        {"1/rpm to s", "1 [1/rpm]", {"s"}, "60 [s]"},
        {"1/rpm to min", "1 [1/rpm]", {"min"}, "1 [min]"},
        {"ha to m^2", "2 [ha]", {"m"}, "20000 [m^2]"},
        {"1/ha to 1/m^2", "3 [1/ha]", {"m"}, "0.0003 [1/m^2]"},
        {"m^2 to ha", "1 [m^2]", {"ha"}, "0.0001 [ha]"},
        {"km^2 to ha", "1 [km^2]", {"ha"}, "100 [ha]"},
        {"l/min to m^3/s", "60 [l/min]", {"m", "s"}, "0.001 [m^3/s]"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ConvertFactors(row.text, row.units), row.result) << row.name;
    EXPECT_TRUE(messages.empty());
}

TEST_F(ConvertTest, ReciprocalUnitsWriteBackInTheirOwnUnit) {
    const struct {
        const char* text;
        int exponent;
        const char* supCat;
    } rows[] = {{"120 [rpm]", -1, "Frequency"},   {"1 [Hz]", -1, "Frequency"},
                {"3 [kayser]", -1, "Wavenumber"}, {"1 [1/rpm]", 1, "Frequency"},
                {"1 [1/s]", -1, "Frequency"},     {"5 [1/ha]", -2, "Area"}};
    for (const auto& row : rows) {
        AppendMessages(messages, target->SetText(row.text));
        ASSERT_EQ(target->DimCount(), 1) << row.text;
        EXPECT_EQ(target->Dims(0)->Exponent(), row.exponent) << row.text;
        EXPECT_EQ(target->Dims(0)->SupCat(), Cat(row.supCat)) << row.text;
        EXPECT_EQ(target->GetText(), row.text);
    }
}

TEST_F(ConvertTest, UnknownSymbolsStayAndConvertNothing) {
    AppendMessages(messages, target->SetText("5 [xyz/h]"));
    ASSERT_TRUE(target->UnitsValid());
    ASSERT_EQ(target->DimCount(), 2);
    const TDim& unknown = *target->Dims(0);
    EXPECT_EQ(unknown.Kind(), ckNone);
    EXPECT_EQ(unknown.UnknownSymbol(), "xyz");
    EXPECT_EQ(unknown.Exponent(), 1);
    EXPECT_FALSE(unknown.CanConvert());
    target->AllToCore();
    EXPECT_EQ(target->GetText(), "0.001388889 [xyz/s]");
}

TEST_F(ConvertTest, RuleUnitWithAnotherFactorDoesNotConvert) {
    AppendMessages(messages, target->SetText("2 [\u00B0F/h]"));
    ASSERT_TRUE(target->UnitsValid());
    TDim& rule = *target->Dims(0);
    EXPECT_FALSE(rule.CanConvert());
    rule.SetUnitIndex(0);
    rule.ToCore();
    EXPECT_EQ(target->GetText(), "2 [\u00B0F/h]");
    target->Dims(1)->SetUnitIndex(0);
    EXPECT_EQ(target->GetText(), "0.0005555556 [\u00B0F/s]");
}

TEST_F(ConvertTest, SetExponentAttachesTheMatchingSupplementalCategory) {
    AppendMessages(messages, target->SetText("1 [m]"));
    TDim& length = *target->Dims(0);
    const struct {
        int degree;
        const char* supCat;
    } rows[] = {{3, "Volume"}, {2, "Area"},  {-2, "Area"},  {-1, "Wavenumber"},
                {1, nullptr},  {4, nullptr}, {-3, "Volume"}};
    for (const auto& row : rows) {
        length.SetExponent(row.degree);
        EXPECT_EQ(length.Exponent(), row.degree);
        EXPECT_EQ(length.SupCat(), row.supCat ? Cat(row.supCat) : nullptr) << row.degree;
    }

    AppendMessages(messages, target->SetText("1 [\u00B0C]"));
    target->Dims(0)->SetExponent(2);
    EXPECT_EQ(target->Dims(0)->Exponent(), 1);

    AppendMessages(messages, target->SetText("1 [xyz]"));
    try {
        target->Dims(0)->SetExponent(2);
        ADD_FAILURE() << "no exception";
    } catch (const EM& e) {
        EXPECT_EQ(e.Message(), "internal error #554");
    }
}

TEST_F(ConvertTest, SourceEngineRelabelsTheNumber) {
    AppendMessages(messages, source->SetText("36 [km/h]"));
    source->Dims(0)->SetUnitIndex(UnitNumber(*source->Dims(0), "mi"));
    EXPECT_EQ(source->Number(), 36);
    EXPECT_EQ(source->GetText(), "36 [mi/h]");
    source->SetNumber(5);
    source->SetNumberText("");
    EXPECT_EQ(source->GetText(), "5 [mi/h]");

    AppendMessages(messages, target->SetText("36 [km/h]"));
    target->SetNumber(5);
    EXPECT_EQ(target->Number(), 36);
}

TEST_F(ConvertTest, QuantitiesWithoutANumber) {
    AppendMessages(messages, source->SetText("[m]"));
    EXPECT_EQ(source->GetText(), " [m]");
    AppendMessages(messages, target->SetText("[km]"));
    EXPECT_EQ(target->GetText(), "NAN [km]");
    target->Dims(0)->SetUnitIndex(0);
    EXPECT_EQ(target->GetText(), "NAN [m]");
    AppendMessages(messages, target->SetText("abc [km]"));
    EXPECT_EQ(target->GetText(), "abc [km]");
}

TEST_F(ConvertTest, UnitNumbersOutOfRangeChangeNothing) {
    AppendMessages(messages, target->SetText("2 [ha]"));
    TDim& dim = *target->Dims(0);
    const int last = dim.Units().Count() + Cat("Area")->Units().Count() - 1;
    dim.SetUnitIndex(last + 1);
    dim.SetUnitIndex(-1);
    EXPECT_EQ(target->GetText(), "2 [ha]");
    dim.SetUnitIndex(last);
    EXPECT_EQ(target->GetText(), "2 [ha]");
}

TEST_F(ConvertTest, ConvertToAnotherUnitOfTheCategory) {
    AppendMessages(messages, target->SetText("3 [km/h]"));
    ASSERT_TRUE(target->ConvertTo("m/s", messages));
    EXPECT_DOUBLE_EQ(target->Number(), 3 * 0.27777777777777778);
    EXPECT_EQ(target->GetText(), "0.8333333 [m/s]");
    ASSERT_EQ(target->DimCount(), 2);

    AppendMessages(messages, target->SetText("2 [mi]"));
    ASSERT_TRUE(target->ConvertTo("km", messages));
    EXPECT_DOUBLE_EQ(target->Number(), 2 * 1609.344 / 1000);
    EXPECT_EQ(target->GetText(), "3.218688 [km]");

    AppendMessages(messages, target->SetText("2 [mi]"));
    EXPECT_TRUE(target->ConvertTo("mi", messages));
    EXPECT_EQ(target->GetText(), "2 [mi]");
    EXPECT_FALSE(target->ConvertTo("xyz", messages));
    AppendMessages(messages, target->SetText("2 [xyz]"));
    EXPECT_FALSE(target->ConvertTo("m", messages));
}

TEST_F(ConvertTest, ConvertToAcrossCategoriesIsRefused) {
    AppendMessages(messages, target->SetText("1 [km]"));
    try {
        target->ConvertTo("h", messages);
        ADD_FAILURE() << "no exception";
    } catch (const EM& e) {
        EXPECT_EQ(e.Message(), "Categories don't match.");
    }
    EXPECT_EQ(target->GetText(), "1 [km]");
}

TEST_F(ConvertTest, ReloadReplacesTheQuantity) {
    AppendMessages(messages, target->SetText("2 [ha]"));
    AppendMessages(messages,
                   target->LoadFromText(ReadTextFile(test::FixturePath("convert_rules.unt"))));
    EXPECT_EQ(target->DimCount(), 0);
    AppendMessages(messages, target->SetText("2 [ha.dbl]"));
    ASSERT_EQ(target->DimCount(), 2);
    EXPECT_EQ(target->Dims(0)->UnknownSymbol(), "ha");
    EXPECT_EQ(target->Dims(1)->Kind(), ckRoot);
}

class ConvertFaultsTest : public ::testing::Test {
protected:
    std::unique_ptr<TConvert> target = LoadEngine("convert_rules.unt", false);
    TMessages messages;
};

TEST_F(ConvertFaultsTest, FactorArithmeticRaisesMathErrors) {
    AppendMessages(messages, target->SetText("5 [u]"));
    EXPECT_THROW(target->Dims(0)->SetUnitIndex(target->Dims(0)->Units().IndexOfSymbol("nil")),
                 EZeroDivide);
    AppendMessages(messages, target->SetText("1E300 [huge]"));
    EXPECT_THROW(target->AllToCore(), EOverflow);
    AppendMessages(messages, target->SetText("0 [u]"));
    EXPECT_THROW(target->ConvertTo("nil", messages), EInvalidOp);
}

TEST_F(ConvertFaultsTest, CompoundUnitGivesAnEmptyFactor) {
    AppendMessages(messages, target->SetText("2 [cmp]"));
    ASSERT_TRUE(target->UnitsValid());
    ASSERT_EQ(target->DimCount(), 1);
    EXPECT_EQ(target->Dims(0)->Kind(), ckNone);
    EXPECT_EQ(target->Dims(0)->Exponent(), 0);
    EXPECT_FALSE(target->Dims(0)->CanConvert());
    EXPECT_EQ(target->GetText(), "2 []");
}

TEST_F(ConvertFaultsTest, CategoryOfNoKindIsAnInternalError) {
    try {
        AppendMessages(messages, target->SetText("2 [dbl.odd]"));
        ADD_FAILURE() << "no exception";
    } catch (const EM& e) {
        EXPECT_EQ(e.Message(), "internal error #358");
    }
    EXPECT_FALSE(target->UnitsValid());
    EXPECT_EQ(target->DimCount(), 0);
}

TEST(ConvertUnlinked, SupplementalCategoryWithoutRootIsAnInternalError) {
    TConvert engine;
    EXPECT_THROW(engine.LoadFromText(ReadTextFile(test::FixturePath("convert_unlinked.unt"))),
                 Exception);
    try {
        engine.SetText("2 [a]");
        ADD_FAILURE() << "no exception";
    } catch (const EM& e) {
        EXPECT_EQ(e.Message(), "internal error #357");
    }
}

} // namespace
} // namespace varnel
