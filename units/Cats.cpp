#include "units/Cats.h"

#include "common/Exception.h"
#include "common/TextFile.h"
#include "common/TextUtil.h"
#include "units/UnitNotation.h"
#include "units/VariantIndex.h"

#include <system_error>

namespace varnel {

TCats::TCats() : doc_(std::make_shared<TXmlDocument>()), model_(std::make_shared<TModel>()) {}

TCats::TCats(const std::filesystem::path& fileName) : TCats() {
    std::error_code ec;
    if (std::filesystem::exists(fileName, ec))
        LoadFromText(ReadTextFile(fileName));
}

TCats::~TCats() = default;

TMessages TCats::LoadFromText(std::string_view text) {
    Clear();
    loadMessages_.clear();
    auto document = std::make_shared<TXmlDocument>();
    try {
        document->LoadFromText(text);
    } catch (const EXmlParseError& e) {
        loadMessages_.push_back(e.Message());
        return loadMessages_;
    }
    return LoadFromDocument(std::move(document));
}

TMessages TCats::LoadFromDocument(std::shared_ptr<TXmlDocument> document) {
    Clear();
    loadMessages_.clear();
    doc_ = std::move(document);
    // The previous Root is gone with the previous document.
    root_ = {};
    root_ = UnitsDataOf(*doc_);
    LoadCategories();
    LinkSupplementalCategories();
    return loadMessages_;
}

void TCats::ShareModel(const TCats& other) {
    doc_ = other.doc_;
    root_ = other.root_;
    model_ = other.model_;
    loadMessages_.clear();
}

void TCats::Clear() {
    // Another model may still read the categories: they go with the last.
    model_ = std::make_shared<TModel>();
}

TCat* TCats::Cats(int index) const {
    if (index < 0 || index >= CatCount())
        return nullptr;
    return model_->Cats[static_cast<size_t>(index)].get();
}

const TVariantIndex& TCats::VariantIndex() const {
    if (!model_->Variants)
        model_->Variants = std::make_shared<const TVariantIndex>(*this);
    return *model_->Variants;
}

int TCats::AddCat(std::unique_ptr<TCat> cat) {
    model_->Variants.reset();
    model_->Cats.push_back(std::move(cat));
    return CatCount() - 1;
}

int TCats::IndexOfCat(std::string_view name) const {
    std::string wanted = Trim(name);
    for (int i = 0; i < CatCount(); ++i)
        if (SameText(Cats(i)->Name(), wanted))
            return i;
    return -1;
}

TCat* TCats::CatOfNode(const TXMLCategoryType& category) const {
    for (int i = 0; i < CatCount(); ++i)
        if (Cats(i)->Node() == category)
            return Cats(i);
    return nullptr;
}

bool TCats::FindUnit(std::string_view symbol, int& catIndex, int& unitIndex) const {
    for (int i = 0; i < CatCount(); ++i) {
        int index = Cats(i)->Units().IndexOfSymbol(symbol);
        if (index != -1) {
            catIndex = i;
            unitIndex = index;
            return true;
        }
    }
    return FindAlias(Trim(symbol), catIndex, unitIndex);
}

bool TCats::FindAlias(const std::string& alias, int& catIndex, int& unitIndex) const {
    for (int i = 0; i < CatCount(); ++i) {
        const TUnitList& units = Cats(i)->Units();
        for (int j = 0; j < units.Count(); ++j) {
            for (const std::string& word : SplitCommaText(units[j]->Node().Alias())) {
                if (word == alias) {
                    catIndex = i;
                    unitIndex = j;
                    return true;
                }
            }
        }
    }
    catIndex = -1;
    unitIndex = -1;
    return false;
}

void TCats::LoadCategories() {
    for (TXMLDomainType domain : root_.Domains()) {
        if (domain.Enabled() == 0)
            continue;
        for (TXMLCategoryType category : domain.Categories()) {
            if (category.Enabled() == 0)
                continue;
            TCat* cat = Cats(AddCat(std::make_unique<TCat>(this, category)));
            for (TUnit* unit : cat->Units())
                model_->AllUnits.Add(unit);
        }
    }
}

void TCats::LinkSupplementalCategories() {
    for (auto& cat : model_->Cats)
        if (cat->Kind() == ckSup)
            LinkSupplementalCategory(*cat);
}

void TCats::LinkSupplementalCategory(TCat& cat) {
    int core = cat.Units().IndexOfCore();
    if (core == -1)
        throw Exception("No known units in sup. category(1)");
    TUnitEntries entries;
    if (!ParseUnits(cat.Units()[core]->Symbol(), entries, loadMessages_))
        throw Exception("No known units in sup. category(2)");
    if (entries.size() != 1)
        throw Exception("No units in sup. category");
    cat.degree_ = entries[0].Degree;
    int catIndex = -1;
    int unitIndex = -1;
    if (!FindUnit(entries[0].Symbol, catIndex, unitIndex))
        throw Exception("No known units in sup. category(3)");
    TCat* root = Cats(catIndex);
    cat.rootCat_ = root;
    root->supCats_.push_back(&cat);
}

} // namespace varnel
