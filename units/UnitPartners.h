#pragma once

#include "units/UnitsData.h"

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

namespace varnel {

// Where a search found a unit: the index of its category in the searched
// categories and its index among that category's units.
struct TPartnerPosition {
    int Cat = -1;
    int Unit = -1;
    explicit operator bool() const { return Cat >= 0; }
};

// The units of the categories a validation tests against, indexed by name and
// symbol. Every search gives what a walk over the categories in order would
// give, found in constant time instead: the same first match, the same
// duplicates in the same order, and the same error at the same place when a
// unit's `enabled` cannot be read.
class TUnitPartners {
public:
    // With enabledOnly, disabled units are no partners.
    TUnitPartners(const std::vector<TXMLCategoryType>& cats, bool enabledOnly);

    // The first partner with exactly this symbol, in a category whose type is
    // exactly "root" or in any category.
    TPartnerPosition FindInRoots(const std::string& symbol) const;
    TPartnerPosition FindAny(const std::string& symbol) const;

    // Reports "Duplicated unit names" and "Duplicated unit symbols" once for
    // each other partner with the same name (without regard to case) or the
    // same symbol (exactly), in partner order, the name first.
    void ReportDuplicates(const TXMLUnitType& unit,
                          const std::function<void(const char*)>& report) const;

private:
    struct TPartner {
        TXMLUnitType Unit;
        TPartnerPosition Position;
    };
    // The first unit, in walk order, whose `enabled` could not be read.
    struct TUnreadable {
        size_t Order = SIZE_MAX;
        std::exception_ptr Error;
    };

    void Add(const TXMLUnitType& unit, TPartnerPosition position, bool inRoot, size_t order);
    TPartnerPosition FirstWithSymbol(const std::string& symbol, bool rootsOnly,
                                     const TUnreadable& unreadable) const;
    static void RaiseIfBefore(const TUnreadable& unreadable, size_t order);

    std::vector<TPartner> partners_;
    // Walk order of each partner and whether its category is a root category.
    std::vector<size_t> order_;
    std::vector<bool> inRoot_;
    std::unordered_map<std::string, std::vector<size_t>> byName_;
    std::unordered_map<std::string, std::vector<size_t>> bySymbol_;
    TUnreadable unreadable_;
    TUnreadable unreadableInRoots_;
};

} // namespace varnel
