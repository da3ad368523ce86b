#include "app/CliListing.h"

#include "app/CliConverter.h"
#include "common/FormatValue.h"
#include "units/UnitSearch.h"

namespace varnel::cli {

namespace {

std::string DomainOf(const TCat& cat) {
    return TXMLDomainType(cat.Node().Node().parent()).Name();
}

std::string CategoryHeading(const TCat& cat) {
    switch (cat.Kind()) {
    case ckSup:
        if (cat.RootCat() != nullptr)
            return cat.Name() + " (" + cat.RootCat()->Name() + "^" + std::to_string(cat.Degree()) +
                   ")";
        return cat.Name();
    case ckComp:
        return cat.Name() + " (compound)";
    default:
        return cat.Name();
    }
}

std::string CoreSymbol(const TCat& cat) {
    const TUnit* core = cat.Units()[cat.Units().IndexOfCore()];
    return core != nullptr ? core->Symbol() : std::string();
}

std::string HowItConverts(const TUnit& unit, const TCat& cat) {
    switch (unit.Kind()) {
    case ukCore:
        return "core unit";
    case ukFactor:
        return "= " + FormatValue(unit.Factor()) + " [" + CoreSymbol(cat) + "]";
    case ukRule:
        return "to [" + CoreSymbol(cat) + "]: " + unit.RuleTo();
    default:
        return "no conversion";
    }
}

} // namespace

void ListAllUnits(const TCats& units, std::ostream& out) {
    std::string domain;
    for (int i = 0; i < units.CatCount(); ++i) {
        const TCat& cat = *units.Cats(i);
        if (i == 0 || DomainOf(cat) != domain) {
            domain = DomainOf(cat);
            out << domain << '\n';
        }
        out << "  " << CategoryHeading(cat) << '\n';
        for (const TUnit* unit : cat.Units())
            out << "    " << unit->NameAndSymbol() << '\n';
    }
}

void ListCategory(const TCats& units, std::string_view name, std::ostream& out) {
    const TCat* cat = units.Cats(units.IndexOfCat(name));
    if (cat == nullptr)
        throw ECliError("Unknown category " + std::string(name) + "; see varnel --list.");
    out << CategoryHeading(*cat) << '\n';
    for (const TUnit* unit : cat->Units())
        out << "  " << unit->NameAndSymbol() << "  " << HowItConverts(*unit, *cat) << '\n';
}

void ListMatchingUnits(const TCats& units, std::string_view word, std::ostream& out) {
    const std::vector<TUnitMatch> matches = SearchUnits(units, word);
    if (matches.empty())
        throw ECliError("No unit matches " + std::string(word) + ".");
    for (const TUnitMatch& match : matches) {
        const TCat& cat = *units.Cats(match.CatIndex);
        const TUnit& unit = *cat.Units()[match.UnitIndex];
        out << unit.NameAndSymbol() << "  (" << cat.Name() << ")";
        const std::string note = VariantNote(units, unit);
        if (!note.empty())
            out << "; " << note;
        out << '\n';
    }
}

} // namespace varnel::cli
