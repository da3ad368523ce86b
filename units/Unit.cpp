#include "units/Unit.h"

#include "common/Exception.h"
#include "common/NumberSyntax.h"
#include "common/TextUtil.h"
#include "units/UnitNotation.h"

#include <algorithm>
#include <limits>

namespace varnel {

namespace {

bool HasMantissaDigit(std::string_view number) {
    for (char c : number) {
        if (c == 'e' || c == 'E')
            return false;
        if (c >= '0' && c <= '9')
            return true;
    }
    return false;
}

int IndexOfBaseUnit(std::string_view symbol) {
    for (size_t i = 0; i < BaseUnits.size(); ++i)
        if (symbol == BaseUnits[i])
            return static_cast<int>(i);
    return -1;
}

} // namespace

TUnit::TUnit(TCat* owner, TXMLUnitType node) : node_(node), cat_(owner) {
    if (!node_)
        throw EM("Unit data is missing");
}

TUnitKind TUnit::Kind() const {
    return static_cast<TUnitKind>(IndexOfText(node_.Type(), UnitTypes) + 1);
}

std::string TUnit::Name() const {
    return node_.Name();
}

std::string TUnit::Symbol() const {
    std::string symbol = node_.Symbol();
    if (!IsBlank(symbol))
        return symbol;
    return ReplaceAll(Name(), " ", "_");
}

std::string TUnit::NameAndSymbol() const {
    return Name() + " [" + Symbol() + "]";
}

std::string TUnit::Comment() const {
    return node_.Comment();
}

double TUnit::Factor() const {
    std::string text = node_.Factor();
    std::string_view number = text;
    number.remove_prefix(std::min(number.find_first_not_of(' '), number.size()));
    double value = 0;
    // A factor needs a digit before any exponent: "." or "E5" alone, which
    // the number syntax of expressions reads as 0, are not factors.
    if (HasMantissaDigit(number) && ReadNumber(number, value) == NumberRead::Ok)
        return value;
    return std::numeric_limits<double>::quiet_NaN();
}

std::string TUnit::RuleFrom() const {
    return node_.RuleFrom();
}

std::string TUnit::RuleTo() const {
    return node_.RuleTo();
}

bool TUnit::BaseExponents(TBaseExponents& exponents, TMessages& messages) const {
    exponents.fill(0);
    std::string text = Trim(node_.InBaseUnits());
    if (text == "1")
        return true;
    if (Kind() != ukCore || text.empty())
        return false;
    TUnitEntries entries;
    if (!ParseUnits(text, entries, messages))
        return false;
    bool valid = false;
    for (const TUnitRec& entry : entries) {
        int index = IndexOfBaseUnit(entry.Symbol);
        valid = index >= 0;
        if (!valid)
            break;
        exponents[static_cast<size_t>(index)] = entry.Degree;
    }
    return valid;
}

bool TUnit::HasBaseUnits(TMessages& messages) const {
    TBaseExponents exponents;
    return BaseExponents(exponents, messages);
}

} // namespace varnel
