#pragma once

#include "units/Unit.h"

#include <string>
#include <string_view>
#include <vector>

namespace varnel {

using TUnitArray = std::vector<TUnit*>;

// An ordered list of units it refers to and never frees.
class TUnitList {
public:
    int Count() const { return static_cast<int>(items_.size()); }
    // The unit at index, or nullptr outside 0..Count-1.
    TUnit* Items(int index) const;
    TUnit* operator[](int index) const { return Items(index); }
    int Add(TUnit* unit);
    void Clear() { items_.clear(); }

    TUnitArray::const_iterator begin() const { return items_.begin(); }
    TUnitArray::const_iterator end() const { return items_.end(); }

    // Index of the first core unit, or -1.
    int IndexOfCore() const;
    // Index of the first unit whose Symbol equals the trimmed text exactly,
    // or -1.
    int IndexOfSymbol(std::string_view symbol) const;
    TUnitArray SelectByKind(TUnitKinds kinds) const;
    // One line per selected unit: NameAndSymbol when withNames, else Symbol.
    std::vector<std::string> SymbolList(TUnitKinds kinds, bool withNames) const;
    // What users may type for the selected units: the symbols, then the aliases.
    std::vector<std::string> InputSymbols(TUnitKinds kinds) const;

private:
    TUnitArray items_;
};

} // namespace varnel
