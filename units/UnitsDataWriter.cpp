#include "units/UnitsDataWriter.h"

#include "common/MakerSite.h"
#include "common/TextUtil.h"
#include "units/UnitsDataOps.h"

#include <array>

namespace varnel {

namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view UnitLineEnd = "\n";

constexpr std::array<std::string_view, 5> PredefinedReferences = {"&amp;", "&lt;", "&gt;", "&quot;",
                                                                  "&apos;"};

bool IsDigit(char c, bool hex) {
    return (c >= '0' && c <= '9') || (hex && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F')));
}

bool StartsCharacterReference(std::string_view text) {
    size_t pos = 2; // after "&#"
    bool hex = pos < text.size() && (text[pos] == 'x' || text[pos] == 'X');
    if (hex)
        ++pos;
    size_t digits = pos;
    while (pos < text.size() && IsDigit(text[pos], hex))
        ++pos;
    return pos > digits && pos < text.size() && text[pos] == ';';
}

bool StartsReference(std::string_view text) {
    if (text.starts_with("&#"))
        return StartsCharacterReference(text);
    for (std::string_view reference : PredefinedReferences)
        if (text.starts_with(reference))
            return true;
    return false;
}

// Values go in as the document holds them; only what would make the file
// unreadable is written as a reference: a double quote, a "<" and an "&" that
// does not already begin a reference.
std::string AttributeValue(std::string_view value) {
    std::string result;
    result.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '"')
            result += "&quot;";
        else if (c == '<')
            result += "&lt;";
        else if (c == '&' && !StartsReference(value.substr(i)))
            result += "&amp;";
        else
            result += c;
    }
    return result;
}

std::string CommentValue(std::string_view comment) {
    return AttributeValue(XmlEscape(comment));
}

bool IsCoreUnitType(std::string_view type) {
    return type == UnitTypes[0];
}

class TUnitsDataTextBuilder {
public:
    void Line(std::string_view text) {
        text_ += text;
        text_ += LineEnd;
    }

    void Header(const TXMLDescriptionType& description) {
        Line("<?xml version=\"1.0\" encoding=\"windows-1252\"?>");
        Line("<UnitsData>");
        Line("  <description keywords=\"" + AttributeValue(description.Keywords()) + "\" ");
        Line("  hyperlink=\"" + std::string(MakerSite::AboutPage) + "\" copyright=\"Quillmere\" ");
        Line("  version=\"" + AttributeValue(description.Version()) + "\" language=\"" +
             AttributeValue(description.Language()) + "\">");
        Line("  This is Varnel units data file. The data have been collected from many sources,");
        Line("  all possible attempts have been made to assure accuracy, but the author can not "
             "be");
        Line("  held responsible for any innaccuracies of the data, or the results of its use or "
             "misuse.");
        Line("  </description>");
        Line("");
    }

    void Domain(const TOutlineDomain& entry) {
        const TXMLDomainType& domain = entry.Domain;
        Line("  <domain name=\"" + AttributeValue(domain.Name()) + "\" enabled=\"" +
             std::to_string(domain.Enabled()) + "\" comment=\"" + AttributeValue(domain.Comment()) +
             "\">");
        for (const TOutlineCategory& category : entry.Categories)
            Category(category);
        Line("  </domain>");
        Line("");
    }

    void Category(const TOutlineCategory& entry) {
        const TXMLCategoryType& category = entry.Category;
        Line("");
        Line("    <category name=\"" + AttributeValue(category.Name()) + "\" type=\"" +
             AttributeValue(category.Type()) + "\" enabled=\"" +
             std::to_string(category.Enabled()) + "\" comment=\"" +
             CommentValue(category.Comment()) + "\">");
        bool rootCategory = SameText(category.Type(), CatTypes[0]);
        for (const TXMLUnitType& unit : entry.Units)
            Unit(unit, rootCategory);
        Line("    </category>");
    }

    void Unit(const TXMLUnitType& unit, bool rootCategory) {
        if (IsCoreUnitType(unit.Type()))
            unit.SetEnabled(1);
        std::string type = unit.Type();
        text_ += "      <unit name=\"" + AttributeValue(unit.Name()) + "\" type=\"" +
                 AttributeValue(type) + "\" enabled=\"" + std::to_string(unit.Enabled()) +
                 "\" symbol=\"" + AttributeValue(unit.Symbol()) + "\" kw=\"" +
                 AttributeValue(unit.Kw()) + "\" ";
        if (const std::string alias = unit.Alias(); !alias.empty())
            text_ += "alias=\"" + AttributeValue(alias) + "\" ";
        if (SameText(type, UnitTypes[0]) && rootCategory) {
            ConversionLine("in_base_units=\"" + AttributeValue(unit.InBaseUnits()) + "\" ");
        } else if (SameText(type, UnitTypes[1])) {
            ConversionLine("factor=\"" + AttributeValue(unit.Factor()) + "\" ");
        } else if (SameText(type, UnitTypes[2])) {
            ConversionLine("rule_from=\"" + AttributeValue(unit.RuleFrom()) + "\"");
            ConversionLine("rule_to=\"" + AttributeValue(unit.RuleTo()) + "\" ");
        }
        text_ += UnitLineEnd;
        text_ += "       comment=\"" + CommentValue(unit.Comment()) + "\" />";
        text_ += LineEnd;
    }

    std::string Text() && { return std::move(text_); }

private:
    void ConversionLine(const std::string& text) {
        text_ += UnitLineEnd;
        text_ += "        " + text;
    }

    std::string text_;
};

} // namespace

TUnitsOutline UnitsOutlineOf(const TXMLUnitsDataType& root) {
    TUnitsOutline outline;
    for (TXMLDomainType domain : root.Domains()) {
        TOutlineDomain& domainEntry = outline.emplace_back(TOutlineDomain{domain, {}});
        for (TXMLCategoryType category : domain.Categories()) {
            TOutlineCategory& categoryEntry =
                domainEntry.Categories.emplace_back(TOutlineCategory{category, {}});
            for (TXMLUnitType unit : category.Units())
                categoryEntry.Units.push_back(unit);
        }
    }
    return outline;
}

std::string UnitsDataText(const TXMLDescriptionType& description, const TUnitsOutline& outline) {
    TUnitsDataTextBuilder builder;
    builder.Header(description);
    for (const TOutlineDomain& domain : outline)
        builder.Domain(domain);
    builder.Line("</UnitsData>");
    return std::move(builder).Text();
}

std::string UnitsDataText(const TXMLUnitsDataType& root) {
    return UnitsDataText(root.Description(), UnitsOutlineOf(root));
}

} // namespace varnel
