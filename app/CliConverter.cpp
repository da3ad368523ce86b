#include "app/CliConverter.h"

#include "common/Messages.h"
#include "common/NumberSyntax.h"
#include "common/TextUtil.h"
#include "convert/CompatibleUnits.h"

#include <cmath>
#include <utility>
#include <vector>

namespace varnel::cli {

namespace {

// A factor as the user wrote it: "km", "1/h", "m^2".
std::string WrittenFactor(const TDim& dim) {
    return UnitListToText({dim.UnitLine()});
}

// A factor of a compound category's unit keeps nothing of it, so its name
// comes from the notation.
std::string CompoundUnitError(const TConvert& engine, const std::string& notation, int index,
                              TMessages& messages) {
    TUnitEntries entries;
    ParseUnits(notation, entries, messages);
    const std::string symbol =
        index < static_cast<int>(entries.size()) ? entries[static_cast<size_t>(index)].Symbol : "";
    int cat = -1;
    int unit = -1;
    engine.LookUpUnit(symbol, cat, unit);
    const TCat* category = engine.Cats(cat);
    return "Cannot convert " + symbol + ", a unit of the compound category " +
           (category != nullptr ? category->Name() : std::string()) + ", as a factor.";
}

// A quantity without a number, or with one out of range, would otherwise come
// out as NAN or INF.
void CheckSourceNumber(std::string_view quantity) {
    const std::string text = Trim(quantity.substr(0, quantity.find('[')));
    if (text.empty())
        throw ECliError("Write a number before the units, for example 36 [km/h].");
    double value = 0;
    switch (ReadNumber(text, value)) {
    case NumberRead::Ok:
        return;
    case NumberRead::NotANumber:
        throw ECliError("\"" + text + "\" is not a number.");
    case NumberRead::Overflow:
        throw ECliError("\"" + text + "\" is too large a number.");
    }
}

void CheckResultNumber(double value) {
    if (std::isnan(value))
        throw ECliError("The result is not a number.");
    if (std::isinf(value))
        throw ECliError("The result is too large a number.");
}

// Bounded, so that a stream of ever new units holds no more memory.
constexpr std::size_t MaxReadUnits = 256;

std::string TargetUnits(std::string_view target) {
    std::string units(target);
    if (units.find('[') == std::string::npos)
        return Trim(units);
    TextInBrackets(units);
    return units;
}

} // namespace

TCliConverter::TCliConverter(std::string_view unitsDataText) {
    source_.SetKeepValue(true);
    target_.SetKeepValue(false);
    try {
        AppendMessages(messages_, source_.LoadFromText(unitsDataText));
        if (source_.Root())
            target_.ShareModel(source_);
    } catch (const Exception& e) {
        // Nobody can take the messages of a converter that is not made: they
        // go before the error that stopped the load.
        std::string text;
        for (const std::string& message : source_.LoadMessages())
            text += message + "\n";
        throw Exception(text + e.Message());
    }
}

TMessages TCliConverter::TakeMessages() {
    return std::exchange(messages_, {});
}

std::string TCliConverter::Convert(std::string_view quantity, std::string_view target) {
    const std::string targetUnits = TargetUnits(target);
    if (quantity.find('[') != std::string_view::npos)
        CheckSourceNumber(quantity);
    // The engine's messages about one way of converting count only when it
    // is known which way gives the answer: a refusal the next way mends says
    // nothing.
    const size_t heldFrom = messages_.size();
    auto dropHeld = [this, heldFrom] { messages_.resize(heldFrom); };
    std::string result;
    try {
        result = ConvertByFactors(quantity, targetUnits);
    } catch (const ECliError& e) {
        // One unit converts to any unit of its category, compound ones included.
        if (e.Message().empty() || !ConvertsAsOneUnit(quantity, targetUnits)) {
            const TCompatibleResult compatible = ThroughBaseUnits(quantity, targetUnits);
            if (compatible.Converted) {
                dropHeld();
                return compatible.Text;
            }
            // Between units of the base quantities (length, time, mass) the
            // factor by factor answer already names what is missing; a derived
            // unit needs its base units spelled out.
            if (!compatible.Error.empty() && compatible.Derived) {
                dropHeld();
                throw ECliError(compatible.Error);
            }
            throw;
        }
        result = OneUnitResult(targetUnits);
    }
    CheckResultNumber(target_.Number());
    return result;
}

TCompatibleResult TCliConverter::ThroughBaseUnits(std::string_view quantity,
                                                  const std::string& targetUnits) const {
    std::string sourceUnits(quantity);
    if (!TextInBrackets(sourceUnits))
        return {};
    return TCompatibleUnits(target_).Convert(NumberBeforeBracket(quantity), sourceUnits,
                                             targetUnits);
}

std::string TCliConverter::ConvertByFactors(std::string_view quantity,
                                            const std::string& targetUnits) {
    SetSource(quantity);
    std::vector<TWantedUnit> wanted = WantedUnits(targetUnits);
    AppendMessages(messages_, target_.SetText(quantity));
    std::vector<int> unitIndices;
    for (int i = 0; i < target_.DimCount(); ++i)
        unitIndices.push_back(MatchFactor(*target_.Dims(i), wanted));
    for (const TWantedUnit& unit : wanted)
        if (!unit.Used)
            throw ECliError("The target unit " + unit.Written + " matches no unit of the source.");
    for (int i = 0; i < target_.DimCount(); ++i)
        target_.Dims(i)->SetUnitIndex(unitIndices[static_cast<size_t>(i)]);
    return target_.GetText();
}

bool TCliConverter::ConvertsAsOneUnit(std::string_view quantity, const std::string& targetUnits) {
    AppendMessages(messages_, target_.SetText(quantity));
    std::string sourceUnits = target_.GetText();
    if (!target_.UnitsValid() || !TextInBrackets(sourceUnits))
        return false;
    int sourceCat = -1;
    int targetCat = -1;
    int unit = -1;
    // Across categories the factor by factor answer says more than the
    // engine's "Categories don't match.".
    if (!target_.LookUpUnit(sourceUnits, sourceCat, unit) ||
        !target_.LookUpUnit(targetUnits, targetCat, unit) || sourceCat != targetCat)
        return false;
    return target_.ConvertTo(targetUnits, messages_);
}

// The engine writes nothing back for a unit of a compound category written
// as one symbol, so the target is written as the user gave it then.
std::string TCliConverter::OneUnitResult(const std::string& targetUnits) const {
    std::string written = target_.GetText();
    std::string units = written;
    if (TextInBrackets(units) && !units.empty())
        return written;
    return target_.NumberText() + " [" + targetUnits + "]";
}

void TCliConverter::SetSource(std::string_view quantity) {
    std::string units(quantity);
    if (!TextInBrackets(units))
        throw ECliError("Write the units of the quantity in brackets, for example 36 [km/h].");
    if (const auto known = readSources_.find(units); known != readSources_.end()) {
        AppendMessages(messages_, known->second);
        return;
    }
    // Whether the source converts, and what the engine says of it, follow
    // from its units alone.
    TMessages said = source_.SetText(quantity);
    AppendMessages(messages_, said);
    if (!source_.UnitsValid())
        throw ECliError(""); // the engine's messages say why
    CheckConvertible(source_, units);
    if (readSources_.size() < MaxReadUnits)
        readSources_.emplace(std::move(units), std::move(said));
}

std::vector<TCliConverter::TWantedUnit> TCliConverter::WantedUnits(const std::string& targetUnits) {
    if (const auto known = readTargets_.find(targetUnits); known != readTargets_.end()) {
        AppendMessages(messages_, known->second.Messages);
        return known->second.Wanted;
    }
    TReadTarget read{{}, target_.SetText("1 [" + targetUnits + "]")};
    AppendMessages(messages_, read.Messages);
    if (!target_.UnitsValid())
        throw ECliError("");
    CheckConvertible(target_, targetUnits);
    for (int i = 0; i < target_.DimCount(); ++i) {
        const TDim& dim = *target_.Dims(i);
        read.Wanted.push_back(
            {WrittenFactor(dim), dim.CatIndex(), dim.UnitIndex(), dim.Exponent(), dim.SupCat()});
    }
    if (readTargets_.size() < MaxReadUnits)
        return readTargets_.emplace(targetUnits, std::move(read)).first->second.Wanted;
    return read.Wanted;
}

void TCliConverter::CheckConvertible(const TConvert& engine, const std::string& notation) {
    for (int i = 0; i < engine.DimCount(); ++i) {
        const TDim& dim = *engine.Dims(i);
        if (!dim.UnknownSymbol().empty())
            throw ECliError("Unknown unit " + dim.UnknownSymbol() + ".");
        if (!dim.Node())
            throw ECliError(CompoundUnitError(engine, notation, i, messages_));
        if (!dim.CanConvert())
            throw ECliError("The rule-based unit " + WrittenFactor(dim) +
                            " converts only alone, not as a factor.");
    }
}

int TCliConverter::MatchFactor(const TDim& dim, std::vector<TWantedUnit>& wanted) {
    for (TWantedUnit& unit : wanted) {
        if (unit.CatIndex != dim.CatIndex())
            continue;
        const bool samePower = unit.Exponent == dim.Exponent() &&
                               dim.AcceptsUnit(unit.CatIndex, unit.UnitIndex, unit.SupCat);
        if (!samePower)
            throw ECliError("The target unit " + unit.Written + " does not fit " +
                            WrittenFactor(dim) + " of the source.");
        unit.Used = true;
        return unit.UnitIndex;
    }
    throw ECliError("The target names no unit for " + WrittenFactor(dim) + " (" + dim.Name() +
                    ").");
}

} // namespace varnel::cli
