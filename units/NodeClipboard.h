#pragma once

#include "units/UnitsData.h"

#include <memory>

namespace varnel {

// The editor's node clipboard: a unit or a category, held as a deep copy in
// a document of its own, so that it outlives a Cut, the loading of another
// file and every change to the document it came from.
class TNodeClipboard {
public:
    TNodeClipboard();
    ~TNodeClipboard();
    TNodeClipboard(const TNodeClipboard&) = delete;
    TNodeClipboard& operator=(const TNodeClipboard&) = delete;

    void CopyUnit(const TXMLUnitType& unit);
    void CopyCategory(const TXMLCategoryType& category);
    void Clear();

    // The held copy, or a binding without element; at most one is set.
    TXMLUnitType Unit() const;
    TXMLCategoryType Category() const;
    bool Empty() const { return !Unit() && !Category(); }

private:
    void Hold(const TXMLElement& element);

    std::unique_ptr<pugi::xml_document> copy_;
};

} // namespace varnel
