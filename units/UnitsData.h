#pragma once

#include "units/XmlDocument.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

namespace varnel {

// The stored words of the units data file, in this order.
inline constexpr std::array<std::string_view, 3> CatTypes = {"root", "sup", "comp"};
inline constexpr std::array<std::string_view, 3> UnitTypes = {"si-unit", "factor", "rule"};
inline constexpr std::array<std::string_view, 7> BaseUnits = {"m", "kg",  "s", "A",
                                                              "K", "mol", "cd"};

// Typed access to the elements of a units data document. A binding is a
// handle on its element: two bindings of the same element compare equal, so
// a binding can serve as a key (hash with TXMLElementHash). A default binding
// has no element; its getters read empty text.
class TXMLElement {
public:
    TXMLElement() = default;
    explicit TXMLElement(pugi::xml_node node) : node_(node) {}

    explicit operator bool() const { return !node_.empty(); }
    pugi::xml_node Node() const { return node_; }
    friend bool operator==(const TXMLElement& a, const TXMLElement& b) {
        return a.node_ == b.node_;
    }

protected:
    std::string Attribute(const char* name) const;
    void SetAttribute(const char* name, std::string_view value) const;
    // A missing, empty or non-integer value raises EConvertError.
    int32_t IntegerAttribute(const char* name) const;
    void SetIntegerAttribute(const char* name, int32_t value) const;

    pugi::xml_node node_;
};

struct TXMLElementHash {
    size_t operator()(const TXMLElement& element) const { return element.Node().hash_value(); }
};

// The children of one element that carry one name, in document order.
template <class T> class TXMLElementList {
public:
    TXMLElementList(pugi::xml_node parent, const char* name) : parent_(parent), name_(name) {}

    class Iterator {
    public:
        Iterator(pugi::xml_node node, const char* name) : node_(node), name_(name) {}
        T operator*() const { return T(node_); }
        Iterator& operator++() {
            node_ = node_.next_sibling(name_);
            return *this;
        }
        bool operator==(const Iterator& other) const { return node_ == other.node_; }

    private:
        pugi::xml_node node_;
        const char* name_;
    };
    Iterator begin() const { return Iterator(parent_.child(name_), name_); }
    Iterator end() const { return Iterator(pugi::xml_node(), name_); }

    int Count() const {
        int count = 0;
        for (auto it = begin(); it != end(); ++it)
            ++count;
        return count;
    }
    // An index outside 0..Count-1 raises Exception.
    T Item(int index) const { return T(NodeAt(index)); }
    T operator[](int index) const { return Item(index); }
    T Add() const { return T(Parent().append_child(name_)); }
    // Inserts before the element at index; index Count appends.
    T Insert(int index) const {
        if (index == Count())
            return Add();
        return T(Parent().insert_child_before(name_, NodeAt(index)));
    }
    void Clear() const {
        while (pugi::xml_node child = parent_.child(name_))
            Parent().remove_child(child);
    }

private:
    pugi::xml_node NodeAt(int index) const;
    // Changes go through a copy: a handle does not make its element const.
    pugi::xml_node Parent() const { return parent_; }

    pugi::xml_node parent_;
    const char* name_;
};

void RaiseListIndexError(int index);

template <class T> pugi::xml_node TXMLElementList<T>::NodeAt(int index) const {
    if (index >= 0) {
        int i = 0;
        for (pugi::xml_node node = parent_.child(name_); node; node = node.next_sibling(name_))
            if (i++ == index)
                return node;
    }
    RaiseListIndexError(index);
    return {};
}

class TXMLUnitType : public TXMLElement {
public:
    using TXMLElement::TXMLElement;
    std::string Name() const { return Attribute("name"); }
    void SetName(std::string_view v) const { SetAttribute("name", v); }
    std::string Type() const { return Attribute("type"); }
    void SetType(std::string_view v) const { SetAttribute("type", v); }
    std::string Symbol() const { return Attribute("symbol"); }
    void SetSymbol(std::string_view v) const { SetAttribute("symbol", v); }
    std::string Kw() const { return Attribute("kw"); }
    void SetKw(std::string_view v) const { SetAttribute("kw", v); }
    int32_t Enabled() const { return IntegerAttribute("enabled"); }
    void SetEnabled(int32_t v) const { SetIntegerAttribute("enabled", v); }
    std::string Comment() const { return Attribute("comment"); }
    void SetComment(std::string_view v) const { SetAttribute("comment", v); }
    std::string Factor() const { return Attribute("factor"); }
    void SetFactor(std::string_view v) const { SetAttribute("factor", v); }
    std::string InBaseUnits() const { return Attribute("in_base_units"); }
    void SetInBaseUnits(std::string_view v) const { SetAttribute("in_base_units", v); }
    std::string RuleFrom() const { return Attribute("rule_from"); }
    void SetRuleFrom(std::string_view v) const { SetAttribute("rule_from", v); }
    std::string RuleTo() const { return Attribute("rule_to"); }
    void SetRuleTo(std::string_view v) const { SetAttribute("rule_to", v); }
    // Comma text: other symbols users type for this unit (l for L, °C for
    // degC). Input only; the unit is always written with its symbol.
    std::string Alias() const { return Attribute("alias"); }
    void SetAlias(std::string_view v) const { SetAttribute("alias", v); }
    // The element's own text content.
    std::string Text() const;
    void SetText(std::string_view v) const;
};

class TXMLCategoryType : public TXMLElement {
public:
    using TXMLElement::TXMLElement;
    std::string Name() const { return Attribute("name"); }
    void SetName(std::string_view v) const { SetAttribute("name", v); }
    std::string Type() const { return Attribute("type"); }
    void SetType(std::string_view v) const { SetAttribute("type", v); }
    int32_t Enabled() const { return IntegerAttribute("enabled"); }
    void SetEnabled(int32_t v) const { SetIntegerAttribute("enabled", v); }
    std::string Comment() const { return Attribute("comment"); }
    void SetComment(std::string_view v) const { SetAttribute("comment", v); }
    TXMLElementList<TXMLUnitType> Units() const { return {node_, "unit"}; }
};

class TXMLDomainType : public TXMLElement {
public:
    using TXMLElement::TXMLElement;
    std::string Name() const { return Attribute("name"); }
    void SetName(std::string_view v) const { SetAttribute("name", v); }
    int32_t Enabled() const { return IntegerAttribute("enabled"); }
    void SetEnabled(int32_t v) const { SetIntegerAttribute("enabled", v); }
    std::string Comment() const { return Attribute("comment"); }
    void SetComment(std::string_view v) const { SetAttribute("comment", v); }
    TXMLElementList<TXMLCategoryType> Categories() const { return {node_, "category"}; }
};

class TXMLDescriptionType : public TXMLElement {
public:
    using TXMLElement::TXMLElement;
    std::string Keywords() const { return Attribute("keywords"); }
    void SetKeywords(std::string_view v) const { SetAttribute("keywords", v); }
    std::string Hyperlink() const { return Attribute("hyperlink"); }
    void SetHyperlink(std::string_view v) const { SetAttribute("hyperlink", v); }
    std::string Copyright() const { return Attribute("copyright"); }
    void SetCopyright(std::string_view v) const { SetAttribute("copyright", v); }
    std::string Version() const { return Attribute("version"); }
    void SetVersion(std::string_view v) const { SetAttribute("version", v); }
    std::string Language() const { return Attribute("language"); }
    void SetLanguage(std::string_view v) const { SetAttribute("language", v); }
};

using TXMLDomainTypeList = TXMLElementList<TXMLDomainType>;

class TXMLUnitsDataType : public TXMLElement {
public:
    using TXMLElement::TXMLElement;
    // The first `description` child; a binding without element when there is
    // none (its getters read empty text).
    TXMLDescriptionType Description() const {
        return TXMLDescriptionType(node_.child("description"));
    }
    // The first `description` child, created first when there is none.
    TXMLDescriptionType DescriptionOrNew() const;
    TXMLDomainTypeList Domains() const { return {node_, "domain"}; }
};

using IXMLUnitsDataType = TXMLUnitsDataType;
using IXMLDomainTypeList = TXMLDomainTypeList;
using IXMLCategoryType = TXMLCategoryType;
using IXMLUnitType = TXMLUnitType;

// The binding of the document element `UnitsData`; an empty one is created
// when the document has none. Any other document element raises Exception.
TXMLUnitsDataType UnitsDataOf(TXmlDocument& document);

} // namespace varnel
