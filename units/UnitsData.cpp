#include "units/UnitsData.h"

#include "common/Exception.h"
#include "common/TextUtil.h"

#include <charconv>

namespace varnel {

namespace {

bool ReadInteger(std::string_view text, int32_t& value) {
    std::string trimmed = Trim(text);
    const char* first = trimmed.data();
    const char* last = first + trimmed.size();
    // from_chars takes a minus sign but no plus sign.
    if (trimmed.size() > 1 && trimmed[0] == '+' && trimmed[1] >= '0' && trimmed[1] <= '9')
        ++first;
    auto [end, ec] = std::from_chars(first, last, value);
    return ec == std::errc() && end == last;
}

} // namespace

std::string TXMLElement::Attribute(const char* name) const {
    return node_.attribute(name).value();
}

void TXMLElement::SetAttribute(const char* name, std::string_view value) const {
    pugi::xml_node node = node_;
    pugi::xml_attribute attribute = node.attribute(name);
    if (!attribute)
        attribute = node.append_attribute(name);
    attribute.set_value(std::string(value).c_str());
}

int32_t TXMLElement::IntegerAttribute(const char* name) const {
    std::string text = Attribute(name);
    int32_t value = 0;
    if (!ReadInteger(text, value))
        throw EConvertError("'" + text + "' is not a valid integer value");
    return value;
}

void TXMLElement::SetIntegerAttribute(const char* name, int32_t value) const {
    SetAttribute(name, std::to_string(value));
}

void RaiseListIndexError(int index) {
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

std::string TXMLUnitType::Text() const {
    return node_.text().get();
}

void TXMLUnitType::SetText(std::string_view v) const {
    pugi::xml_node node = node_;
    node.text().set(std::string(v).c_str());
}

TXMLDescriptionType TXMLUnitsDataType::DescriptionOrNew() const {
    if (TXMLDescriptionType description = Description())
        return description;
    pugi::xml_node node = node_;
    return TXMLDescriptionType(node.prepend_child("description"));
}

TXMLUnitsDataType UnitsDataOf(TXmlDocument& document) {
    pugi::xml_node root = document.DocumentElement();
    if (!root)
        root = document.CreateDocumentElement("UnitsData");
    if (std::string_view(root.name()) != "UnitsData")
        throw Exception("The document element is \"" + std::string(root.name()) +
                        "\" instead of \"UnitsData\": this is not a units data file.");
    return TXMLUnitsDataType(root);
}

} // namespace varnel
