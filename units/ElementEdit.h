#pragma once

#include "units/UnitsData.h"

#include <string>

namespace varnel {

// Changes to the element tree of a units data document that the editor
// makes. pugixml frees a removed element at once: a handle into it, or into
// anything inside it, must not be used afterwards.

// Whether `element` is `ancestor` itself or lies inside it.
bool IsWithin(const TXMLElement& element, const TXMLElement& ancestor);

// Removes the element, with all it holds, from its parent.
void RemoveElement(const TXMLElement& element);

// Swaps the element with its previous (or next) sibling of the same name;
// false, and nothing changes, when there is none. Handles stay valid.
bool MoveElementUp(const TXMLElement& element);
bool MoveElementDown(const TXMLElement& element);

// The element's own XML text, as the system clipboard receives it.
std::string ElementXml(const TXMLElement& element);

} // namespace varnel
