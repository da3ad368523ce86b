#pragma once

#include "units/UnitList.h"
#include "units/UnitsData.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace varnel {

class TCats;
class TCat;

enum TCatKind { ckNone, ckRoot, ckSup, ckComp };

using TCatArray = std::vector<TCat*>;

// One category with its enabled units, in document order. It owns its units;
// RootCat and SupCats only refer to categories of the same TCats.
class TCat {
public:
    // Loads the element when one is given; without one the category has no
    // element and its Kind is ckNone.
    explicit TCat(TCats* owner, TXMLCategoryType node = {});
    virtual ~TCat();
    TCat(const TCat&) = delete;
    TCat& operator=(const TCat&) = delete;

    // Adds the enabled units of the element. Without an element raises EM
    // "Cat. data is missing".
    void Load(TXMLCategoryType node);
    // Empties Units and the links and drops the element; the units stay owned.
    void Clear();

    TCats* Owner() const { return owner_; }
    const TXMLCategoryType& Node() const { return node_; }
    const TUnitList& Units() const { return units_; }
    // For a supplemental category: the category of the unit its core unit is
    // a power of, and that power.
    TCat* RootCat() const { return rootCat_; }
    int32_t Degree() const { return degree_; }
    // The supplemental categories whose RootCat this is, in load order.
    const TCatArray& SupCats() const { return supCats_; }

    TCatKind Kind() const;
    // The `name` attribute; empty text for a category of kind ckNone.
    std::string Name() const;
    bool HasRuleUnits() const;

protected:
    void SetSupCats(const TCatArray& supCats) { supCats_ = supCats; }

private:
    friend class TCats; // links the supplemental categories

    TCats* owner_;
    TXMLCategoryType node_;
    std::vector<std::unique_ptr<TUnit>> ownedUnits_;
    TUnitList units_;
    TCat* rootCat_ = nullptr;
    int32_t degree_ = 0;
    TCatArray supCats_;
};

} // namespace varnel
