#pragma once

#include "units/UnitNotation.h"

#include <limits>
#include <string>
#include <vector>

namespace varnel {

// A whole quantity: number, the number as written, and its factors.
struct TDimRec {
    double Number = std::numeric_limits<double>::quiet_NaN();
    std::string NumberText;
    std::vector<TUnitRec> Factors;
};

// Messages say why the units were refused (the factors then stay as they
// were).
void StrToDimRec(std::string_view text, TDimRec& rec, TMessages& messages);
std::string DimRecToText(const TDimRec& rec);
TDimRec DimAddFactor(const TDimRec& rec, const TUnitRec& unit);
TDimRec DimMultiply(const TDimRec& a, const TDimRec& b);
TDimRec DimPower(const TDimRec& rec, int n);

std::string ApplyAbbrevs(std::string_view text, TMessages& messages);
std::string RevertAbbrevs(std::string_view text, TMessages& messages);
// The factors' symbols that are abbreviation values turned back into names,
// as RevertAbbrevs does for a whole quantity.
void RevertAbbrevsOf(std::vector<TUnitRec>& factors);

} // namespace varnel
