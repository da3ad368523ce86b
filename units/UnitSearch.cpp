#include "units/UnitSearch.h"

#include "common/TextUtil.h"
#include "common/Windows1252.h"
#include "units/Cats.h"
#include "units/VariantIndex.h"

#include <algorithm>

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

} // namespace

std::string FoldForSearch(std::string_view text) {
    std::string folded;
    folded.reserve(text.size());
    size_t pos = 0;
    while (pos < text.size())
        AppendFolded(folded, NextCodePoint(text, pos));
    return folded;
}

namespace {

bool Contains(const std::string& text, std::string_view foldedWord) {
    return FoldForSearch(text).find(foldedWord) != std::string::npos;
}

bool UnitElementMatches(const TXMLUnitType& unit, std::string_view foldedWord) {
    if (Contains(unit.Name(), foldedWord) || Contains(unit.Symbol(), foldedWord))
        return true;
    for (const std::string& alias : SplitCommaText(unit.Alias()))
        if (Contains(alias, foldedWord))
            return true;
    for (const std::string& keyword : SplitCommaText(unit.Kw()))
        if (FoldForSearch(keyword) == foldedWord)
            return true;
    return false;
}

bool IsNamed(const std::string& symbol, const std::string& aliases, std::string_view foldedWord) {
    if (FoldForSearch(symbol) == foldedWord)
        return true;
    for (const std::string& alias : SplitCommaText(aliases))
        if (FoldForSearch(alias) == foldedWord)
            return true;
    return false;
}

bool UnitIsNamed(const TUnit& unit, std::string_view foldedWord) {
    return IsNamed(unit.Symbol(), unit.Node().Alias(), foldedWord);
}

} // namespace

bool UnitMatches(const TUnit& unit, const TCat& cat, std::string_view foldedWord) {
    return foldedWord.empty() || Contains(cat.Name(), foldedWord) ||
           Contains(unit.Symbol(), foldedWord) || UnitElementMatches(unit.Node(), foldedWord);
}

bool CategoryNamesUnit(const TXMLCategoryType& category, std::string_view foldedWord) {
    for (const TXMLUnitType& unit : category.Units())
        if (unit.Enabled() != 0 && IsNamed(unit.Symbol(), unit.Alias(), foldedWord))
            return true;
    return false;
}

int SearchedUnitIndex(const TCat& cat, std::string_view foldedWord) {
    const TUnitList& units = cat.Units();
    for (int i = 0; i < units.Count(); ++i)
        if (UnitIsNamed(*units[i], foldedWord))
            return i;
    for (int i = 0; i < units.Count(); ++i)
        if (Contains(units[i]->Symbol(), foldedWord) ||
            UnitElementMatches(units[i]->Node(), foldedWord))
            return i;
    return -1;
}

bool CategoryMatches(const TXMLCategoryType& category, std::string_view foldedWord) {
    if (foldedWord.empty() || Contains(category.Name(), foldedWord))
        return true;
    for (const TXMLUnitType& unit : category.Units())
        if (unit.Enabled() != 0 && UnitElementMatches(unit, foldedWord))
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
    return cats.VariantIndex().VariantsOf(unit);
}

std::string VariantNote(const TCats& cats, const TUnit& unit) {
    return cats.VariantIndex().VariantNote(unit);
}

} // namespace varnel
