#pragma once

#include "units/Unit.h"
#include "units/UnitNotation.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace varnel {

class TConvert;

// Units written as a multiple of the seven base units. A category that has no
// base units of its own (an angle, a count, information) stands for itself,
// under its core unit's symbol, so that rad/s never passes for 1/s.
struct TBaseUnits {
    long double Scale = 1; // base units in one of these units
    TBaseExponents Exponents{};
    std::map<std::string, int32_t> OwnDimensions;
    // A single rule unit: its rules lead to and from the core unit.
    const TUnit* RuleUnit = nullptr;
    // Some unit stands for more than one base unit (J, kW, a speed).
    bool Derived = false;
    // The power of revolutions a frequency unit counts (rpm: 1); such a unit
    // is also an angle per time.
    int32_t Turns = 0;
    // The units in the data's own symbols.
    std::string Written;

    bool SameDimension(const TBaseUnits& other) const;
    // The dimension in unit notation: "m^2.kg/s^2", "rad/s", "1".
    std::string DimensionText() const;
};

struct TCompatibleResult {
    bool Converted = false;
    double Number = 0;
    std::string Text; // "3600000 [J]"
    // "Not compatible: ..." when both sides have base units that differ;
    // empty when either side has none.
    std::string Error;
    // Either side names units that stand for more than one base unit.
    bool Derived = false;
};

// Converts between units of different categories (or of no category at all,
// such as kW.h) whose base units agree: kW.h to J, lbf/in^2 to kPa.
class TCompatibleUnits {
public:
    explicit TCompatibleUnits(const TConvert& units) : units_(units) {}

    // The base units of a notation, or nothing when a unit is unknown, has
    // no definition in base units, or is a rule unit among others. Shows no
    // message.
    std::optional<TBaseUnits> Decompose(std::string_view notation) const;
    // number in sourceUnits to targetUnits. Rule errors reach the caller.
    TCompatibleResult Convert(double number, std::string_view sourceUnits,
                              std::string_view targetUnits) const;

private:
    bool AddEntries(const TUnitEntries& entries, int depth, TBaseUnits& result) const;
    bool AddUnit(const TUnitRec& entry, int depth, TBaseUnits& result) const;
    bool AddCoreOf(const TCat& cat, int32_t degree, int depth, TBaseUnits& result) const;
    // Reads the revolutions side counts as angles (1 rev = 2 pi rad) when
    // that makes it agree with other.
    bool ReadTurnsAsAngle(TBaseUnits& side, const TBaseUnits& other) const;

    const TConvert& units_;
};

} // namespace varnel
