#include "units/UnitsStatistics.h"
#include "common/Exception.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace varnel {
namespace {

std::string Units(const std::string& prefix, int count, const std::string& core) {
    std::string text = "<unit type=\"si-unit\" enabled=\"1\" symbol=\"" + core + "\"/>";
    for (int i = 1; i < count; ++i)
        text += "<unit type=\"factor\" enabled=\"" + std::string(i == 1 ? "0" : "1") +
                "\" symbol=\"" + prefix + std::to_string(i) + "\"/>";
    return text;
}

std::string Category(const std::string& type, const std::string& units, const char* enabled = "1") {
    return "<category type=\"" + type + "\" enabled=\"" + enabled + "\">" + units + "</category>";
}

// A root category of 10 units (m), one of 5 (s), a compound one of 3 whose
// core unit is m/s^2; the root category of s lies in a disabled domain.
std::string WorkedExample(const std::string& compoundCore = "m/s^2") {
    return "<UnitsData><domain enabled=\"1\">" + Category("root", Units("m", 10, "m")) +
           Category("comp", Units("a", 3, compoundCore), "0") + "</domain><domain enabled=\"0\">" +
           Category("root", Units("s", 5, "s")) + "</domain></UnitsData>";
}

TEST(UnitsStatistics, WorkedExampleCountsEveryDomain) {
    TXmlDocument doc;
    doc.LoadFromText(WorkedExample());
    TMessages messages;
    const TUnitsStatistics figures = UnitsStatistics(UnitsDataOf(doc), messages);
    EXPECT_EQ(figures.PossibleConversions, 10 + 5 + 10 * 5);
    EXPECT_EQ(figures.TotalCategories, 3);
    EXPECT_EQ(figures.EnabledCategories, 2);
    EXPECT_EQ(figures.TotalUnits, 18);
    EXPECT_EQ(figures.EnabledUnits, 9 + 4); // the compound category is disabled
    EXPECT_EQ(RootCategorySize(UnitsDataOf(doc), "s3"), 5);
    EXPECT_EQ(RootCategorySize(UnitsDataOf(doc), "S3"), 0);
    EXPECT_TRUE(messages.empty());
}

TEST(UnitsStatistics, RefusedAndUnknownCompoundCores) {
    TXmlDocument doc;
    doc.LoadFromText(WorkedExample("m/x"));
    TMessages messages;
    try {
        UnitsStatistics(UnitsDataOf(doc), messages);
        FAIL() << "no error";
    } catch (const EM& error) {
        EXPECT_EQ(error.Message(), "problem with m/x unit");
    }
    doc.LoadFromText(WorkedExample("m//s"));
    EXPECT_EQ(UnitsStatistics(UnitsDataOf(doc), messages).PossibleConversions, 15);
    EXPECT_EQ(messages.size(), 1u);
}

TEST(UnitsStatistics, LongCompoundNotationSaturates) {
    // 40 to the 13th power is beyond the largest 64-bit integer.
    std::string many = "m";
    for (int i = 1; i < 13; ++i)
        many += ".m" + std::to_string(i);
    TXmlDocument doc;
    doc.LoadFromText("<UnitsData><domain enabled=\"1\">" + Category("root", Units("m", 40, "m")) +
                     Category("comp", Units("a", 1, many)) + "</domain></UnitsData>");
    TMessages messages;
    EXPECT_EQ(UnitsStatistics(UnitsDataOf(doc), messages).PossibleConversions,
              std::numeric_limits<int64_t>::max());
}

TEST(KeywordMatch, WholeWordsWithoutRegardToCase) {
    struct Row {
        const char* name;
        const char* kw;
        std::vector<std::string> keywords;
        bool all;
        bool matches;
    };
    const std::vector<Row> rows = {
        {"OR, one found", "area,volume", {"length", "area"}, false, true},
        {"AND, one missing", "area,volume", {"length", "area"}, true, false},
        {"AND, all found", "Area, volume", {"volume", "AREA"}, true, true},
        {"part of a word", "length", {"len"}, false, false},
        {"quoted two words", "SI,\"fluid mechanics\"", {"fluid mechanics"}, false, true},
        {"one of two words", "\"fluid mechanics\"", {"fluid"}, false, false},
        {"no keyword ticked, OR", "length", {}, false, false},
        {"no keyword ticked, AND", "length", {}, true, false},
    };
    for (const Row& row : rows)
        EXPECT_EQ(KeywordsMatch(row.kw, row.keywords, row.all), row.matches) << row.name;
}

} // namespace
} // namespace varnel
