#include "units/UnitsDataOps.h"

#include "common/TextUtil.h"

namespace varnel {

std::string XmlEscape(std::string_view text) {
    std::string result = Trim(text);
    for (const auto& [character, reference] : XmlEscapes)
        result = ReplaceAll(result, character, reference);
    return result;
}

std::string XmlUnescape(std::string_view text) {
    std::string result = Trim(text);
    for (const auto& [character, reference] : XmlEscapes)
        result = ReplaceAll(result, reference, character);
    return result;
}

void CopyUnitNode(const TXMLUnitType& source, const TXMLUnitType& target) {
    target.SetName(source.Name());
    target.SetType(source.Type());
    target.SetSymbol(source.Symbol());
    target.SetKw(source.Kw());
    target.SetEnabled(source.Enabled());
    target.SetComment(source.Comment());
    target.SetFactor(source.Factor());
    target.SetInBaseUnits(source.InBaseUnits());
    target.SetRuleFrom(source.RuleFrom());
    target.SetRuleTo(source.RuleTo());
    if (!source.Alias().empty() || !target.Alias().empty())
        target.SetAlias(source.Alias());
    target.SetText(source.Text());
}

void CopyCatNode(const TXMLCategoryType& source, const TXMLCategoryType& target) {
    // Onto itself, removing the target's units would remove what is copied.
    if (source == target)
        return;
    target.SetName(source.Name());
    target.SetType(source.Type());
    target.SetEnabled(source.Enabled());
    target.SetComment(source.Comment());
    target.Units().Clear();
    for (TXMLUnitType unit : source.Units())
        CopyUnitNode(unit, target.Units().Add());
}

int IndexOfCoreUnit(const TXMLCategoryType& category) {
    int index = 0;
    for (TXMLUnitType unit : category.Units()) {
        if (unit.Type() == UnitTypes[0])
            return index;
        ++index;
    }
    return -1;
}

} // namespace varnel
