#include "convert/CompatibleUnits.h"

#include "common/FormatValue.h"
#include "common/TextUtil.h"
#include "convert/Convert.h"
#include "convert/ConvertMath.h"
#include "engine/ParserMath.h"

#include <cmath>
#include <cstdlib>

namespace varnel {

namespace {

// Supplemental and compound categories name units of other categories; data
// that names itself in a circle stops here.
constexpr int MaxDepth = 8;

const TUnit* CoreUnitOf(const TCat& cat) {
    return cat.Units()[cat.Units().IndexOfCore()];
}

// A frequency unit named for revolutions (rpm, revolutions per minute)
// counts turns of the angle unit rev: it is an angular velocity as well.
constexpr std::string_view TurnName = "revolution";
constexpr std::string_view TurnSymbol = "rev";

bool CountsTurns(const TCat& cat, const TUnit& unit) {
    return cat.Kind() == ckSup && unit.Name().starts_with(TurnName);
}

int32_t BaseUnitCount(const TBaseExponents& exponents) {
    int32_t count = 0;
    for (int32_t e : exponents)
        count += std::abs(e);
    return count;
}

} // namespace

bool TBaseUnits::SameDimension(const TBaseUnits& other) const {
    return Exponents == other.Exponents && OwnDimensions == other.OwnDimensions;
}

std::string TBaseUnits::DimensionText() const {
    TUnitEntries entries;
    for (size_t i = 0; i < BaseUnits.size(); ++i)
        if (Exponents[i] != 0)
            entries.push_back({std::string(BaseUnits[i]), Exponents[i]});
    for (const auto& [symbol, degree] : OwnDimensions)
        entries.push_back({symbol, degree});
    const std::string text = UnitListToText(entries);
    return text.empty() ? "1" : text;
}

std::optional<TBaseUnits> TCompatibleUnits::Decompose(std::string_view notation) const {
    // Decomposing is a question, not a conversion: a notation the parser
    // refuses only means there is no answer, so its messages are dropped.
    TMessages unheard;
    TUnitEntries entries;
    if (!ParseUnits(notation, entries, unheard) || entries.empty())
        return std::nullopt;
    TBaseUnits result;
    TUnitEntries written;
    for (const TUnitRec& entry : entries) {
        int catIndex = -1;
        int unitIndex = -1;
        if (!units_.LookUpUnit(entry.Symbol, catIndex, unitIndex))
            return std::nullopt;
        const TUnit* unit = units_.Cats(catIndex)->Units()[unitIndex];
        written.push_back({unit->Symbol(), entry.Degree});
        if (unit->Kind() != ukRule)
            continue;
        // A rule converts a number, not a power of it: alone or not at all.
        if (entries.size() > 1 || entry.Degree != 1)
            return std::nullopt;
        result.RuleUnit = unit;
    }
    if (!AddEntries(entries, 0, result))
        return std::nullopt;
    result.Written = UnitListToText(written);
    return result;
}

bool TCompatibleUnits::AddEntries(const TUnitEntries& entries, int depth,
                                  TBaseUnits& result) const {
    for (const TUnitRec& entry : entries)
        if (!AddUnit(entry, depth, result))
            return false;
    std::erase_if(result.OwnDimensions, [](const auto& own) { return own.second == 0; });
    return true;
}

bool TCompatibleUnits::AddUnit(const TUnitRec& entry, int depth, TBaseUnits& result) const {
    int catIndex = -1;
    int unitIndex = -1;
    if (depth > MaxDepth || !units_.LookUpUnit(entry.Symbol, catIndex, unitIndex))
        return false;
    const TCat& cat = *units_.Cats(catIndex);
    const TUnit& unit = *cat.Units()[unitIndex];
    if (depth == 0 && CountsTurns(cat, unit))
        result.Turns += entry.Degree;
    switch (unit.Kind()) {
    case ukCore:
        break;
    case ukFactor: {
        const double factor = unit.Factor();
        if (!std::isfinite(factor) || factor == 0)
            return false;
        result.Scale *= std::pow(static_cast<long double>(factor), entry.Degree);
        break;
    }
    case ukRule:
        // Checked by the caller: the rule leads to the core unit.
        if (result.RuleUnit != &unit)
            return false;
        break;
    default:
        return false;
    }
    return AddCoreOf(cat, entry.Degree, depth, result);
}

bool TCompatibleUnits::AddCoreOf(const TCat& cat, int32_t degree, int depth,
                                 TBaseUnits& result) const {
    const TUnit* core = CoreUnitOf(cat);
    if (core == nullptr)
        return false;
    if (cat.Kind() == ckRoot) {
        TBaseExponents exponents;
        const std::string definition = Trim(core->Node().InBaseUnits());
        if (definition.empty() || definition == "1") {
            result.OwnDimensions[core->Symbol()] += degree;
            return true;
        }
        TMessages unheard;
        if (!core->BaseExponents(exponents, unheard))
            return false;
        for (size_t i = 0; i < exponents.size(); ++i)
            result.Exponents[i] += exponents[i] * degree;
        result.Derived = result.Derived || BaseUnitCount(exponents) > 1;
        return true;
    }
    TUnitEntries entries;
    TMessages unheard;
    if (!ParseUnits(core->Symbol(), entries, unheard))
        return false;
    for (TUnitRec& entry : entries)
        entry.Degree *= degree;
    result.Derived = result.Derived || cat.Kind() == ckComp;
    return AddEntries(entries, depth + 1, result);
}

bool TCompatibleUnits::ReadTurnsAsAngle(TBaseUnits& side, const TBaseUnits& other) const {
    if (side.Turns == 0)
        return false;
    const std::optional<TBaseUnits> turn = Decompose(TurnSymbol);
    if (!turn)
        return false;
    TBaseUnits turned = side;
    turned.Scale *= std::pow(turn->Scale, static_cast<long double>(side.Turns));
    for (size_t i = 0; i < turned.Exponents.size(); ++i)
        turned.Exponents[i] += turn->Exponents[i] * side.Turns;
    for (const auto& [symbol, degree] : turn->OwnDimensions)
        turned.OwnDimensions[symbol] += degree * side.Turns;
    std::erase_if(turned.OwnDimensions, [](const auto& own) { return own.second == 0; });
    if (!turned.SameDimension(other))
        return false;
    side = std::move(turned);
    return true;
}

TCompatibleResult TCompatibleUnits::Convert(double number, std::string_view sourceUnits,
                                            std::string_view targetUnits) const {
    TCompatibleResult result;
    std::optional<TBaseUnits> source = Decompose(sourceUnits);
    std::optional<TBaseUnits> target = Decompose(targetUnits);
    if (!source || !target)
        return result;
    result.Derived = source->Derived || target->Derived;
    if (!source->SameDimension(*target) && !ReadTurnsAsAngle(*source, *target) &&
        !ReadTurnsAsAngle(*target, *source)) {
        result.Error = "Not compatible: " + source->Written + " is " + source->DimensionText() +
                       ", " + target->Written + " is " + target->DimensionText() + ".";
        return result;
    }
    double value = number;
    if (source->RuleUnit != nullptr)
        value = ApplyRule(source->RuleUnit->RuleTo(), value);
    value = StoreResult(static_cast<long double>(value) * source->Scale / target->Scale, value);
    if (target->RuleUnit != nullptr)
        value = ApplyRule(target->RuleUnit->RuleFrom(), value);
    result.Converted = true;
    result.Number = value;
    result.Text = FormatValue(value) + " [" + target->Written + "]";
    return result;
}

} // namespace varnel
