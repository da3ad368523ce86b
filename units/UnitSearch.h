#pragma once

#include "units/UnitsData.h"

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

// A category whose name matches, or one of whose enabled units does; the
// window's search filters its category trees with it.
bool CategoryMatches(const TXMLCategoryType& category, std::string_view foldedWord);

// Whether one of the category's enabled units has the word as its symbol or
// an alias: the category a search for "mph" means, before any that merely
// holds the letters.
bool CategoryNamesUnit(const TXMLCategoryType& category, std::string_view foldedWord);

// The unit of cat a search word points at: the first whose symbol or alias
// is the word, else the first whose name, symbol, alias or keyword matches;
// -1 when none does (the category's name may still match).
int SearchedUnitIndex(const TCat& cat, std::string_view foldedWord);

// The matching units of all categories, in load order.
std::vector<TUnitMatch> SearchUnits(const TCats& cats, std::string_view word);

// The other units of the same name with another qualifier, "ounce (troy)"
// for "ounce (avoirdupois)", and those known to be taken for it under
// another name or the same written symbol: what a user may have meant.
std::vector<const TUnit*> VariantsOf(const TCats& cats, const TUnit& unit);

// "not to be taken for ounce (troy) [ozt], ..."; empty for a unit without
// variants. The hints of the window and `varnel --search` say it alike.
std::string VariantNote(const TCats& cats, const TUnit& unit);

} // namespace varnel
