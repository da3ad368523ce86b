#include "units/UnitPartners.h"

#include "common/TextUtil.h"

#include <algorithm>
#include <cstdint>

namespace varnel {

namespace {

constexpr std::string_view RootCatType = "root";

// The key under which SameText finds a name.
std::string NameKey(const std::string& name) {
    return UpperCase(name);
}

} // namespace

TUnitPartners::TUnitPartners(const std::vector<TXMLCategoryType>& cats, bool enabledOnly) {
    size_t order = 0;
    for (size_t c = 0; c < cats.size(); ++c) {
        bool inRoot = cats[c].Type() == RootCatType;
        int u = 0;
        for (TXMLUnitType unit : cats[c].Units()) {
            bool partner = true;
            try {
                partner = !enabledOnly || unit.Enabled() != 0;
            } catch (...) {
                partner = false;
                if (!unreadable_.Error)
                    unreadable_ = {order, std::current_exception()};
                if (inRoot && !unreadableInRoots_.Error)
                    unreadableInRoots_ = {order, std::current_exception()};
            }
            if (partner)
                Add(unit, {static_cast<int>(c), u}, inRoot, order);
            ++order;
            ++u;
        }
    }
}

void TUnitPartners::Add(const TXMLUnitType& unit, TPartnerPosition position, bool inRoot,
                        size_t order) {
    size_t index = partners_.size();
    partners_.push_back({unit, position});
    order_.push_back(order);
    inRoot_.push_back(inRoot);
    byName_[NameKey(unit.Name())].push_back(index);
    bySymbol_[unit.Symbol()].push_back(index);
}

void TUnitPartners::RaiseIfBefore(const TUnreadable& unreadable, size_t order) {
    if (unreadable.Error && unreadable.Order < order)
        std::rethrow_exception(unreadable.Error);
}

TPartnerPosition TUnitPartners::FirstWithSymbol(const std::string& symbol, bool rootsOnly,
                                                const TUnreadable& unreadable) const {
    auto found = bySymbol_.find(symbol);
    if (found != bySymbol_.end()) {
        for (size_t index : found->second) {
            if (rootsOnly && !inRoot_[index])
                continue;
            RaiseIfBefore(unreadable, order_[index]);
            return partners_[index].Position;
        }
    }
    RaiseIfBefore(unreadable, SIZE_MAX);
    return {};
}

TPartnerPosition TUnitPartners::FindInRoots(const std::string& symbol) const {
    return FirstWithSymbol(symbol, true, unreadableInRoots_);
}

TPartnerPosition TUnitPartners::FindAny(const std::string& symbol) const {
    return FirstWithSymbol(symbol, false, unreadable_);
}

void TUnitPartners::ReportDuplicates(const TXMLUnitType& unit,
                                     const std::function<void(const char*)>& report) const {
    static const std::vector<size_t> none;
    auto names = byName_.find(NameKey(unit.Name()));
    auto symbols = bySymbol_.find(unit.Symbol());
    const std::vector<size_t>& sameName = names != byName_.end() ? names->second : none;
    const std::vector<size_t>& sameSymbol = symbols != bySymbol_.end() ? symbols->second : none;
    size_t i = 0;
    size_t j = 0;
    while (i < sameName.size() || j < sameSymbol.size()) {
        size_t next = std::min(i < sameName.size() ? sameName[i] : SIZE_MAX,
                               j < sameSymbol.size() ? sameSymbol[j] : SIZE_MAX);
        RaiseIfBefore(unreadable_, order_[next]);
        bool other = partners_[next].Unit != unit;
        if (i < sameName.size() && sameName[i] == next) {
            if (other)
                report("Duplicated unit names");
            ++i;
        }
        if (j < sameSymbol.size() && sameSymbol[j] == next) {
            if (other)
                report("Duplicated unit symbols");
            ++j;
        }
    }
    RaiseIfBefore(unreadable_, SIZE_MAX);
}

} // namespace varnel
