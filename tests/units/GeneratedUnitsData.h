#pragma once

#include <cstdint>
#include <string>

namespace varnel::test {

// A large units data document for speed and equivalence checks: root,
// supplemental and compound categories in several domains (one disabled),
// with disabled units, duplicated names and symbols in different letter
// case, compound units of wrong shape and bad factors sprinkled through it.
inline std::string GeneratedUnitsData(int unitCount) {
    const int unitsPerCategory = 25;
    const int categoriesPerDomain = 20;
    uint32_t random = 12345;
    auto next = [&random](uint32_t range) {
        random = random * 1664525u + 1013904223u;
        return (random >> 8) % range;
    };
    auto unit = [](const std::string& name, const std::string& type, int enabled,
                   const std::string& symbol, const std::string& kw, const std::string& extra) {
        return "      <unit name=\"" + name + "\" type=\"" + type + "\" enabled=\"" +
               std::to_string(enabled) + "\" symbol=\"" + symbol + "\" kw=\"" + kw + "\" " + extra +
               " comment=\"\" />\n";
    };

    std::string text = "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<UnitsData>\n"
                       "  <description keywords=\"length,time,mass,speed\" hyperlink=\"\" "
                       "copyright=\"Quillmere\" version=\"1.00\" language=\"English\">\n"
                       "  </description>\n";
    int made = 0;
    int category = 0;
    for (int domain = 0; made < unitCount; ++domain) {
        text += "  <domain name=\"Domain " + std::to_string(domain) + "\" enabled=\"" +
                (domain == 3 ? "0" : "1") + "\" comment=\"\">\n";
        for (int c = 0; c < categoriesPerDomain && made < unitCount; ++c, ++category) {
            std::string id = std::to_string(category);
            // Compound categories combine the first two root categories.
            bool compound = category % 7 == 6;
            bool sup = !compound && category % 5 == 4;
            std::string type = compound ? "comp"
                               : sup    ? "sup"
                                        : (category % 11 == 10 ? "Root" : "root");
            text += "    <category name=\"" +
                    (category % 53 == 52 ? "category 1" : "Category " + id) + "\" type=\"" + type +
                    "\" enabled=\"" + (category % 17 == 16 ? "0" : "1") + "\" comment=\"\">\n";
            for (int u = 0; u < unitsPerCategory && made < unitCount; ++u, ++made) {
                std::string n = std::to_string(made);
                std::string name =
                    next(97) == 0 ? "UNIT " + std::to_string(next(made + 1)) : "unit " + n;
                std::string symbol = next(89) == 0 ? "u" + std::to_string(next(made + 1)) : "u" + n;
                int enabled = next(13) == 0 ? 0 : 1;
                std::string kw = next(31) == 0 ? "volume" : (u % 3 == 0 ? "length" : "");
                if (u == 0) {
                    if (compound)
                        symbol = next(2) ? "u0/u25" : "u0/u" + std::to_string(next(made + 1));
                    else if (sup)
                        symbol = "u" + std::to_string(25 * next(category)) + "^2";
                    text += unit(name, "si-unit", 1, symbol, kw, "in_base_units=\"m\"");
                } else if (compound) {
                    symbol = "u" + std::to_string(next(50));
                    if (next(9) != 0)
                        symbol += "/u" + std::to_string(next(75)) + (next(4) == 0 ? "^2" : "");
                    text += unit(name, "factor", enabled, symbol, kw, "factor=\"2\"");
                } else if (u == 24 && !sup) {
                    text += unit(name, "rule", enabled, symbol, kw,
                                 "rule_from=\"#*2\" rule_to=\"" +
                                     std::string(next(3) == 0 ? "x" : "#/2") + "\"");
                } else {
                    text += unit(name, "factor", enabled, symbol, kw,
                                 next(41) == 0 ? "factor=\"1,5\"" : "factor=\"1.5e3\"");
                }
            }
            text += "    </category>\n";
        }
        text += "  </domain>\n";
    }
    return text + "</UnitsData>\n";
}

} // namespace varnel::test
