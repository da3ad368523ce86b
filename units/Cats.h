#pragma once

#include "units/Cat.h"
#include "units/UnitList.h"
#include "units/UnitsData.h"
#include "units/XmlDocument.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace varnel {

// All enabled categories of one units data document, which it parses and
// keeps. Every load starts afresh: references into the previous load are
// stale afterwards.
class TCats {
public:
    TCats();
    // Loads the file when it exists; otherwise nothing is loaded and Root
    // stays without element.
    explicit TCats(const std::filesystem::path& fileName);
    virtual ~TCats();
    TCats(const TCats&) = delete;
    TCats& operator=(const TCats&) = delete;

    // Malformed XML is shown as a message and leaves the model empty with
    // Root unchanged; every other error goes to the caller.
    virtual void LoadFromText(std::string_view text);
    // Frees every category; the document and Root stay.
    virtual void Clear();

    int CatCount() const { return static_cast<int>(cats_.size()); }
    // The category at index, or nullptr outside 0..CatCount-1.
    TCat* Cats(int index) const;
    int AddCat(std::unique_ptr<TCat> cat);
    // Index of the first category whose Name equals the trimmed text without
    // regard to case, or -1.
    int IndexOfCat(std::string_view name) const;
    // The first category holding a unit of that symbol (IndexOfSymbol), or
    // false with both indices -1.
    // An alias (what users type for a unit, l for L) counts when no symbol
    // matches.
    bool FindUnit(std::string_view symbol, int& catIndex, int& unitIndex) const;

    const TUnitList& AllUnits() const { return allUnits_; }
    TXmlDocument& Doc() { return doc_; }
    // The `UnitsData` binding of the last load that parsed; without element
    // before that.
    const TXMLUnitsDataType& Root() const { return root_; }

private:
    bool FindAlias(const std::string& alias, int& catIndex, int& unitIndex) const;
    void LoadCategories();
    void LinkSupplementalCategories();
    void LinkSupplementalCategory(TCat& cat);

    TXmlDocument doc_;
    TXMLUnitsDataType root_;
    std::vector<std::unique_ptr<TCat>> cats_;
    TUnitList allUnits_;
};

} // namespace varnel
