#include "units/UnitsDataWriter.h"
#include "common/TextFile.h"
#include "common/Windows1252.h"
#include "support/TestSupport.h"
#include "units/Cats.h"

#include <gtest/gtest.h>

#include <cmath>

namespace varnel {
namespace {

struct LoadedDocument {
    explicit LoadedDocument(const std::string& fixture) {
        doc.LoadFromFile(test::FixturePath(fixture));
        root = UnitsDataOf(doc);
    }
    TXmlDocument doc;
    TXMLUnitsDataType root;
};

TEST(UnitsDataText, MatchesTheExpectedFileByteForByte) {
    LoadedDocument fixture("units_writer.unt");
    std::string text = UnitsDataText(fixture.root);
    EXPECT_EQ(Utf8ToWindows1252(text, Unencodable::CharacterReference),
              test::ReadBytes(test::FixturePath("units_writer_expected.unt")));
}

TEST(UnitsDataText, CoreUnitsAreSetEnabledInTheDocument) {
    LoadedDocument fixture("units_writer.unt");
    auto length = fixture.root.Domains()[0].Categories()[0];
    auto temperature = fixture.root.Domains()[0].Categories()[2];
    ASSERT_EQ(length.Units()[0].Enabled(), 0);
    UnitsDataText(fixture.root);
    EXPECT_EQ(length.Units()[0].Enabled(), 1);
    EXPECT_EQ(temperature.Units()[0].Type(), "SI-unit");
    EXPECT_EQ(temperature.Units()[0].Enabled(), 0);
}

TEST(UnitsDataText, WritesOnlyTheOutlineGiven) {
    LoadedDocument fixture("units_writer.unt");
    TUnitsOutline outline = UnitsOutlineOf(fixture.root);
    ASSERT_EQ(outline.size(), 2u);
    outline.pop_back();
    outline[0].Categories.resize(1);
    outline[0].Categories[0].Units = {outline[0].Categories[0].Units[1]};
    std::string text = UnitsDataText(fixture.root.Description(), outline);
    EXPECT_NE(text.find("symbol=\"km\""), std::string::npos);
    EXPECT_EQ(text.find("symbol=\"m\""), std::string::npos);
    EXPECT_EQ(text.find("Area"), std::string::npos);
    EXPECT_EQ(text.find("Hidden"), std::string::npos);
}

TEST(UnitsDataText, DocumentWithoutDomainsIsTheHeaderAndTheEnd) {
    TXmlDocument doc;
    TXMLUnitsDataType root = UnitsDataOf(doc);
    std::string text = UnitsDataText(root);
    EXPECT_EQ(text, "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\r\n"
                    "<UnitsData>\r\n"
                    "  <description keywords=\"\" \r\n"
                    "  hyperlink=\"http://www.quillmere.example/index.htm?pg=About/ZureVave\" "
                    "copyright=\"Quillmere\" \r\n"
                    "  version=\"\" language=\"\">\r\n"
                    "  This is Varnel units data file. The data have been collected from many "
                    "sources,\r\n"
                    "  all possible attempts have been made to assure accuracy, but the author "
                    "can not be\r\n"
                    "  held responsible for any innaccuracies of the data, or the results of its "
                    "use or misuse.\r\n"
                    "  </description>\r\n"
                    "\r\n"
                    "</UnitsData>\r\n");
}

// Values holding characters that would break the file are written as
// references, so that what was written reads back as it was.
TEST(UnitsDataText, ValuesThatWouldBreakTheFileReadBackUnchanged) {
    TXmlDocument doc;
    TXMLUnitsDataType root = UnitsDataOf(doc);
    auto domain = root.Domains().Add();
    domain.SetName("A & \"B\" <C>");
    domain.SetEnabled(1);
    domain.SetComment(" R&D ");
    auto category = domain.Categories().Add();
    category.SetName("x&y");
    category.SetEnabled(1);
    category.SetType("root");
    category.SetComment("  a < b & c  ");
    auto unit = category.Units().Add();
    unit.SetName("n&m");
    unit.SetType("factor");
    unit.SetEnabled(1);
    unit.SetSymbol("a<b");
    unit.SetFactor("2&");

    TXmlDocument again;
    again.LoadFromText(UnitsDataText(root));
    auto readDomain = UnitsDataOf(again).Domains()[0];
    auto readCategory = readDomain.Categories()[0];
    auto readUnit = readCategory.Units()[0];
    EXPECT_EQ(readDomain.Name(), "A & \"B\" <C>");
    EXPECT_EQ(readDomain.Comment(), " R&D ");
    EXPECT_EQ(readCategory.Name(), "x&y");
    EXPECT_EQ(readCategory.Comment(), "a < b & c");
    EXPECT_EQ(readUnit.Name(), "n&m");
    EXPECT_EQ(readUnit.Symbol(), "a<b");
    EXPECT_EQ(readUnit.Factor(), "2&");
}

TEST(UnitsDataText, MissingEnabledIsAConversionError) {
    TXmlDocument doc;
    doc.LoadFromText("<UnitsData><domain name=\"d\"/></UnitsData>");
    EXPECT_THROW(UnitsDataText(UnitsDataOf(doc)), EConvertError);
}

std::string DocumentSummary(const TXMLUnitsDataType& root) {
    std::string summary;
    for (TXMLDomainType domain : root.Domains()) {
        summary += "domain " + domain.Name() + " " + std::to_string(domain.Enabled()) + "\n";
        for (TXMLCategoryType category : domain.Categories()) {
            summary += " category " + category.Name() + "|" + category.Type() + "|" +
                       std::to_string(category.Enabled()) + "|" + category.Comment() + "\n";
            for (TXMLUnitType unit : category.Units())
                summary += "  unit " + unit.Name() + "|" + unit.Type() + "|" +
                           std::to_string(unit.Enabled()) + "|" + unit.Symbol() + "|" + unit.Kw() +
                           "|" + unit.Factor() + "|" + unit.RuleFrom() + "|" + unit.RuleTo() + "|" +
                           unit.Comment() + "\n";
        }
    }
    return summary;
}

std::string ModelSummary(const TCats& cats, TMessages& messages) {
    std::string summary;
    for (int i = 0; i < cats.CatCount(); ++i) {
        TCat* cat = cats.Cats(i);
        summary += cat->Name() + " kind " + std::to_string(cat->Kind()) + " degree " +
                   std::to_string(cat->Degree()) + " root " +
                   (cat->RootCat() ? cat->RootCat()->Name() : "-") + "\n";
        for (TUnit* unit : cat->Units())
            summary += "  " + unit->NameAndSymbol() + " " + std::to_string(unit->Factor()) + " " +
                       unit->RuleFrom() + " " + unit->RuleTo() + " " +
                       (unit->HasBaseUnits(messages) ? "base" : "") + "\n";
    }
    return summary;
}

TEST(UnitsDataFile, ReadWriteReadGivesTheSameModel) {
    TMessages messages;
    test::TempFolder folder;
    TCats first(test::FixturePath("units_model.unt"));
    ASSERT_TRUE(first.Root());
    WriteXmlTextFile(UnitsDataText(first.Root()), folder / "written.unt");
    TCats second(folder / "written.unt");
    ASSERT_TRUE(second.Root());

    EXPECT_GT(first.CatCount(), 5);
    EXPECT_EQ(ModelSummary(second, messages), ModelSummary(first, messages));
    EXPECT_EQ(DocumentSummary(second.Root()), DocumentSummary(first.Root()));
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(first.LoadMessages().empty());
    EXPECT_TRUE(second.LoadMessages().empty());
}

TEST(UnitsDataFile, CharactersBeyondAsciiSurviveTheFileEncoding) {
    test::TempFolder folder;
    LoadedDocument first("units_writer.unt");
    WriteXmlTextFile(UnitsDataText(first.root), folder / "written.unt");
    std::string bytes = test::ReadBytes(folder / "written.unt");
    EXPECT_NE(bytes.find("symbol=\"\xB5m\""), std::string::npos);
    EXPECT_NE(bytes.find("comment=\"&#937; is not"), std::string::npos);
    EXPECT_EQ(bytes.find("\" \n"), std::string::npos) << "every line ends in CR LF on disk";

    TXmlDocument second;
    second.LoadFromFile(folder / "written.unt");
    auto length = UnitsDataOf(second).Domains()[0].Categories()[0];
    EXPECT_EQ(length.Units()[2].Name(), "ångström");
    EXPECT_EQ(length.Units()[2].Symbol(), "Å");
    EXPECT_EQ(length.Units()[2].Comment(), "Ω is not in the code page");
    EXPECT_EQ(UnitsDataOf(second).Domains()[0].Categories()[1].Units()[0].Symbol(), "m²");
}

} // namespace
} // namespace varnel
