#include "units/Validation.h"
#include "common/TextFile.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace varnel {
namespace {

// "message | unit:name", "message | category:name" or "message |" (no element).
std::string Entry(const TValidationError& error) {
    std::string entry = error.Message + " |";
    if (error.Element)
        entry += std::string(" ") + error.Element.Node().name() + ":" +
                 error.Element.Node().attribute("name").value();
    return entry;
}

std::vector<std::string> Entries(const TValidationErrors& errors) {
    std::vector<std::string> entries;
    for (const TValidationError& error : errors)
        entries.push_back(Entry(error));
    return entries;
}

std::string ValidBase() {
    return ReadTextFile(test::FixturePath("units_validation.unt"));
}

// The valid fixture with one more enabled domain holding the given categories.
std::string WithDomain(const std::string& categories, const std::string& enabled = "1") {
    std::string text = ValidBase();
    text.insert(text.find("</UnitsData>"),
                "<domain name=\"Rule\" enabled=\"" + enabled + "\">" + categories + "</domain>");
    return text;
}

std::string Unit(const std::string& name, const std::string& type, const std::string& symbol,
                 const std::string& extra = "") {
    return "<unit name=\"" + name + "\" type=\"" + type + "\" enabled=\"1\" symbol=\"" + symbol +
           "\" " + extra + "/>";
}

std::string Category(const std::string& name, const std::string& type, const std::string& units,
                     const std::string& enabled = "1") {
    return "<category name=\"" + name + "\" type=\"" + type + "\" enabled=\"" + enabled + "\">" +
           units + "</category>";
}

// A category that passes by itself, around the units of a test.
std::string Around(const std::string& units) {
    return Category("Test", "root", Unit("test unit", "si-unit", "tu") + units);
}

struct Validated {
    explicit Validated(const std::string& text, bool enabledOnly = true) {
        doc.LoadFromText(text);
        ValidateUnitsData(UnitsDataOf(doc), errors, enabledOnly, messages);
    }
    TXmlDocument doc;
    TValidationErrors errors;
    TMessages messages;
};

TEST(Validation, TheValidFixturePasses) {
    for (bool enabledOnly : {true, false}) {
        Validated v(ValidBase(), enabledOnly);
        EXPECT_EQ(Entries(v.errors), std::vector<std::string>{}) << enabledOnly;
        EXPECT_TRUE(v.messages.empty());
    }
}

struct RuleRow {
    const char* name;
    std::string categories;
    std::vector<std::string> entries;
};

TEST(Validation, EachRuleReportsItsMessagesInOrder) {
    const RuleRow rows[] = {
        {"category name blank",
         Category(" &#9; ", "root", Unit("u", "si-unit", "u")),
         {"Category name is empty | category: \t "}},
        {"category type wrong",
         Category("Bad", "dim", Unit("u", "si-unit", "u")),
         {"Category type is wrong | category:Bad"}},
        {"category type in other case passes",
         Category("Good", "ROOT", Unit("u", "si-unit", "u")),
         {}},
        {"duplicated category names, from both sides",
         Category("length", "root", Unit("u", "si-unit", "u")),
         {"Duplicated category names | category:Length",
          "Duplicated category names | category:length"}},
        {"core unit in other case is no core unit",
         Category("C", "root", Unit("u", "SI-unit", "u")),
         {"Each category must have one core-unit | category:C"}},
        {"two core units, one disabled",
         Category("C", "root",
                  Unit("u", "si-unit", "u") +
                      "<unit name=\"v\" type=\"si-unit\" enabled=\"0\" symbol=\"v\"/>"),
         {"Each category must have one core-unit | category:C"}},
        {"sup core unit of two units",
         Category("S", "sup", Unit("ms", "si-unit", "m.s")),
         {"Core-unit of suplemental category must have one root core-unit to be supl. to | "
          "unit:ms"}},
        {"sup core unit of a unit in a Root category",
         Category("Rooted", "Root", Unit("yard", "si-unit", "yd")) +
             Category("S", "sup", Unit("square yard", "si-unit", "yd^2")),
         {"Unknown core-unit of suplemental category | unit:square yard"}},
        {"comp core unit unknown",
         Category("P", "comp", Unit("per thing", "si-unit", "m/zz")),
         {"Unknown core-unit (zz) of compound category | unit:per thing"}},
        {"comp factor units",
         Category("P", "comp",
                  Unit("core", "si-unit", "m/min") +
                      Unit("fine", "factor", "mi/h", "factor=\"0.44704\"") +
                      Unit("exponent", "factor", "km/min^2", "factor=\"1\"") +
                      Unit("count", "factor", "ft", "factor=\"1\"") +
                      Unit("mixed", "factor", "km/kg", "factor=\"1\"") +
                      Unit("both", "factor", "km/g^2", "factor=\"1\"") +
                      Unit("unknown", "factor", "km/zz", "factor=\"1\"")),
         {"Wrong exponent in unit definition -> min | unit:exponent",
          "Wrong number of units (ft) of compound category | unit:count",
          "Uncorrespondent units in definition ->kg | unit:mixed",
          "Wrong exponent in unit definition -> g | unit:both",
          "Uncorrespondent units in definition ->g | unit:both",
          "Unknown unit (zz) of compound category | unit:unknown"}},
        {"aliases that are a symbol or another unit's alias",
         Around(Unit("a", "factor", "a", "alias=\"tu,aa\" factor=\"1\"") +
                Unit("b", "factor", "b", "alias=\"aa, bb\" factor=\"1\"")),
         {"Alias is the symbol of a unit -> tu | unit:a", "Duplicated aliases -> aa | unit:a",
          "Duplicated aliases -> aa | unit:b"}},
        {"keywords",
         Around(Unit("a", "factor", "a", "kw=\"LENGTH, Time\" factor=\"1\"") +
                Unit("b", "factor", "b", "kw=\"length,volume\" factor=\"1\"")),
         {"Incorrect keyword(s) | unit:b"}},
        {"unit name blank",
         Around(Unit("  ", "factor", "nb", "factor=\"1\"")),
         {"Unit name is empty | unit:  "}},
        {"unit symbol empty, blank passes",
         Around(Unit("empty", "factor", "", "factor=\"1\"") +
                Unit("blank", "factor", " ", "factor=\"1\"")),
         {"Unit symbol is empty | unit:empty"}},
        {"duplicated unit names, from both sides",
         Around(Unit("Foot", "factor", "Ft", "factor=\"0.3048\"") +
                Unit("foot", "factor", "ft", "factor=\"0.3048\"")),
         {"Duplicated unit names | unit:Foot", "Duplicated unit names | unit:foot"}},
        {"duplicated unit symbols, one per partner",
         Around(Unit("x1", "factor", "km", "factor=\"1\"") +
                Unit("x2", "factor", "km", "factor=\"1\"")),
         {"Duplicated unit symbols | unit:kilometre", "Duplicated unit symbols | unit:kilometre",
          "Duplicated unit symbols | unit:x1", "Duplicated unit symbols | unit:x1",
          "Duplicated unit symbols | unit:x2", "Duplicated unit symbols | unit:x2"}},
        {"same name and symbol: name first, per partner",
         Around(Unit("Mile", "factor", "mi", "factor=\"1\"")),
         {"Duplicated unit names | unit:mile", "Duplicated unit symbols | unit:mile",
          "Duplicated unit names | unit:Mile", "Duplicated unit symbols | unit:Mile"}},
        {"unit type wrong", Around(Unit("odd", "weird", "odd")), {"Unit type is wrong | unit:odd"}},
        {"base units",
         Category("B1", "root", Unit("b1", "si-unit", "b1", "in_base_units=\"m.g\"")) +
             Category("B2", "root", Unit("b2", "si-unit", "b2", "in_base_units=\" 1 \"")) +
             Category("B3", "Root", Unit("b3", "si-unit", "b3", "in_base_units=\"m.g\"")) +
             Category("B4", "root", Unit("b4", "si-unit", "b4", "in_base_units=\"kg.m/s^2\"")),
         {"Base units problem | unit:b1"}},
        {"conversion factor",
         Around(Unit("comma", "factor", "c", "factor=\"1,5\"") + Unit("none", "factor", "n") +
                Unit("spaced", "Factor", "sp", "factor=\" 2\"")),
         {"Wrong conversion factor | unit:comma", "Wrong conversion factor | unit:none"}},
        {"conversion rules",
         Around(Unit("r1", "rule", "r1", "rule_from=\"x*2\" rule_to=\"#/2\"") +
                Unit("r2", "RULE", "r2", "rule_from=\"#*2\"")),
         {"\"Conversion rule from\" is incorrect | unit:r1",
          "\"Conversion rule to\" is incorrect | unit:r2"}},
        {"factor that would divide by zero, or turn the sign",
         Around(Unit("zero", "factor", "z0", "factor=\"0\"") +
                Unit("minus zero", "factor", "z1", "factor=\"-0\"") +
                Unit("negative", "factor", "ng", "factor=\"-2.5\"")),
         {"Conversion factor is zero | unit:zero", "Conversion factor is zero | unit:minus zero",
          "Conversion factor is negative | unit:negative"}},
        {"rules that cannot be evaluated; rules sound for some inputs pass",
         Around(Unit("r1", "rule", "r1", "rule_from=\"#/0\" rule_to=\"r(#)\"") +
                Unit("r2", "rule", "r2", "rule_from=\"#!\" rule_to=\"(#*2\"") +
                Unit("r3", "rule", "r3", "rule_from=\"sqrt(#)\" rule_to=\"sqrt(#-1)\"") +
                Unit("r4", "rule", "r4", "rule_from=\"ln(#-1)\" rule_to=\"1/(#+0.5)\"")),
         {"\"Conversion rule from\" cannot be evaluated: Floating point division by zero | "
          "unit:r1",
          "\"Conversion rule to\" cannot be evaluated: Error parsing expression: R(0.5) | unit:r1",
          "\"Conversion rule from\" cannot be evaluated: Error parsing expression: 0.5! | unit:r2",
          "\"Conversion rule to\" cannot be evaluated: Missing brackets in expression | "
          "unit:r2"}},
        {"symbols that break a quantity or a batch line; a slash is notation",
         Around(Unit("b1", "factor", "a[b", "factor=\"1\"") +
                Unit("b2", "factor", "a]", "factor=\"1\"") +
                Unit("b3", "factor", "a->b", "factor=\"1\"") +
                Unit("b4", "factor", "a/b", "factor=\"1\"")),
         {"Unit symbol holds a bracket or an arrow | unit:b1",
          "Unit symbol holds a bracket or an arrow | unit:b2",
          "Unit symbol holds a bracket or an arrow | unit:b3"}},
        {"rule unit in a sup category",
         Category("Volume", "sup",
                  Unit("cubic metre", "si-unit", "m^3") +
                      Unit("odd volume", "rule", "ov", "rule_from=\"#\" rule_to=\"#\"")),
         {"\"Rule type conversion is not allowed in sup. categories | unit:odd volume"}},
        {"a unit meets several rules, in step order",
         Around(Unit(" ", "nonsense", "", "kw=\"nothing\"")),
         {"Incorrect keyword(s) | unit: ", "Unit name is empty | unit: ",
          "Unit symbol is empty | unit: ", "Unit type is wrong | unit: "}},
    };
    for (const RuleRow& row : rows) {
        Validated v(WithDomain(row.categories));
        EXPECT_EQ(Entries(v.errors), row.entries) << row.name;
    }
}

TEST(Validation, SupRuleMessageHasOneLeadingQuoteAnd55Characters) {
    Validated v(WithDomain(Category("V", "sup",
                                    Unit("c", "si-unit", "m^3") +
                                        Unit("r", "rule", "r", "rule_from=\"#\" rule_to=\"#\""))));
    ASSERT_EQ(v.errors.size(), 1u);
    EXPECT_EQ(v.errors[0].Message.size(), 55u);
    EXPECT_EQ(v.errors[0].Message.front(), '"');
    EXPECT_NE(v.errors[0].Message.back(), '"');
}

TEST(Validation, HeaderMessagesComeFirstWithoutElement) {
    std::string text = ValidBase();
    text.replace(text.find("version=\"1.00\""), 14, "version=\"1.0\"");
    text.replace(text.find("copyright=\"Quillmere\""), 21, "copyright=\"quillmere\"");
    text.insert(text.find("</UnitsData>"), "<domain name=\"R\" enabled=\"1\">" +
                                               Category("", "root", Unit("u", "si-unit", "u")) +
                                               "</domain>");
    Validated v(text);
    EXPECT_EQ(Entries(v.errors), (std::vector<std::string>{"Wrong version - possible mismaches. |",
                                                           "WRONG COPYRIGHT NOTICE ! |",
                                                           "Category name is empty | category:"}));
    EXPECT_FALSE(v.errors[0].Element);
}

TEST(Validation, AttachedElementIsTheDocumentsOwn) {
    Validated v(WithDomain(Around(Unit("odd", "weird", "odd"))));
    ASSERT_EQ(v.errors.size(), 1u);
    TXMLUnitType odd = UnitsDataOf(v.doc).Domains()[2].Categories()[0].Units()[1];
    EXPECT_EQ(v.errors[0].Element, odd);
}

TEST(Validation, EnabledOnlyDecidesAboutDisabledSubjectsAndPartners) {
    std::string disabled =
        "<unit name=\"\" type=\"factor\" enabled=\"0\" symbol=\"km\" factor=\"1\"/>"
        "<unit name=\"Mile\" type=\"factor\" enabled=\"0\" symbol=\"dm\" factor=\"1\"/>";
    std::string text =
        WithDomain(Around(disabled) + Category("", "nonsense", Unit("x", "si-unit", "x"), "0"));
    Validated all(text, false);
    EXPECT_EQ(Entries(all.errors),
              (std::vector<std::string>{
                  "Duplicated unit symbols | unit:kilometre", "Duplicated unit names | unit:mile",
                  "Unit name is empty | unit:", "Duplicated unit symbols | unit:",
                  "Duplicated unit names | unit:Mile",
                  "Category name is empty | category:", "Category type is wrong | category:"}));
    Validated enabled(text, true);
    EXPECT_EQ(Entries(enabled.errors), std::vector<std::string>{});
}

TEST(Validation, DisabledDomainIsNeverTested) {
    for (bool enabledOnly : {true, false}) {
        Validated v(WithDomain(Category("", "nonsense", Unit("", "x", "")), "0"), enabledOnly);
        EXPECT_EQ(Entries(v.errors), std::vector<std::string>{}) << enabledOnly;
    }
}

TEST(Validation, RejectedCoreSymbolShowsTheParserMessageAndSkipsTheCoreTests) {
    Validated v(
        WithDomain(Category("S", "sup", Unit("bad", "si-unit", "m/s/kg")) +
                   Category("P", "comp",
                            Unit("core", "si-unit", "m/min") +
                                Unit("two slashes", "factor", "km.h/s/x", "factor=\"1\""))));
    // The factor unit is compared with what was read before the fault: km, h, s.
    EXPECT_EQ(Entries(v.errors),
              (std::vector<std::string>{"Wrong number of units (km.h/s/x) of compound category | "
                                        "unit:two slashes"}));
    EXPECT_EQ(v.messages, (std::vector<std::string>{"Only one \"/\" is allowed.",
                                                    "Only one \"/\" is allowed."}));
}

class RecordedProgress : public TValidationProgress {
public:
    void Started() override { events.push_back("started"); }
    void SetMaximum(int n) override { events.push_back("maximum " + std::to_string(n)); }
    void ShowCategory(const std::string& name) override { events.push_back("show " + name); }
    void ProcessEvents() override { events.push_back("events"); }
    void Finished() override { events.push_back("finished"); }
    std::vector<std::string> events;
};

TEST(Validation, ProgressShowsEveryCategoryOfTheEnabledDomains) {
    std::string text = "<UnitsData><description version=\"1.00\" copyright=\"Quillmere\"/>"
                       "<domain enabled=\"1\">" +
                       Category("A", "root", Unit("a", "si-unit", "a")) +
                       Category("B", "root", "", "0") + "</domain><domain enabled=\"0\">" +
                       Category("C", "root", "") + "</domain></UnitsData>";
    TXmlDocument doc;
    doc.LoadFromText(text);
    TValidationErrors errors;
    RecordedProgress progress;
    TMessages messages;
    ValidateUnitsData(UnitsDataOf(doc), errors, true, messages, &progress);
    EXPECT_EQ(progress.events,
              (std::vector<std::string>{"started", "events", "events", "maximum 1", "show A",
                                        "events", "show B", "events", "finished"}));
}

TEST(Validation, ErrorDuringTheWalkKeepsEntriesAndEndsTheProgress) {
    std::string text =
        WithDomain(Around(Unit("odd", "weird", "odd") +
                          "<unit name=\"no flag\" type=\"factor\" symbol=\"nf\" factor=\"1\"/>"));
    text.replace(text.find("version=\"1.00\""), 14, "version=\"1.0\"");
    TXmlDocument doc;
    doc.LoadFromText(text);
    TValidationErrors errors{{"stale entry", {}}};
    RecordedProgress progress;
    TMessages messages;
    try {
        ValidateUnitsData(UnitsDataOf(doc), errors, true, messages, &progress);
        FAIL() << "no error";
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'' is not a valid integer value");
    }
    // The first unit tested looks for duplicates among all partners and
    // meets the unreadable flag there, after its own messages.
    EXPECT_EQ(Entries(errors), std::vector<std::string>{"Wrong version - possible mismaches. |"});
    EXPECT_EQ(progress.events.back(), "finished");

    // Without EnabledOnly the flag of a unit is never read.
    ValidateUnitsData(UnitsDataOf(doc), errors, false, messages, &progress);
    EXPECT_EQ(Entries(errors), (std::vector<std::string>{"Wrong version - possible mismaches. |",
                                                         "Unit type is wrong | unit:odd"}));
}

} // namespace
} // namespace varnel
