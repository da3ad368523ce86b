#include "units/UnitPartners.h"
#include "common/TextUtil.h"
#include "tests/units/GeneratedUnitsData.h"
#include "units/Validation.h"

#include <gtest/gtest.h>

#include <set>

namespace varnel {
namespace {

// The searches written as the plain walks over the categories that the index
// must agree with, errors included. Names and symbols are read once, the
// `enabled` flags as the walk meets them.
class LinearSearch {
public:
    LinearSearch(const std::vector<TXMLCategoryType>& cats, bool enabledOnly)
        : enabledOnly_(enabledOnly) {
        for (size_t c = 0; c < cats.size(); ++c) {
            int u = 0;
            for (TXMLUnitType unit : cats[c].Units())
                units_.push_back({unit, unit.Name(), unit.Symbol(), cats[c].Type() == "root",
                                  std::to_string(c) + "/" + std::to_string(u++)});
        }
    }

    std::string Find(const std::string& symbol, bool rootsOnly) {
        for (Unit& unit : units_)
            if ((!rootsOnly || unit.inRoot) && Partner(unit) && unit.symbol == symbol)
                return unit.position;
        return "none";
    }

    // Messages go into `messages` as they are found, so that those found
    // before an error are seen.
    void Duplicates(const TXMLUnitType& subject, std::vector<std::string>& messages) {
        std::string name = subject.Name();
        std::string symbol = subject.Symbol();
        for (Unit& unit : units_) {
            if (!Partner(unit) || unit.element == subject)
                continue;
            if (SameText(unit.name, name))
                messages.push_back("Duplicated unit names");
            if (unit.symbol == symbol)
                messages.push_back("Duplicated unit symbols");
        }
    }

private:
    struct Unit {
        TXMLUnitType element;
        std::string name;
        std::string symbol;
        bool inRoot;
        std::string position;
        int enabled = -1; // not read yet
    };

    bool Partner(Unit& unit) {
        if (!enabledOnly_)
            return true;
        if (unit.enabled < 0)
            unit.enabled = unit.element.Enabled() != 0; // raises again at every walk
        return unit.enabled == 1;
    }

    bool enabledOnly_;
    std::vector<Unit> units_;
};

std::string Indexed(const TUnitPartners& partners, const std::string& symbol, bool rootsOnly) {
    TPartnerPosition found = rootsOnly ? partners.FindInRoots(symbol) : partners.FindAny(symbol);
    return found ? std::to_string(found.Cat) + "/" + std::to_string(found.Unit) : "none";
}

void IndexedDuplicates(const TUnitPartners& partners, const TXMLUnitType& subject,
                       std::vector<std::string>& messages) {
    partners.ReportDuplicates(subject, [&](const char* message) { messages.push_back(message); });
}

// What a call gives: its result, or the error it raised.
template <class Call> auto Outcome(Call call) -> std::pair<decltype(call()), std::string> {
    try {
        return {call(), ""};
    } catch (const Exception& e) {
        return {{}, e.Message()};
    }
}

// The messages a duplicate search reported, followed by the error it raised.
template <class Search> std::vector<std::string> Reported(Search search) {
    std::vector<std::string> messages;
    try {
        search(messages);
    } catch (const Exception& e) {
        messages.push_back("error: " + e.Message());
    }
    return messages;
}

std::vector<TXMLCategoryType> CollectedCategories(const TXMLUnitsDataType& root, bool enabledOnly) {
    std::vector<TXMLCategoryType> cats;
    for (TXMLDomainType domain : root.Domains())
        if (domain.Enabled() != 0)
            for (TXMLCategoryType cat : domain.Categories())
                if (!enabledOnly || cat.Enabled() != 0)
                    cats.push_back(cat);
    return cats;
}

void ExpectSameAsLinear(const TXMLUnitsDataType& root, bool enabledOnly, int subjectStep) {
    std::vector<TXMLCategoryType> cats = CollectedCategories(root, enabledOnly);
    TUnitPartners partners(cats, enabledOnly);
    LinearSearch linear(cats, enabledOnly);
    std::set<std::string> symbols{"nowhere", ""};
    int subject = 0;
    for (const TXMLCategoryType& cat : cats)
        for (TXMLUnitType unit : cat.Units()) {
            symbols.insert(unit.Symbol());
            if (subject++ % subjectStep != 0)
                continue;
            EXPECT_EQ(Reported([&](auto& m) { IndexedDuplicates(partners, unit, m); }),
                      Reported([&](auto& m) { linear.Duplicates(unit, m); }))
                << unit.Name() << " " << enabledOnly;
        }
    for (const std::string& symbol : symbols)
        for (bool rootsOnly : {true, false})
            EXPECT_EQ(Outcome([&] { return Indexed(partners, symbol, rootsOnly); }),
                      Outcome([&] { return linear.Find(symbol, rootsOnly); }))
                << symbol << " " << rootsOnly << " " << enabledOnly;
}

TEST(UnitPartners, AgreesWithThePlainWalkOnAGeneratedFileOf5000Units) {
    TXmlDocument doc;
    doc.LoadFromText(test::GeneratedUnitsData(5000));
    TXMLUnitsDataType root = UnitsDataOf(doc);
    for (bool enabledOnly : {true, false})
        ExpectSameAsLinear(root, enabledOnly, 4);
}

TEST(UnitPartners, UnreadableEnabledRaisesWhereThePlainWalkWould) {
    TXmlDocument doc;
    doc.LoadFromText(R"(<UnitsData><domain enabled="1">
        <category name="A" type="root" enabled="1">
          <unit name="a" enabled="1" symbol="x"/><unit name="b" enabled="0" symbol="y"/>
        </category>
        <category name="B" type="sup" enabled="1">
          <unit name="A" enabled="1" symbol="z"/><unit name="c" symbol="w"/>
          <unit name="d" enabled="1" symbol="x"/>
        </category>
        <category name="C" type="root" enabled="1">
          <unit name="e" enabled="yes" symbol="v"/><unit name="a" enabled="1" symbol="x"/>
        </category></domain></UnitsData>)");
    ExpectSameAsLinear(UnitsDataOf(doc), true, 1);
    ExpectSameAsLinear(UnitsDataOf(doc), false, 1);
}

TEST(Validation, GeneratedFileOf5000UnitsIsValidatedWholly) {
    TXmlDocument doc;
    doc.LoadFromText(test::GeneratedUnitsData(5000));
    TValidationErrors errors;
    TMessages messages;
    ValidateUnitsData(UnitsDataOf(doc), errors, true, messages);
    auto found = [&errors](std::string_view kind) {
        for (const TValidationError& error : errors)
            if (error.Message.starts_with(kind))
                return true;
        return false;
    };
    // Every kind of fault the generator plants is found.
    for (const char* kind :
         {"Duplicated unit names", "Duplicated unit symbols", "Duplicated category names",
          "Incorrect keyword(s)", "Wrong conversion factor", "\"Conversion rule to\" is incorrect",
          "Wrong exponent in unit definition", "Uncorrespondent units", "Unknown unit (",
          "Wrong number of units"})
        EXPECT_TRUE(found(kind)) << kind;
}

} // namespace
} // namespace varnel
