#pragma once

#include <string>
#include <unordered_map>
#include <vector>

namespace varnel {

class TCats;
class TUnit;

// The units of a model by their name without its qualifier, folded as a
// search compares it: the variants of every unit in a list are found without
// going through all units for each of them.
class TVariantIndex {
public:
    explicit TVariantIndex(const TCats& cats);

    // The other units of the same name with another qualifier, then those
    // known to be taken for it; see VariantsOf in UnitSearch.h.
    std::vector<const TUnit*> VariantsOf(const TUnit& unit) const;
    // "not to be taken for ounce (troy) [ozt], ..."; empty for none.
    std::string VariantNote(const TUnit& unit) const;

private:
    std::unordered_map<std::string, std::vector<const TUnit*>> unitsByName_;
    // Per group of symbols known to be taken for one another, the units that
    // carry them.
    std::vector<std::vector<const TUnit*>> confusedUnits_;
};

} // namespace varnel
