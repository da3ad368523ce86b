#include "convert/DimRec.h"

#include "common/AbbrevList.h"
#include "common/FormatValue.h"
#include "common/TextUtil.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace varnel {

namespace {

enum class AbbrevDirection { NameToValue, ValueToName };

const std::string* Rewritten(const std::string& symbol, AbbrevDirection direction) {
    for (const Abbrev& abbrev : AbbrevList()) {
        const bool toValue = direction == AbbrevDirection::NameToValue;
        if (symbol == (toValue ? abbrev.Name : abbrev.Value))
            return toValue ? &abbrev.Value : &abbrev.Name;
    }
    return nullptr;
}

void RewriteFactors(std::vector<TUnitRec>& factors, AbbrevDirection direction) {
    for (TUnitRec& factor : factors)
        if (const std::string* symbol = Rewritten(factor.Symbol, direction))
            factor.Symbol = *symbol;
}

std::string RewriteSymbols(std::string_view text, AbbrevDirection direction, TMessages& messages) {
    TDimRec rec;
    StrToDimRec(text, rec, messages);
    RewriteFactors(rec.Factors, direction);
    return DimRecToText(rec);
}

// Degrees stay within what a factor holds, however often they are combined.
int32_t SaturatedDegree(int64_t degree) {
    return static_cast<int32_t>(std::clamp<int64_t>(degree, std::numeric_limits<int32_t>::min(),
                                                    std::numeric_limits<int32_t>::max()));
}

} // namespace

void StrToDimRec(std::string_view text, TDimRec& rec, TMessages& messages) {
    rec.NumberText = Trim(text.substr(0, text.find('[')));
    rec.Number = NumberBeforeBracket(text);
    std::string units(text);
    TUnitEntries entries;
    if (TextInBrackets(units) && ParseUnits(units, entries, messages))
        rec.Factors = std::move(entries);
}

std::string DimRecToText(const TDimRec& rec) {
    std::string number = rec.NumberText;
    if (number.empty() && !std::isnan(rec.Number))
        number = FormatValue(rec.Number);
    TUnitEntries present;
    for (const TUnitRec& factor : rec.Factors)
        if (factor.Degree != 0)
            present.push_back(factor);
    return number + " [" + UnitListToText(present) + "]";
}

TDimRec DimAddFactor(const TDimRec& rec, const TUnitRec& unit) {
    TDimRec result = rec;
    for (TUnitRec& factor : result.Factors)
        if (factor.Symbol == unit.Symbol) {
            factor.Degree = SaturatedDegree(int64_t{factor.Degree} + unit.Degree);
            return result;
        }
    for (TUnitRec& factor : result.Factors)
        if (factor.Degree == 0) {
            factor = unit;
            return result;
        }
    result.Factors.push_back(unit);
    return result;
}

TDimRec DimMultiply(const TDimRec& a, const TDimRec& b) {
    TDimRec result;
    result.Number = a.Number;
    result.NumberText = a.NumberText;
    for (const TUnitRec& factor : a.Factors)
        result = DimAddFactor(result, factor);
    for (const TUnitRec& factor : b.Factors)
        result = DimAddFactor(result, factor);
    return result;
}

TDimRec DimPower(const TDimRec& rec, int n) {
    TDimRec result;
    result.Number = rec.Number;
    result.NumberText = rec.NumberText;
    if (n == 0)
        return result;
    result.Factors = rec.Factors;
    for (TUnitRec& factor : result.Factors)
        factor.Degree = SaturatedDegree(int64_t{factor.Degree} * n);
    return result;
}

std::string ApplyAbbrevs(std::string_view text, TMessages& messages) {
    return RewriteSymbols(text, AbbrevDirection::NameToValue, messages);
}

std::string RevertAbbrevs(std::string_view text, TMessages& messages) {
    return RewriteSymbols(text, AbbrevDirection::ValueToName, messages);
}

void RevertAbbrevsOf(std::vector<TUnitRec>& factors) {
    RewriteFactors(factors, AbbrevDirection::ValueToName);
}

} // namespace varnel
