"""The shipped units data: header, domains in file order, abbreviations."""

from fractions import Fraction

from core import format_number, is_exact
import chem
import data
import elec
import fluids
import heat
import light
import mech
import misc
import space

KEYWORDS = [
    "SI", "metric", "CGS", "imperial", "US", "nautical", "astronomical", "typographic",
    "cooking", "computing", "atomic", "natural", "scientific", "engineering", "medical",
    "textile", "trade", "historical", "ancient", "regional", "Japanese", "Chinese", "Russian",
    "Indian",
]

DESCRIPTION = {"keywords": KEYWORDS, "language": "English"}

DOMAINS = [
    space.domain, mech.domain, fluids.domain, heat.domain, elec.domain, light.light,
    light.radiation, chem.domain, data.domain, misc.domain,
]

# Display forms of symbols that are awkward to type: the value line shows the
# value and reads it back as the name. Each value is one symbol of the unit
# notation (the degree sign and the A with ring count as letters there).
ABBREVIATIONS = [
    ("degC", "\u00b0C"),
    ("degF", "\u00b0F"),
    ("degR", "\u00b0R"),
    ("degRe", "\u00b0Re"),
    ("degDe", "\u00b0De"),
    ("degN", "\u00b0N"),
    ("degRo", "\u00b0Ro"),
    ("deg", "\u00b0"),
    ("Ang", "\u00c5"),
]


def _units_by_symbol():
    found = {}
    for domain in DOMAINS:
        for cat in domain.categories:
            for unit in cat.units:
                found[unit.symbol] = (cat, unit)
    return found


def _parts(symbol):
    """symbol=degree entries of a compound symbol (a small notation reader)."""
    if symbol.startswith("1/"):
        symbol = symbol[1:]
    numerator, _, denominator = symbol.partition("/")
    entries = []
    for text, sign in ((numerator, 1), (denominator, -1)):
        for part in filter(None, text.split(".")):
            name, _, degree = part.partition("^")
            entries.append((name, sign * int(degree or 1)))
    return entries


def _resolve_auto_factors():
    """Compound units take the product of the factors of the units they name."""
    units = _units_by_symbol()
    for domain in DOMAINS:
        for cat in domain.categories:
            for unit in cat.units:
                if not getattr(unit, "auto", False):
                    continue
                value = Fraction(1)
                for name, degree in _parts(unit.symbol):
                    part_cat, part = units[name]
                    factor = Fraction(1) if part.kind == "si-unit" else part.factor
                    if part_cat.type == "sup":
                        value *= factor if degree > 0 else 1 / factor
                    else:
                        value *= factor ** degree
                unit.factor = value
                exactly = " exactly" if is_exact(value) else ""
                definition = "1 %s = %s %s%s" % (unit.symbol, format_number(value),
                                                 cat.core.symbol, exactly)
                unit.comment = unit.comment + "; " + definition if unit.comment else definition


_resolve_auto_factors()

# Other symbols users type for a unit: accepted as input, shown as the symbol.
ALIASES = {
    "L": ["l"], "mL": ["ml"], "cm^3": ["cc"], "Ang": ["\u00c5"], "deg": ["\u00b0"],
    "mi/h": ["mph"], "km/h": ["kph"], "nmi/h": ["kn"], "h": ["hr"], "s": ["sec"],
    "lb": ["lbs"], "Btu": ["BTU"], "t": ["tonne"], "ft^3/min": ["cfm"],
    "kbit/s": ["kbps"], "Mbit/s": ["Mbps"], "Gbit/s": ["Gbps"],
    "ohm": ["\u03a9", "\u2126"], "kohm": ["k\u03a9"], "Mohm": ["M\u03a9"],
    "mohm": ["m\u03a9"],
}


def _apply_aliases():
    units = _units_by_symbol()
    for symbol, aliases in ALIASES.items():
        units[symbol][1].aliases = list(aliases)
    # The display forms of the abbreviation list are typed too (°C for degC).
    for name, value in ABBREVIATIONS:
        unit = units[name][1]
        if value not in getattr(unit, "aliases", []):
            unit.aliases = getattr(unit, "aliases", []) + [value]
    # Micro is written u in symbols; users type the micro sign or Greek mu.
    for symbol, (_, unit) in units.items():
        if symbol.startswith("u") and unit.name.startswith("micro") and "/" not in symbol \
                and "." not in symbol and "^" not in symbol:
            unit.aliases = getattr(unit, "aliases", []) + ["\u00b5" + symbol[1:],
                                                            "\u03bc" + symbol[1:]]


_apply_aliases()
