#pragma once

#include "units/UnitNotation.h"

#include <string>
#include <string_view>

namespace varnel {

class TConvert;

// A typed value: a number, or an arithmetic expression worked out by the
// program's own parser ("5*12+11", "1/3"). Problem says why it is neither.
struct TTypedValue {
    bool Ok = false;
    double Value = 0;
    std::string Problem;
};

// Blanks inside the value are dropped first: they may group thousands.
TTypedValue ReadTypedValue(std::string_view text);

// Why a quantity typed by the user cannot be read, in words for the user:
// units without brackets, text after them, a value that is no number, units
// that break the notation. Empty when it can be read.
std::string QuantityProblem(std::string_view quantity);
// The first unit of the quantity that `units` does not know, with its
// character position; empty when there is none. Such a unit is carried
// through a conversion unchanged.
std::string UnknownUnitProblem(std::string_view quantity, const TConvert& units);
// The same for a quantity whose units are already parsed into `entries`.
std::string UnknownUnitProblem(std::string_view quantity, const TUnitEntries& entries,
                               const TConvert& units);
// The units of a quantity as the checks read them; false, with the
// notation's reason in `problem`, when they break the notation.
bool ParseQuantityUnits(std::string_view quantity, TUnitEntries& entries, std::string& problem);

} // namespace varnel
