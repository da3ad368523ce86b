#include "units/NodeClipboard.h"

#include <string_view>

namespace varnel {

TNodeClipboard::TNodeClipboard() : copy_(std::make_unique<pugi::xml_document>()) {}

TNodeClipboard::~TNodeClipboard() = default;

void TNodeClipboard::Hold(const TXMLElement& element) {
    // Copied into a fresh document first: the element may be the held copy.
    auto fresh = std::make_unique<pugi::xml_document>();
    if (element)
        fresh->append_copy(element.Node());
    copy_ = std::move(fresh);
}

void TNodeClipboard::CopyUnit(const TXMLUnitType& unit) {
    Hold(unit);
}

void TNodeClipboard::CopyCategory(const TXMLCategoryType& category) {
    Hold(category);
}

void TNodeClipboard::Clear() {
    copy_ = std::make_unique<pugi::xml_document>();
}

TXMLUnitType TNodeClipboard::Unit() const {
    return TXMLUnitType(copy_->child("unit"));
}

TXMLCategoryType TNodeClipboard::Category() const {
    return TXMLCategoryType(copy_->child("category"));
}

} // namespace varnel
