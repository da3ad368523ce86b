#include "units/ElementEdit.h"

#include <sstream>

namespace varnel {

bool IsWithin(const TXMLElement& element, const TXMLElement& ancestor) {
    if (!ancestor)
        return false;
    for (pugi::xml_node node = element.Node(); node; node = node.parent())
        if (node == ancestor.Node())
            return true;
    return false;
}

void RemoveElement(const TXMLElement& element) {
    pugi::xml_node node = element.Node();
    pugi::xml_node parent = node.parent();
    if (node && parent)
        parent.remove_child(node);
}

bool MoveElementUp(const TXMLElement& element) {
    pugi::xml_node node = element.Node();
    pugi::xml_node previous = node.previous_sibling(node.name());
    if (!node || !previous)
        return false;
    return static_cast<bool>(node.parent().insert_move_before(node, previous));
}

bool MoveElementDown(const TXMLElement& element) {
    pugi::xml_node node = element.Node();
    pugi::xml_node next = node.next_sibling(node.name());
    if (!node || !next)
        return false;
    return static_cast<bool>(node.parent().insert_move_after(node, next));
}

std::string ElementXml(const TXMLElement& element) {
    std::ostringstream out;
    element.Node().print(out, "  ", pugi::format_indent, pugi::encoding_utf8);
    return out.str();
}

} // namespace varnel
