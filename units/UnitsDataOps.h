#pragma once

#include "units/UnitsData.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>

namespace varnel {

// The characters XmlEscape replaces, in the order they are replaced.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 3> XmlEscapes = {{
    {"\"", "&quot;"},
    {"<", "&lt;"},
    {">", "&gt;"},
}};

// Trims blanks and control characters, then replaces the XmlEscapes
// characters by their references; "&" is left alone, so escaping twice is
// escaping once.
std::string XmlEscape(std::string_view text);
// Trims the same way and turns the XmlEscapes references back.
std::string XmlUnescape(std::string_view text);

// Copies the ten attributes and the text of a unit element.
void CopyUnitNode(const TXMLUnitType& source, const TXMLUnitType& target);
// Copies the category's attributes and replaces the target's units by copies
// of the source's units.
void CopyCatNode(const TXMLCategoryType& source, const TXMLCategoryType& target);

// Index of the first unit, enabled or not, whose type is exactly "si-unit";
// -1 when there is none.
int IndexOfCoreUnit(const TXMLCategoryType& category);

} // namespace varnel
