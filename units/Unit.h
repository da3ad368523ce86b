#pragma once

#include "common/Messages.h"
#include "units/UnitsData.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>

namespace varnel {

class TCat;

// How a unit converts to its category's core unit, from its stored type word.
enum TUnitKind { ukNone, ukCore, ukFactor, ukRule };

class TUnitKinds {
public:
    constexpr TUnitKinds() = default;
    constexpr TUnitKinds(std::initializer_list<TUnitKind> kinds) {
        for (TUnitKind kind : kinds)
            bits_ |= Bit(kind);
    }
    constexpr bool Contains(TUnitKind kind) const { return (bits_ & Bit(kind)) != 0; }

private:
    static constexpr unsigned Bit(TUnitKind kind) { return 1u << static_cast<unsigned>(kind); }
    unsigned bits_ = 0;
};

// The exponents of m, kg, s, A, K, mol, cd (the order of BaseUnits).
using TBaseExponents = std::array<int32_t, 7>;

// One unit of the model. It keeps no copies: every property reads its element.
class TUnit {
public:
    // Without an element raises EM "Unit data is missing".
    TUnit(TCat* owner, TXMLUnitType node);

    const TXMLUnitType& Node() const { return node_; }
    TCat* Cat() const { return cat_; }
    void SetCat(TCat* cat) { cat_ = cat; }

    TUnitKind Kind() const;
    std::string Name() const;
    // The stored symbol, or the name with every space replaced by "_" when the
    // symbol is blank.
    std::string Symbol() const;
    std::string NameAndSymbol() const;
    std::string Comment() const;
    // The `factor` value, or a quiet NaN when it is not a decimal number.
    double Factor() const;
    std::string RuleFrom() const;
    std::string RuleTo() const;

    // Fills the exponents from `in_base_units` and tells whether that is a
    // valid base-unit definition: "1" for any unit, otherwise a core unit's
    // notation made of the seven base units only.
    bool BaseExponents(TBaseExponents& exponents, TMessages& messages) const;
    bool HasBaseUnits(TMessages& messages) const;

private:
    TXMLUnitType node_;
    TCat* cat_ = nullptr;
};

} // namespace varnel
