#include "units/Cat.h"

#include "common/Exception.h"
#include "common/TextUtil.h"

namespace varnel {

TCat::TCat(TCats* owner, TXMLCategoryType node) : owner_(owner) {
    if (node)
        Load(node);
}

TCat::~TCat() = default;

void TCat::Load(TXMLCategoryType node) {
    if (!node)
        throw EM("Cat. data is missing");
    node_ = node;
    for (TXMLUnitType unitNode : node.Units()) {
        if (unitNode.Enabled() == 0)
            continue;
        TUnit* unit = ownedUnits_.emplace_back(std::make_unique<TUnit>(this, unitNode)).get();
        units_.Add(unit);
        unit->SetCat(this);
    }
}

void TCat::Clear() {
    units_.Clear();
    rootCat_ = nullptr;
    degree_ = 0;
    supCats_.clear();
    node_ = {};
}

TCatKind TCat::Kind() const {
    if (!node_)
        return ckNone;
    return static_cast<TCatKind>(IndexOfText(node_.Type(), CatTypes) + 1);
}

std::string TCat::Name() const {
    if (Kind() == ckNone)
        return {};
    return node_.Name();
}

bool TCat::HasRuleUnits() const {
    for (TUnit* unit : units_)
        if (unit->Kind() == ukRule)
            return true;
    return false;
}

} // namespace varnel
