#pragma once

#include "units/Cat.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace varnel {

class TCats;

// What the engine looks up on every conversion, gathered once per load of the
// units data: the first unit of each symbol in load order (what the linear
// FindUnit gives), the kind of each category and whether it has rule units.
// It must be reset whenever the categories change.
class TUnitLookup {
public:
    bool FindUnit(const TCats& cats, std::string_view symbol, int& catIndex, int& unitIndex);
    bool HasRuleUnits(const TCats& cats, int catIndex);
    TCatKind CatKind(const TCats& cats, int catIndex);
    void Reset();

private:
    void Build(const TCats& cats);

    bool built_ = false;
    std::unordered_map<std::string, std::pair<int, int>> units_;
    struct TCatFacts {
        TCatKind Kind = ckNone;
        bool HasRuleUnits = false;
    };
    const TCatFacts& FactsOf(const TCats& cats, int catIndex);

    std::vector<TCatFacts> cats_;
};

} // namespace varnel
