#include "convert/Convert.h"

#include "common/Exception.h"
#include "common/FormatValue.h"
#include "common/TextUtil.h"
#include "convert/ConvertMath.h"

#include <cmath>
#include <cstdlib>

namespace varnel {

namespace {

const char* const RuleUnitWithExponent = "Category with rule-based units cannot have exponent";
const char* const SupUnitWithExponent = "Unit from supplemental categories cannot have exponent.";
const char* const DuplicatedCategories = "Duplicated units categories - ";

int32_t Sign(int32_t x) {
    return x < 0 ? -1 : 1;
}

} // namespace

TConvert::TConvert() : lookup_(std::make_shared<TUnitLookup>()) {}

TConvert::TConvert(const std::filesystem::path& fileName)
    : TCats(fileName), lookup_(std::make_shared<TUnitLookup>()) {}

TConvert::~TConvert() = default;

void TConvert::ShareModel(const TCats& other) {
    ForgetUnits();
    TCats::ShareModel(other);
    if (const auto* engine = dynamic_cast<const TConvert*>(&other))
        lookup_ = engine->lookup_;
}

void TConvert::Clear() {
    ForgetUnits();
    TCats::Clear();
}

void TConvert::ForgetUnits() {
    dims_.clear();
    spareDims_.clear();
    // A fresh index: another engine may still read the old one.
    lookup_ = std::make_shared<TUnitLookup>();
}

TDim* TConvert::Dims(int index) const {
    if (index < 0 || index >= DimCount())
        return nullptr;
    return dims_[static_cast<size_t>(index)].get();
}

bool TConvert::LookUpUnit(std::string_view symbol, int& catIndex, int& unitIndex) const {
    return lookup_->FindUnit(*this, symbol, catIndex, unitIndex);
}

TMessages TConvert::SetText(std::string_view text) {
    unitsValid_ = false;
    FreeDims();
    numberText_ = Trim(text.substr(0, text.find('[')));
    number_ = NumberBeforeBracket(text);
    std::string units(text);
    TUnitEntries entries;
    TMessages messages;
    if (!TextInBrackets(units) || !ParseUnits(units, entries, messages))
        return messages;
    unitsValid_ = true;
    try {
        for (const TUnitRec& entry : entries) {
            unitsValid_ = AddUnit(entry, messages);
            if (!unitsValid_)
                break;
        }
    } catch (...) {
        // An internal error leaves no half-read quantity behind.
        DropQuantity();
        throw;
    }
    if (!unitsValid_)
        DropQuantity();
    return messages;
}

void TConvert::DropQuantity() {
    unitsValid_ = false;
    FreeDims();
    numberText_.clear();
    number_ = std::numeric_limits<double>::quiet_NaN();
}

std::string TConvert::GetText() const {
    TUnitEntries lines;
    for (const auto& dim : dims_)
        lines.push_back(dim->UnitLine());
    const std::string units = " [" + UnitListToText(lines) + "]";
    if (!numberText_.empty())
        return numberText_ + units;
    if (std::isnan(number_) && keepValue_)
        return units;
    return FormatValue(number_) + units;
}

bool TConvert::AddUnit(const TUnitRec& unit, TMessages& messages) {
    int catIndex = -1;
    int unitIndex = -1;
    if (!LookUpUnit(unit.Symbol, catIndex, unitIndex)) {
        dims_.push_back(std::make_unique<TDim>(this, unit.Symbol, unit.Degree));
        return true;
    }
    return AddKnownUnit(unit, catIndex, unitIndex, messages);
}

bool TConvert::AddKnownUnit(const TUnitRec& unit, int catIndex, int unitIndex,
                            TMessages& messages) {
    TCat& cat = *Cats(catIndex);
    const TCatKind kind = lookup_->CatKind(*this, catIndex);
    if (lookup_->HasRuleUnits(*this, catIndex) && unit.Degree != 1) {
        messages.push_back(RuleUnitWithExponent);
        return false;
    }
    const bool supplemental = kind == ckSup;
    if (supplemental && std::abs(static_cast<int64_t>(unit.Degree)) > 1) {
        messages.push_back(SupUnitWithExponent);
        return false;
    }
    if (supplemental && cat.RootCat() == nullptr)
        throw EM(TInternalError::SupplementalWithoutRoot);
    if (IsDuplicate(cat, catIndex, supplemental, messages))
        return false;
    if (kind == ckComp) {
        const TUnit* named = cat.Units()[unitIndex];
        if (named != nullptr && named->Symbol() != unit.Symbol)
            return AddUnitsOfAlias(named->Symbol(), unit.Degree, messages);
        dims_.push_back(std::make_unique<TDim>(this, std::string(), 0));
        return true;
    }
    const int baseIndex = supplemental ? IndexOfCatObject(cat.RootCat()) : catIndex;
    if (lookup_->CatKind(*this, baseIndex) != ckRoot)
        throw EM(TInternalError::FactorOnNonRootCategory);
    std::unique_ptr<TDim> dim = NewDim(*Cats(baseIndex));
    dim->catIndex_ = baseIndex;
    if (supplemental) {
        dim->unitIndex_ = dim->Units().Count() + unitIndex;
        // The power of a supplemental unit is that of its category: a
        // frequency unit stands for time^-1, and 1/rpm for time^1.
        dim->SetExponent(cat.Degree() * Sign(unit.Degree));
        // Its unit number counts in its own category, whichever category of
        // the same power the exponent found.
        dim->supCat_ = &cat;
    } else {
        dim->unitIndex_ = unitIndex;
        dim->SetExponent(unit.Degree);
    }
    dims_.push_back(std::move(dim));
    return true;
}

// mph stands for mi/h: typed as an alias, a compound unit is the units its
// symbol names, so that it converts factor by factor like the symbol itself.
bool TConvert::AddUnitsOfAlias(const std::string& symbol, int32_t degree, TMessages& messages) {
    TUnitEntries entries;
    if (!ParseUnits(symbol, entries, messages))
        return false;
    for (TUnitRec& entry : entries) {
        entry.Degree *= degree;
        if (!AddUnit(entry, messages))
            return false;
    }
    return true;
}

bool TConvert::IsDuplicate(const TCat& cat, int catIndex, bool supplemental,
                           TMessages& messages) const {
    for (const auto& dim : dims_) {
        if (!dim->Node())
            continue;
        const bool sameRoot =
            dim->CatIndex() == catIndex || (supplemental && cat.RootCat() == Cats(dim->CatIndex()));
        if (sameRoot) {
            messages.push_back(DuplicatedCategories + cat.Name() + " / " + dim->Name());
            return true;
        }
    }
    return false;
}

int TConvert::IndexOfCatObject(const TCat* cat) const {
    for (int i = 0; i < CatCount(); ++i)
        if (Cats(i) == cat)
            return i;
    return -1;
}

void TConvert::SetNumber(double x) {
    if (keepValue_)
        number_ = x;
}

bool TConvert::ConvertTo(std::string_view symbol, TMessages& messages) {
    std::string source = GetText();
    if (!TextInBrackets(source))
        return false;
    int sourceCat = -1;
    int sourceUnit = -1;
    int targetCat = -1;
    int targetUnit = -1;
    if (!LookUpUnit(source, sourceCat, sourceUnit) || !LookUpUnit(symbol, targetCat, targetUnit))
        return false;
    if (sourceCat != targetCat)
        throw EM("Categories don't match.");
    if (sourceUnit == targetUnit)
        return true;
    const TUnitList& units = Cats(sourceCat)->Units();
    const TUnit& from = *units[sourceUnit];
    const TUnit& to = *units[targetUnit];
    if (from.Kind() == ukNone || to.Kind() == ukNone)
        return false;
    const double value = ValueFromCore(to, ValueInCore(from, number_));
    AppendMessages(messages, SetText(FormatValue(value) + " [" + std::string(symbol) + "]"));
    number_ = value;
    return unitsValid_;
}

double TConvert::ValueInCore(const TUnit& unit, double value) const {
    switch (unit.Kind()) {
    case ukFactor:
        return ScaleByPower(value, unit.Factor(), 1);
    case ukRule:
        return ApplyRule(unit.RuleTo(), value);
    default:
        return value;
    }
}

double TConvert::ValueFromCore(const TUnit& unit, double value) const {
    switch (unit.Kind()) {
    case ukFactor:
        return DivideByFactor(value, unit.Factor());
    case ukRule:
        return ApplyRule(unit.RuleFrom(), value);
    default:
        return value;
    }
}

void TConvert::AllToCore() {
    for (const auto& dim : dims_)
        dim->ToCore();
}

void TConvert::StoreConverted(double value) {
    number_ = value;
    numberText_.clear();
}

void TConvert::FreeDims() {
    constexpr size_t MaxSpareDims = 64;
    for (auto& dim : dims_)
        if (dim->Node() && spareDims_.size() < MaxSpareDims)
            spareDims_.push_back(std::move(dim));
    dims_.clear();
}

std::unique_ptr<TDim> TConvert::NewDim(const TCat& base) {
    for (auto it = spareDims_.begin(); it != spareDims_.end(); ++it) {
        if ((*it)->Node() == base.Node()) {
            std::unique_ptr<TDim> dim = std::move(*it);
            spareDims_.erase(it);
            dim->Restart();
            return dim;
        }
    }
    return std::make_unique<TDim>(this, base);
}

bool TConvert::AllUnitsKnown() const {
    if (!unitsValid_)
        return false;
    for (int i = 0; i < DimCount(); ++i)
        if (!Dims(i)->UnknownSymbol().empty())
            return false;
    return true;
}

} // namespace varnel
