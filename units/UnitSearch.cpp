#include "units/UnitSearch.h"

#include "common/TextUtil.h"
#include "common/Windows1252.h"
#include "units/Cats.h"

namespace varnel {

namespace {

// Latin-1 letters with accents, from U+00C0, by their base letters; "?" for
// the two that are no letters.
constexpr std::string_view LatinBases = "aaaaaaaceeeeiiiidnooooo?ouuuuyts"
                                        "aaaaaaaceeeeiiiidnooooo?ouuuuyty";

void AppendFolded(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    } else if (c >= 0xC0 && c <= 0xFF && LatinBases[c - 0xC0] != '?') {
        out += c == 0xDF ? "ss" : std::string(1, LatinBases[c - 0xC0]);
    } else if (c == 0xB5 || c == 0x3BC) {
        out += 'u';
    } else if (c == 0x3A9 || c == 0x2126) {
        out += "ohm";
    } else {
        AppendUtf8(out, c);
    }
}

bool Contains(const std::string& text, std::string_view foldedWord) {
    return FoldForSearch(text).find(foldedWord) != std::string::npos;
}

// "ounce" of "ounce (troy)".
std::string UnqualifiedName(const std::string& name) {
    return FoldForSearch(Trim(name.substr(0, name.find(" ("))));
}

} // namespace

std::string FoldForSearch(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size())
        AppendFolded(folded, NextCodePoint(text, pos));
    return folded;
}

bool UnitMatches(const TUnit& unit, const TCat& cat, std::string_view foldedWord) {
    if (foldedWord.empty() || Contains(unit.Name(), foldedWord) ||
        Contains(unit.Symbol(), foldedWord) || Contains(cat.Name(), foldedWord))
        return true;
    for (const std::string& alias : SplitCommaText(unit.Node().Alias()))
        if (Contains(alias, foldedWord))
            return true;
    for (const std::string& keyword : SplitCommaText(unit.Node().Kw()))
        if (FoldForSearch(keyword) == foldedWord)
            return true;
    return false;
}

std::vector<TUnitMatch> SearchUnits(const TCats& cats, std::string_view word) {
    const std::string folded = FoldForSearch(Trim(word));
    std::vector<TUnitMatch> matches;
    for (int i = 0; i < cats.CatCount(); ++i) {
        const TCat& cat = *cats.Cats(i);
        for (int j = 0; j < cat.Units().Count(); ++j)
            if (UnitMatches(*cat.Units()[j], cat, folded))
                matches.push_back({i, j});
    }
    return matches;
}

std::vector<const TUnit*> VariantsOf(const TCats& cats, const TUnit& unit) {
    const std::string name = UnqualifiedName(unit.Name());
    std::vector<const TUnit*> variants;
    for (const TUnit* other : cats.AllUnits())
        if (other != &unit && UnqualifiedName(other->Name()) == name)
            variants.push_back(other);
    return variants;
}

} // namespace varnel
