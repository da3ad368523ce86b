#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

class TCats;
class TCat;
class TUnit;

// Text as a search compares it: lower case, accents dropped (é as e), the
// micro sign and Greek mu as u, Omega as ohm.
std::string FoldForSearch(std::string_view text);

struct TUnitMatch {
    int CatIndex = -1;
    int UnitIndex = -1;
};

// Whether a unit is what a user looks for with `word` (already folded): the
// word is part of its name, symbol or an alias, equals one of its keywords,
// or is part of its category's name. An empty word matches every unit.
bool UnitMatches(const TUnit& unit, const TCat& cat, std::string_view foldedWord);

// The matching units of all categories, in load order.
std::vector<TUnitMatch> SearchUnits(const TCats& cats, std::string_view word);

// The other units of the same name with another qualifier, "ounce (troy)"
// for "ounce (avoirdupois)": what a user may have meant instead.
std::vector<const TUnit*> VariantsOf(const TCats& cats, const TUnit& unit);

} // namespace varnel
