#pragma once

#include "common/Messages.h"
#include "units/Cat.h"
#include "units/UnitList.h"
#include "units/UnitsData.h"
#include "units/XmlDocument.h"

#include <filesystem>
#include <memory>
#include <string_view>
#include <vector>

namespace varnel {

class TVariantIndex;

// All enabled categories of one units data document, which it parses and
// keeps. Every load starts afresh: references into the previous load are
// stale afterwards. Several models can share one parsed document and its
// categories (ShareModel), so that the engines of one window parse the data
// once; a load or a Clear then parts the model from the others.
class TCats {
public:
    TCats();
    // Loads the file when it exists; otherwise nothing is loaded and Root
    // stays without element.
    explicit TCats(const std::filesystem::path& fileName);
    virtual ~TCats();
    TCats(const TCats&) = delete;
    TCats& operator=(const TCats&) = delete;

    // Malformed XML comes back as a message and leaves the model empty with
    // Root unchanged; every other error goes to the caller. Returns
    // LoadMessages.
    virtual TMessages LoadFromText(std::string_view text);
    // Loads the categories of a parsed document, which the model keeps; every
    // error goes to the caller. Returns LoadMessages.
    virtual TMessages LoadFromDocument(std::shared_ptr<TXmlDocument> document);
    // Reads the document and the categories of another model, as loaded now.
    virtual void ShareModel(const TCats& other);
    // Frees every category; the document and Root stay.
    virtual void Clear();

    int CatCount() const { return static_cast<int>(model_->Cats.size()); }
    // The category at index, or nullptr outside 0..CatCount-1.
    TCat* Cats(int index) const;
    int AddCat(std::unique_ptr<TCat> cat);
    // Index of the first category whose Name equals the trimmed text without
    // regard to case, or -1.
    int IndexOfCat(std::string_view name) const;
    // The category read from that element of the units data, or nullptr.
    TCat* CatOfNode(const TXMLCategoryType& category) const;
    // The first category holding a unit of that symbol (IndexOfSymbol), or
    // false with both indices -1.
    // An alias (what users type for a unit, l for L) counts when no symbol
    // matches.
    bool FindUnit(std::string_view symbol, int& catIndex, int& unitIndex) const;

    const TUnitList& AllUnits() const { return model_->AllUnits; }
    // The units by name and symbol, for what may be taken for a unit; built
    // when first asked for, once per model.
    const TVariantIndex& VariantIndex() const;
    TXmlDocument& Doc() { return *doc_; }
    // The `UnitsData` binding of the last load that parsed; without element
    // before that.
    const TXMLUnitsDataType& Root() const { return root_; }
    // What the last load had to say, also when it raised an error.
    const TMessages& LoadMessages() const { return loadMessages_; }

private:
    bool FindAlias(const std::string& alias, int& catIndex, int& unitIndex) const;
    void LoadCategories();
    void LinkSupplementalCategories();
    void LinkSupplementalCategory(TCat& cat);

    struct TModel {
        std::vector<std::unique_ptr<TCat>> Cats;
        TUnitList AllUnits;
        std::shared_ptr<const TVariantIndex> Variants;
    };

    std::shared_ptr<TXmlDocument> doc_;
    TXMLUnitsDataType root_;
    std::shared_ptr<TModel> model_;
    TMessages loadMessages_;
};

} // namespace varnel
