#pragma once

#include "common/Messages.h"
#include "units/UnitsData.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace varnel {

// Figures about a whole units data document, every domain included whatever
// its `enabled`.
struct TUnitsStatistics {
    int TotalCategories = 0;
    int EnabledCategories = 0; // `enabled` exactly 1
    int TotalUnits = 0;
    int EnabledUnits = 0; // `enabled` exactly 1, in a category whose `enabled` is exactly 1
    // One per unit of a category that is not "comp", plus, per "comp"
    // category, the product of the root-category sizes of its core unit's
    // symbols; saturates at the largest 64-bit value.
    int64_t PossibleConversions = 0;
};

// Raises EM "problem with " + symbol + " unit" when a compound core unit
// holds a symbol that no root category has. A notation the parser rejects
// adds nothing; the parser's complaint goes to `messages`.
TUnitsStatistics UnitsStatistics(const TXMLUnitsDataType& root, TMessages& messages);

// The number of units of the last root category (type exactly "root") that
// has a unit with exactly this symbol; 0 when none has.
int RootCategorySize(const TXMLUnitsDataType& root, std::string_view symbol);

// Whether a keyword is one of the words of a unit's `kw` comma text, without
// regard to case; a part of a word is not found.
bool KeywordFound(std::string_view kw, std::string_view keyword);
// A unit's `kw` against the chosen keywords: any of them (all false) or every
// one (all true). No keyword chosen matches nothing.
bool KeywordsMatch(std::string_view kw, const std::vector<std::string>& keywords, bool all);

} // namespace varnel
