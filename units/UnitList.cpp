#include "units/UnitList.h"

#include "common/TextUtil.h"

namespace varnel {

TUnit* TUnitList::Items(int index) const {
    if (index < 0 || index >= Count())
        return nullptr;
    return items_[static_cast<size_t>(index)];
}

int TUnitList::Add(TUnit* unit) {
    items_.push_back(unit);
    return Count() - 1;
}

int TUnitList::IndexOfCore() const {
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)]->Kind() == ukCore)
            return i;
    return -1;
}

int TUnitList::IndexOfSymbol(std::string_view symbol) const {
    std::string wanted = Trim(symbol);
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<size_t>(i)]->Symbol() == wanted)
            return i;
    return -1;
}

TUnitArray TUnitList::SelectByKind(TUnitKinds kinds) const {
    TUnitArray selected;
    for (TUnit* unit : items_)
        if (kinds.Contains(unit->Kind()))
            selected.push_back(unit);
    return selected;
}

std::vector<std::string> TUnitList::SymbolList(TUnitKinds kinds, bool withNames) const {
    std::vector<std::string> lines;
    for (TUnit* unit : SelectByKind(kinds))
        lines.push_back(withNames ? unit->NameAndSymbol() : unit->Symbol());
    return lines;
}

std::vector<std::string> TUnitList::InputSymbols(TUnitKinds kinds) const {
    std::vector<std::string> symbols = SymbolList(kinds, false);
    for (TUnit* unit : SelectByKind(kinds))
        for (std::string& alias : SplitCommaText(unit->Node().Alias()))
            symbols.push_back(std::move(alias));
    return symbols;
}

} // namespace varnel
