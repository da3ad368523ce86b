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

void StrToDimRec(std::string_view text, TDimRec& rec);
std::string DimRecToText(const TDimRec& rec);
TDimRec DimAddFactor(const TDimRec& rec, const TUnitRec& unit);
TDimRec DimMultiply(const TDimRec& a, const TDimRec& b);
TDimRec DimPower(const TDimRec& rec, int n);

std::string ApplyAbbrevs(std::string_view text);
std::string RevertAbbrevs(std::string_view text);

} // namespace varnel
