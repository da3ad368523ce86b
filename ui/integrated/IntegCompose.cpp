#include "ui/integrated/IntegCompose.h"

#include "ui/common/MessageBoxes.h"
#include "units/Cats.h"
#include "units/Unit.h"

namespace varnel {

namespace {

int32_t SignOf(int32_t degree) {
    return (degree > 0) - (degree < 0);
}

} // namespace

std::string PickedCoreSymbol(const TXMLCategoryType& category) {
    std::string core;
    for (TXMLUnitType unit : category.Units())
        if (unit.Enabled() != 0 && unit.Type() == UnitTypes[0])
            core = TUnit(nullptr, unit).Symbol();
    return core;
}

std::string MatchUnit(const TCats& cats, const std::string& symbol, int catIndex, TDimRec& rec) {
    const TCat* cat = cats.Cats(catIndex);
    std::string result = symbol;
    for (TUnitRec& factor : rec.Factors) {
        int factorCat = -1;
        int unitIndex = -1;
        if (!cats.FindUnit(factor.Symbol, factorCat, unitIndex))
            continue;
        const TCat* other = cats.Cats(factorCat);
        if (other->Kind() == ckSup && other->RootCat() == cat) {
            const TUnit* core = cat->Units().Items(cat->Units().IndexOfCore());
            if (core == nullptr)
                continue;
            // The sign of the category's Degree counts: a frequency unit is
            // time to the power -1.
            factor = {core->Symbol(), other->Degree() * SignOf(factor.Degree)};
            result = factor.Symbol;
        } else if (factorCat == catIndex) {
            result = factor.Symbol;
        }
    }
    return result;
}

void AddPickedUnits(const TCats& cats, const std::string& core, int sign, TDimRec& source,
                    TDimRec& target) {
    TDimRec picked;
    TMessages messages;
    StrToDimRec("1 [" + core + "]", picked, messages);
    ShowCoreMessages(messages);
    for (const TUnitRec& unit : picked.Factors) {
        int catIndex = -1;
        int unitIndex = -1;
        if (!cats.FindUnit(unit.Symbol, catIndex, unitIndex))
            continue;
        const int32_t degree = unit.Degree * sign;
        source = DimAddFactor(source, {MatchUnit(cats, unit.Symbol, catIndex, source), degree});
        target = DimAddFactor(target, {MatchUnit(cats, unit.Symbol, catIndex, target), degree});
    }
}

} // namespace varnel
