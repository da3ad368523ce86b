#include "units/VariantIndex.h"

#include "common/TextUtil.h"
#include "units/Cats.h"
#include "units/Unit.h"
#include "units/UnitSearch.h"

#include <algorithm>
#include <string_view>

namespace varnel {

namespace {

// Symbols of units that people take for one another although their names
// differ: a horsepower that is metric, the food calorie that is a
// kilocalorie, the tons of mass, refrigeration and ship volume, and the
// symbols written for more than one unit (Nm, Gb, kt, RT).
const std::vector<std::vector<std::string_view>> ConfusedSymbols = {
    {"hp", "PS", "hp_E", "hp_B", "hp_W", "hp_UK"},
    {"Cal", "kcal", "kcal_IT", "cal"},
    {"ton", "ton_UK", "t", "TR", "RT"},
    {"oz", "ozt", "floz", "floz_UK"},
    {"yr", "yr_G", "yr_365", "yr_366", "yr_trop", "yr_sid"},
    {"Nm", "N.m", "nmi", "nm"},
    {"Gb", "Gbit", "GB"},
    {"kt", "ktTNT", "nmi/h", "karat"},
};

// "ounce" of "ounce (troy)".
std::string UnqualifiedName(const std::string& name) {
    return FoldForSearch(Trim(name.substr(0, name.find(" ("))));
}

void AddVariant(std::vector<const TUnit*>& variants, const std::string& symbol,
                const TUnit* other) {
    const std::string otherSymbol = other->Symbol();
    if (otherSymbol == symbol)
        return;
    for (const TUnit* known : variants)
        if (known->Symbol() == otherSymbol)
            return;
    variants.push_back(other);
}

} // namespace

TVariantIndex::TVariantIndex(const TCats& cats) {
    for (const TUnit* unit : cats.AllUnits())
        unitsByName_[UnqualifiedName(unit->Name())].push_back(unit);
    // A symbol stands for its first unit, in the order the categories are
    // searched for a typed symbol.
    std::unordered_map<std::string, const TUnit*> firstBySymbol;
    for (int i = 0; i < cats.CatCount(); ++i)
        for (const TUnit* unit : cats.Cats(i)->Units())
            firstBySymbol.emplace(unit->Symbol(), unit);
    for (const std::vector<std::string_view>& symbols : ConfusedSymbols) {
        std::vector<const TUnit*>& units = confusedUnits_.emplace_back();
        for (std::string_view symbol : symbols)
            if (const auto found = firstBySymbol.find(std::string(symbol));
                found != firstBySymbol.end())
                units.push_back(found->second);
    }
}

std::vector<const TUnit*> TVariantIndex::VariantsOf(const TUnit& unit) const {
    const std::string symbol = unit.Symbol();
    std::vector<const TUnit*> variants;
    if (const auto named = unitsByName_.find(UnqualifiedName(unit.Name()));
        named != unitsByName_.end())
        for (const TUnit* other : named->second)
            AddVariant(variants, symbol, other);
    for (size_t group = 0; group < ConfusedSymbols.size(); ++group) {
        const std::vector<std::string_view>& symbols = ConfusedSymbols[group];
        if (std::find(symbols.begin(), symbols.end(), symbol) == symbols.end())
            continue;
        for (const TUnit* other : confusedUnits_[group])
            AddVariant(variants, symbol, other);
    }
    return variants;
}

std::string TVariantIndex::VariantNote(const TUnit& unit) const {
    std::string note;
    for (const TUnit* variant : VariantsOf(unit))
        note += (note.empty() ? "not to be taken for " : ", ") + variant->NameAndSymbol();
    return note;
}

} // namespace varnel
