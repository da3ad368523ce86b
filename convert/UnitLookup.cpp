#include "convert/UnitLookup.h"

#include "common/TextUtil.h"
#include "units/Cats.h"

namespace varnel {

bool TUnitLookup::FindUnit(const TCats& cats, std::string_view symbol, int& catIndex,
                           int& unitIndex) {
    Build(cats);
    // Stored symbols are compared untrimmed with the trimmed text, so a symbol
    // with outer blanks stays unfound, as in the linear search.
    auto found = units_.find(Trim(symbol));
    if (found == units_.end()) {
        catIndex = -1;
        unitIndex = -1;
        return false;
    }
    catIndex = found->second.first;
    unitIndex = found->second.second;
    return true;
}

bool TUnitLookup::HasRuleUnits(const TCats& cats, int catIndex) {
    return FactsOf(cats, catIndex).HasRuleUnits;
}

TCatKind TUnitLookup::CatKind(const TCats& cats, int catIndex) {
    return FactsOf(cats, catIndex).Kind;
}

const TUnitLookup::TCatFacts& TUnitLookup::FactsOf(const TCats& cats, int catIndex) {
    static const TCatFacts none;
    Build(cats);
    if (catIndex < 0 || catIndex >= static_cast<int>(cats_.size()))
        return none;
    return cats_[static_cast<size_t>(catIndex)];
}

void TUnitLookup::Reset() {
    built_ = false;
    units_.clear();
    cats_.clear();
}

void TUnitLookup::Build(const TCats& cats) {
    if (built_)
        return;
    for (int i = 0; i < cats.CatCount(); ++i) {
        const TUnitList& units = cats.Cats(i)->Units();
        for (int j = 0; j < units.Count(); ++j)
            units_.try_emplace(units[j]->Symbol(), i, j);
        cats_.push_back({cats.Cats(i)->Kind(), cats.Cats(i)->HasRuleUnits()});
    }
    // An alias never hides a symbol, and the first unit to claim one keeps it.
    for (int i = 0; i < cats.CatCount(); ++i) {
        const TUnitList& units = cats.Cats(i)->Units();
        for (int j = 0; j < units.Count(); ++j)
            for (const std::string& alias : SplitCommaText(units[j]->Node().Alias()))
                units_.try_emplace(alias, i, j);
    }
    built_ = true;
}

} // namespace varnel
