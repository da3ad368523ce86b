#include "units/UnitsStatistics.h"

#include "common/Exception.h"
#include "common/TextUtil.h"
#include "units/UnitNotation.h"

#include <algorithm>
#include <limits>

namespace varnel {

namespace {

constexpr int64_t MaxConversions = std::numeric_limits<int64_t>::max();

int64_t SaturatedProduct(int64_t a, int64_t b) {
    int64_t product = 0;
    return __builtin_mul_overflow(a, b, &product) ? MaxConversions : product;
}

int64_t SaturatedSum(int64_t a, int64_t b) {
    int64_t sum = 0;
    return __builtin_add_overflow(a, b, &sum) ? MaxConversions : sum;
}

// The last unit of the category whose type is exactly "si-unit".
TXMLUnitType LastCoreUnit(const TXMLCategoryType& category) {
    TXMLUnitType core;
    for (TXMLUnitType unit : category.Units())
        if (unit.Type() == UnitTypes[0])
            core = unit;
    return core;
}

int64_t CompoundConversions(const TXMLUnitsDataType& root, const TXMLCategoryType& category,
                            TMessages& messages) {
    const TXMLUnitType core = LastCoreUnit(category);
    if (!core)
        return 0;
    TUnitEntries entries;
    if (!ParseUnits(core.Symbol(), entries, messages))
        return 0;
    int64_t product = 1;
    for (const TUnitRec& entry : entries) {
        const int size = RootCategorySize(root, entry.Symbol);
        if (size == 0)
            throw EM("problem with " + core.Symbol() + " unit");
        product = SaturatedProduct(product, size);
    }
    return product;
}

} // namespace

int RootCategorySize(const TXMLUnitsDataType& root, std::string_view symbol) {
    int size = 0;
    for (TXMLDomainType domain : root.Domains())
        for (TXMLCategoryType category : domain.Categories()) {
            if (category.Type() != CatTypes[0])
                continue;
            bool holds = false;
            for (TXMLUnitType unit : category.Units())
                holds = holds || unit.Symbol() == symbol;
            if (holds)
                size = category.Units().Count();
        }
    return size;
}

TUnitsStatistics UnitsStatistics(const TXMLUnitsDataType& root, TMessages& messages) {
    TUnitsStatistics statistics;
    for (TXMLDomainType domain : root.Domains())
        for (TXMLCategoryType category : domain.Categories()) {
            ++statistics.TotalCategories;
            const bool enabled = category.Enabled() == 1;
            if (enabled)
                ++statistics.EnabledCategories;
            const bool compound = category.Type() == CatTypes[2];
            for (TXMLUnitType unit : category.Units()) {
                ++statistics.TotalUnits;
                if (enabled && unit.Enabled() == 1)
                    ++statistics.EnabledUnits;
                if (!compound)
                    statistics.PossibleConversions =
                        SaturatedSum(statistics.PossibleConversions, 1);
            }
            if (compound)
                statistics.PossibleConversions = SaturatedSum(
                    statistics.PossibleConversions, CompoundConversions(root, category, messages));
        }
    return statistics;
}

bool KeywordFound(std::string_view kw, std::string_view keyword) {
    const std::vector<std::string> words = SplitCommaText(kw);
    return std::any_of(words.begin(), words.end(),
                       [&](const std::string& word) { return SameText(word, keyword); });
}

bool KeywordsMatch(std::string_view kw, const std::vector<std::string>& keywords, bool all) {
    if (keywords.empty())
        return false;
    auto found = [&](const std::string& keyword) { return KeywordFound(kw, keyword); };
    return all ? std::all_of(keywords.begin(), keywords.end(), found)
               : std::any_of(keywords.begin(), keywords.end(), found);
}

} // namespace varnel
