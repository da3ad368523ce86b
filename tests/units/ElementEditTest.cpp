#include "units/ElementEdit.h"
#include "units/NodeClipboard.h"
#include "units/UnitsDataOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnel {
namespace {

const char* const Document = R"(<UnitsData>
  <domain name="D" enabled="1">
    <category name="A" type="root" enabled="1">
      <unit name="a1" enabled="1"/>
      <note/>
      <unit name="a2" enabled="1"/>
      <unit name="a3" enabled="1"/>
    </category>
    <category name="B" type="root" enabled="1">
      <unit name="b1" enabled="1" comment="say &quot;hi&quot;">text</unit>
    </category>
  </domain>
</UnitsData>)";

class ElementEdit : public ::testing::Test {
protected:
    void SetUp() override {
        doc.LoadFromText(Document);
        root = UnitsDataOf(doc);
    }
    TXMLCategoryType Category(int i) const { return root.Domains()[0].Categories()[i]; }
    std::string UnitNames(int category) const {
        std::string names;
        for (TXMLUnitType unit : Category(category).Units())
            names += unit.Name() + " ";
        return names;
    }

    TXmlDocument doc;
    TXMLUnitsDataType root;
};

TEST_F(ElementEdit, MovesTradePlacesWithUnitsAndStopAtTheEnds) {
    struct Row {
        const char* name;
        int unit;
        bool up;
        bool moved;
        const char* order;
    };
    const std::vector<Row> rows = {
        {"first up", 0, true, false, "a1 a2 a3 "},
        {"last down", 2, false, false, "a1 a2 a3 "},
        {"middle up, over another element", 1, true, true, "a2 a1 a3 "},
        {"first down, over another element", 0, false, true, "a2 a1 a3 "},
        {"last up", 2, true, true, "a1 a3 a2 "},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        SetUp();
        TXMLUnitType unit = Category(0).Units()[row.unit];
        const std::string name = unit.Name();
        EXPECT_EQ(row.up ? MoveElementUp(unit) : MoveElementDown(unit), row.moved);
        EXPECT_EQ(UnitNames(0), row.order);
        EXPECT_EQ(unit.Name(), name) << "the handle follows its element";
    }
}

TEST_F(ElementEdit, RemoveTakesTheElementWithItsContent) {
    TXMLUnitType inside = Category(0).Units()[1];
    EXPECT_TRUE(IsWithin(inside, Category(0)));
    EXPECT_FALSE(IsWithin(inside, Category(1)));
    EXPECT_FALSE(IsWithin(inside, TXMLElement()));
    RemoveElement(Category(0));
    EXPECT_EQ(root.Domains()[0].Categories().Count(), 1);
    EXPECT_EQ(Category(0).Name(), "B");
}

TEST_F(ElementEdit, ClipboardCopyOutlivesTheDocumentAndPastesTwice) {
    TNodeClipboard clipboard;
    EXPECT_TRUE(clipboard.Empty());
    clipboard.CopyCategory(Category(1));
    RemoveElement(Category(1));
    doc.LoadFromText("<UnitsData><domain name=\"E\" enabled=\"1\"/></UnitsData>");
    root = UnitsDataOf(doc);

    for (int paste = 0; paste < 2; ++paste)
        CopyCatNode(clipboard.Category(), root.Domains()[0].Categories().Add());

    ASSERT_EQ(root.Domains()[0].Categories().Count(), 2);
    for (int i = 0; i < 2; ++i) {
        TXMLUnitType unit = Category(i).Units()[0];
        EXPECT_EQ(unit.Name(), "b1");
        EXPECT_EQ(unit.Comment(), "say \"hi\"");
        EXPECT_EQ(unit.Text(), "text");
    }
    EXPECT_FALSE(clipboard.Unit());
}

TEST_F(ElementEdit, ClipboardTakesACopyOfItsOwnContentAndSwitchesKind) {
    TNodeClipboard clipboard;
    clipboard.CopyUnit(Category(1).Units()[0]);
    clipboard.CopyUnit(clipboard.Unit());
    EXPECT_EQ(clipboard.Unit().Name(), "b1");
    clipboard.CopyCategory(Category(0));
    EXPECT_FALSE(clipboard.Unit());
    EXPECT_EQ(clipboard.Category().Units().Count(), 3);
    EXPECT_NE(ElementXml(clipboard.Category()).find("<note />"), std::string::npos);
}

} // namespace
} // namespace varnel
