#include "support/TestSupport.h"
#include "units/UnitsData.h"
#include "units/UnitsDataOps.h"

#include <gtest/gtest.h>

#include <unordered_set>

namespace varnel {
namespace {

const char* const SmallDocument = R"(<UnitsData>
  <description keywords="a,b" version="1.00"/>
  <domain name="D" enabled="1">
    <category name="C1" type="root" enabled="1" comment="c">
      <unit name="u1" type="factor" enabled="1" symbol="x" factor="2">text of u1</unit>
      <unit name="u2" type="SI-unit" enabled="0"/>
      <unit name="u3" type="si-unit" enabled="0"/>
      <unit name="u4" type="si-unit" enabled="1"/>
    </category>
    <category name="C2" type="sup" enabled="1"/>
  </domain>
</UnitsData>)";

class UnitsDataBinding : public ::testing::Test {
protected:
    void SetUp() override {
        doc.LoadFromText(SmallDocument);
        root = UnitsDataOf(doc);
    }
    TXMLCategoryType FirstCategory() const { return root.Domains()[0].Categories()[0]; }

    TXmlDocument doc;
    TXMLUnitsDataType root;
};

TEST_F(UnitsDataBinding, SameElementGivesEqualBindingsOnEveryAccess) {
    TXMLUnitType byIndex = FirstCategory().Units()[1];
    TXMLUnitType byWalk;
    int i = 0;
    for (TXMLUnitType unit : FirstCategory().Units())
        if (i++ == 1)
            byWalk = unit;
    EXPECT_EQ(byIndex, byWalk);
    EXPECT_NE(byIndex, FirstCategory().Units()[2]);

    std::unordered_set<TXMLUnitType, TXMLElementHash> seen{byIndex};
    EXPECT_TRUE(seen.contains(byWalk));
}

TEST_F(UnitsDataBinding, SettersStoreTextAndIntegers) {
    TXMLUnitType unit = FirstCategory().Units()[1];
    unit.SetEnabled(-7);
    unit.SetRuleTo("#*2");
    unit.SetText("note");
    EXPECT_STREQ(unit.Node().attribute("enabled").value(), "-7");
    EXPECT_EQ(unit.Enabled(), -7);
    EXPECT_EQ(unit.RuleTo(), "#*2");
    EXPECT_EQ(unit.Text(), "note");
}

TEST_F(UnitsDataBinding, AddInsertAndClearKeepOrder) {
    auto units = FirstCategory().Units();
    units.Add().SetName("last");
    units.Insert(0).SetName("first");
    units.Insert(2).SetName("third");
    units.Insert(units.Count()).SetName("end");
    std::string names;
    for (TXMLUnitType unit : units)
        names += unit.Name() + " ";
    EXPECT_EQ(names, "first u1 third u2 u3 u4 last end ");
    EXPECT_THROW(units.Insert(99), Exception);
    EXPECT_THROW(units.Item(-1), Exception);
    try {
        units.Item(8);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (8)");
    }
    units.Clear();
    EXPECT_EQ(units.Count(), 0);
    EXPECT_EQ(FirstCategory().Name(), "C1");
}

TEST(UnitsDataEnabled, IntegerValuesAndRefusals) {
    struct Row {
        const char* name;
        const char* attribute; // nullptr: no attribute at all
        bool valid;
        int32_t value;
        const char* message;
    };
    const Row rows[] = {
        {"one", "1", true, 1, ""},
        {"zero", "0", true, 0, ""},
        {"negative", "-3", true, -3, ""},
        {"plus sign", "+2", true, 2, ""},
        {"blanks around", " 1 ", true, 1, ""},
        {"missing", nullptr, false, 0, "'' is not a valid integer value"},
        {"empty", "", false, 0, "'' is not a valid integer value"},
        {"word", "true", false, 0, "'true' is not a valid integer value"},
        {"decimal", "1.0", false, 0, "'1.0' is not a valid integer value"},
        {"two signs", "+-1", false, 0, "'+-1' is not a valid integer value"},
        {"beyond 32 bits", "2147483648", false, 0, "'2147483648' is not a valid integer value"},
    };
    for (const Row& row : rows) {
        TXmlDocument doc;
        doc.LoadFromText(row.attribute ? std::string("<d enabled=\"") + row.attribute + "\"/>"
                                       : std::string("<d/>"));
        TXMLDomainType domain(doc.DocumentElement());
        if (row.valid) {
            EXPECT_EQ(domain.Enabled(), row.value) << row.name;
            continue;
        }
        try {
            domain.Enabled();
            ADD_FAILURE() << row.name << ": no error";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message(), row.message) << row.name;
        }
    }
}

TEST(UnitsDataOf, EmptyDocumentGetsUnitsDataElement) {
    TXmlDocument doc;
    TXMLUnitsDataType root = UnitsDataOf(doc);
    ASSERT_TRUE(root);
    EXPECT_STREQ(doc.DocumentElement().name(), "UnitsData");
    EXPECT_FALSE(root.Description());
    EXPECT_EQ(root.Description().Version(), "");
    root.DescriptionOrNew().SetVersion("1.00");
    EXPECT_EQ(root.Description().Version(), "1.00");
    EXPECT_EQ(root.DescriptionOrNew(), root.Description());
}

TEST(UnitsDataOf, WrongDocumentElementIsRefused) {
    TXmlDocument doc;
    doc.LoadFromText("<XML_DIZ_INFO/>");
    try {
        UnitsDataOf(doc);
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "The document element is \"XML_DIZ_INFO\" instead of "
                               "\"UnitsData\": this is not a units data file.");
    }
}

TEST(XmlEscape, ReplacesQuoteAndAnglesAfterTrimming) {
    struct Row {
        const char* name;
        const char* text;
        const char* escaped;
    };
    const Row rows[] = {
        {"plain", "abc", "abc"},
        {"outer blanks and controls", " \t a b \r\n", "a b"},
        {"quote and angles", "  say \"hi\" <b>  ", "say &quot;hi&quot; &lt;b&gt;"},
        {"ampersand untouched", "R&D &amp;", "R&D &amp;"},
        {"already escaped", "&quot;x&lt;", "&quot;x&lt;"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(XmlEscape(row.text), row.escaped) << row.name;
        EXPECT_EQ(XmlEscape(XmlEscape(row.text)), row.escaped) << row.name << " twice";
    }
    EXPECT_EQ(XmlUnescape("  &quot;a&quot; &lt;b&gt; &amp;  "), "\"a\" <b> &amp;");
    std::string t = " \"x\" < y > z ";
    EXPECT_EQ(XmlUnescape(XmlEscape(t)), "\"x\" < y > z");
}

TEST_F(UnitsDataBinding, IndexOfCoreUnitCountsCaseAndDisabledUnits) {
    EXPECT_EQ(IndexOfCoreUnit(FirstCategory()), 2); // u2 says SI-unit, u3 is disabled
    EXPECT_EQ(IndexOfCoreUnit(root.Domains()[0].Categories()[1]), -1);
}

TEST_F(UnitsDataBinding, CopyCatNodeCopiesAttributesAndUnits) {
    TXMLCategoryType source = FirstCategory();
    TXMLCategoryType target = root.Domains()[0].Categories()[1];
    target.Units().Add().SetName("to be replaced");
    CopyCatNode(source, target);
    EXPECT_EQ(target.Name(), "C1");
    EXPECT_EQ(target.Type(), "root");
    EXPECT_EQ(target.Comment(), "c");
    ASSERT_EQ(target.Units().Count(), 4);
    TXMLUnitType copy = target.Units()[0];
    EXPECT_NE(copy, source.Units()[0]);
    EXPECT_EQ(copy.Name(), "u1");
    EXPECT_EQ(copy.Symbol(), "x");
    EXPECT_EQ(copy.Factor(), "2");
    EXPECT_EQ(copy.Text(), "text of u1");
    // Every one of the ten attributes is set, in the binding order.
    std::string attributes;
    for (pugi::xml_attribute a : copy.Node().attributes())
        attributes += std::string(a.name()) + " ";
    EXPECT_EQ(attributes,
              "name type symbol kw enabled comment factor in_base_units rule_from rule_to ");

    CopyCatNode(source, source);
    EXPECT_EQ(source.Units().Count(), 4);
}

TEST(CopyUnitNode, MissingEnabledOfTheSourceIsAConversionError) {
    TXmlDocument doc;
    doc.LoadFromText("<c><unit name=\"a\"/><unit/></c>");
    TXMLCategoryType category(doc.DocumentElement());
    EXPECT_THROW(CopyUnitNode(category.Units()[0], category.Units()[1]), EConvertError);
}

TEST(CopyUnitNode, CarriesTheAliasesAlong) {
    TXmlDocument doc;
    doc.LoadFromText("<c><unit enabled=\"1\" alias=\"l,ltr\"/><unit enabled=\"1\" alias=\"x\"/>"
                     "<unit enabled=\"1\"/></c>");
    TXMLCategoryType category(doc.DocumentElement());
    CopyUnitNode(category.Units()[0], category.Units()[1]);
    EXPECT_EQ(category.Units()[1].Alias(), "l,ltr");
    CopyUnitNode(category.Units()[2], category.Units()[1]);
    EXPECT_EQ(category.Units()[1].Alias(), "");
}

} // namespace
} // namespace varnel
