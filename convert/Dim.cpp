#include "convert/Dim.h"

#include "common/Exception.h"
#include "convert/Convert.h"
#include "convert/ConvertMath.h"

#include <algorithm>
#include <cstdlib>

namespace varnel {

TDim::TDim(TConvert* engine, const TCat& root) : TCat(engine, root.Node()), engine_(engine) {
    SetSupCats(root.SupCats());
    ReadUnitKinds();
}

TDim::TDim(TConvert* engine, std::string unknownSymbol, int32_t exponent)
    : TCat(engine), engine_(engine), exponent_(exponent), unknownSymbol_(std::move(unknownSymbol)) {
}

void TDim::ReadUnitKinds() {
    isRoot_ = Kind() == ckRoot;
    unitKinds_.clear();
    for (const TUnit* unit : Units())
        unitKinds_.push_back(unit->Kind());
    hasRuleUnits_ = std::find(unitKinds_.begin(), unitKinds_.end(), ukRule) != unitKinds_.end();
    auto core = std::find(unitKinds_.begin(), unitKinds_.end(), ukCore);
    coreIndex_ = core == unitKinds_.end() ? -1 : static_cast<int32_t>(core - unitKinds_.begin());
}

void TDim::Restart() {
    catIndex_ = -1;
    unitIndex_ = 0;
    exponent_ = 0;
    unknownSymbol_.clear();
    supCat_ = nullptr;
}

TUnitKind TDim::UnitKind(int32_t index) const {
    if (index < 0 || index >= static_cast<int32_t>(unitKinds_.size()))
        return ukNone;
    return unitKinds_[static_cast<size_t>(index)];
}

bool TDim::CanConvert() const {
    if (exponent_ == 0 || !unknownSymbol_.empty() || engine_ == nullptr || !Node())
        return false;
    // A rule converts a number, not a power of it: alone or not at all.
    return !(hasRuleUnits_ && engine_->DimCount() > 1);
}

bool TDim::AcceptsUnit(int32_t catIndex, int32_t unitIndex, const TCat* supCat) const {
    return catIndex == catIndex_ && (unitIndex < Units().Count() || supCat == supCat_);
}

bool TDim::IsSupUnit() const {
    return supCat_ != nullptr && unitIndex_ >= Units().Count();
}

int TDim::SupUnitSign() const {
    const int32_t degree = supCat_ != nullptr ? supCat_->Degree() : 1;
    return (exponent_ < 0) == (degree < 0) ? 1 : -1;
}

int32_t TDim::LastUnitIndex() const {
    int32_t count = Units().Count();
    if (supCat_ != nullptr)
        count += supCat_->Units().Count();
    return count - 1;
}

void TDim::ToCore() {
    if (!CanConvert() || unitIndex_ == coreIndex_)
        return;
    const double value = ValueInCore(engine_->Number());
    unitIndex_ = coreIndex_;
    if (!engine_->KeepValue())
        engine_->StoreConverted(value);
}

void TDim::SetUnitIndex(int32_t n) {
    if (n < 0 || n > LastUnitIndex() || !CanConvert())
        return;
    if (engine_->KeepValue()) {
        unitIndex_ = n;
        return;
    }
    ToCore();
    if (n < Units().Count() && UnitKind(n) == ukCore)
        return;
    const double value = ValueFromCore(n, engine_->Number());
    unitIndex_ = n;
    engine_->StoreConverted(value);
}

void TDim::SetExponent(int32_t degree) {
    if (hasRuleUnits_) {
        exponent_ = 1;
        return;
    }
    exponent_ = degree;
    if (!isRoot_)
        throw EM(TInternalError::ExponentOnNonRootFactor);
    // A category of the same power wins over a reciprocal one (an area for
    // m^-2 only when nothing matches exactly); among equals the last wins.
    TCat* exact = nullptr;
    TCat* reciprocal = nullptr;
    for (TCat* cat : SupCats()) {
        if (cat->Degree() == degree)
            exact = cat;
        else if (cat->Degree() > 0 && cat->Degree() == -static_cast<int64_t>(degree))
            reciprocal = cat;
    }
    supCat_ = exact != nullptr ? exact : reciprocal;
}

TUnitRec TDim::UnitLine() const {
    if (!Node())
        return {unknownSymbol_, exponent_};
    if (unitIndex_ < Units().Count()) {
        if (const TUnit* unit = UnitAt(unitIndex_))
            return {unit->Symbol(), exponent_};
    } else if (supCat_ != nullptr) {
        if (const TUnit* unit = supCat_->Units()[unitIndex_ - Units().Count()])
            return {unit->Symbol(), SupUnitSign()};
    }
    return {"", 0};
}

const TUnit* TDim::UnitAt(int32_t index) const {
    return Units()[index];
}

const TUnit& TDim::SupUnitAt(int32_t index) const {
    const TUnit* unit = supCat_ != nullptr ? supCat_->Units()[index - Units().Count()] : nullptr;
    if (unit == nullptr)
        throw EM(TInternalError::SupplementalUnitMissing);
    return *unit;
}

double TDim::ValueInCore(double value) const {
    if (unitIndex_ >= Units().Count())
        return ScaleByPower(value, SupUnitAt(unitIndex_).Factor(), SupUnitSign());
    switch (UnitKind(unitIndex_)) {
    case ukFactor:
        return ScaleByPower(value, UnitAt(unitIndex_)->Factor(), exponent_);
    case ukRule:
        return ApplyRule(UnitAt(unitIndex_)->RuleTo(), value);
    default:
        return value;
    }
}

double TDim::ValueFromCore(int32_t n, double value) const {
    if (n >= Units().Count())
        return ScaleByPower(value, SupUnitAt(n).Factor(), -SupUnitSign());
    switch (UnitKind(n)) {
    case ukFactor:
        return ScaleByPower(value, UnitAt(n)->Factor(), -static_cast<int64_t>(exponent_));
    case ukRule:
        return ApplyRule(UnitAt(n)->RuleFrom(), value);
    default:
        return value;
    }
}

} // namespace varnel
