#pragma once

#include "units/Cat.h"
#include "units/UnitNotation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace varnel {

class TConvert;

// One factor of an engine's quantity: a unit of a root category, or of one of
// its supplemental categories, raised to a power. A factor of a known unit
// carries the root category's element, so its Units are that category's
// units; a factor of an unknown symbol (or of a compound category's unit) has
// no element and converts nothing.
class TDim : public TCat {
public:
    // A factor of the root category `root` of the engine.
    TDim(TConvert* engine, const TCat& root);
    // A factor without element: a symbol no category holds, or, with an empty
    // symbol and exponent 0, a unit of a compound category.
    TDim(TConvert* engine, std::string unknownSymbol, int32_t exponent);

    int32_t CatIndex() const { return catIndex_; }
    // Below Units().Count(): the unit in Units; from there on: Units().Count()
    // plus the index of the unit in SupCat()->Units().
    int32_t UnitIndex() const { return unitIndex_; }
    int32_t Exponent() const { return exponent_; }
    TConvert* Engine() const { return engine_; }
    const std::string& UnknownSymbol() const { return unknownSymbol_; }
    // The supplemental category of the root that matches the exponent, or
    // nullptr.
    TCat* SupCat() const { return supCat_; }

    bool CanConvert() const;
    bool IsSupUnit() const;
    // Whether unit unitIndex of a factor of category catIndex, whose units
    // past the category's own are those of supCat, can be this factor's unit.
    bool AcceptsUnit(int32_t catIndex, int32_t unitIndex, const TCat* supCat) const;
    // Makes the category's core unit the factor's unit.
    void ToCore();
    // Makes unit n the factor's unit; on an engine that does not keep its
    // value the number is converted.
    void SetUnitIndex(int32_t n);
    // Sets the power and attaches the supplemental category that fits it.
    void SetExponent(int32_t degree);

    // The factor as GetText writes it: its unit's symbol and its degree, or
    // an empty symbol with degree 0 when it writes nothing.
    TUnitRec UnitLine() const;

    // Sign (1 or -1) of the power of a supplemental unit: a reciprocal
    // category (negative Degree) turns it round.
    int SupUnitSign() const;
    // The last unit number the factor can take.
    int32_t LastUnitIndex() const;

private:
    friend class TConvert; // sets the indices when it adds the factor

    // A factor is made for every quantity the engine reads, so what it asks
    // of its units on every conversion is read once.
    void ReadUnitKinds();
    // Makes a used factor as new, for a quantity of the same root category.
    void Restart();
    TUnitKind UnitKind(int32_t index) const;
    const TUnit* UnitAt(int32_t index) const;
    // The unit of SupCat at a unit number from Units().Count() on; raises
    // EM 56 when there is none.
    const TUnit& SupUnitAt(int32_t index) const;
    double ValueInCore(double value) const;
    double ValueFromCore(int32_t n, double value) const;

    TConvert* engine_;
    int32_t catIndex_ = -1;
    int32_t unitIndex_ = 0;
    int32_t exponent_ = 0;
    std::string unknownSymbol_;
    TCat* supCat_ = nullptr;
    bool isRoot_ = false;
    bool hasRuleUnits_ = false;
    int32_t coreIndex_ = -1;
    std::vector<TUnitKind> unitKinds_;
};

} // namespace varnel
