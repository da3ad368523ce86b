#pragma once

#include "convert/DimRec.h"
#include "units/UnitsData.h"

#include <string>

namespace varnel {

class TCats;

// The unit a picked category contributes: the symbol of its last enabled
// unit of type "si-unit"; empty when it has none.
std::string PickedCoreSymbol(const TXMLCategoryType& category);

// The symbol under which a unit of category catIndex joins rec. A unit of a
// supplemental category of that same category is rewritten in rec as the
// power of the category's core unit it stands for (a frequency unit as
// 1/s, 1/rpm as s), and the core unit is the answer; otherwise a unit of the
// category already in rec is. Without either, the unit's own symbol.
std::string MatchUnit(const TCats& cats, const std::string& symbol, int catIndex, TDimRec& rec);

// Adds the units written in core, each with its degree times sign, to the
// source and to the target record, each under the symbol MatchUnit gives.
// Units the categories do not hold are left out.
void AddPickedUnits(const TCats& cats, const std::string& core, int sign, TDimRec& source,
                    TDimRec& target);

} // namespace varnel
