"""Building blocks of the units data source tables.

Values are exact fractions wherever the definition is exact; irrational
definitions use a 50-digit approximation. Every factor is written with at
most 17 significant digits: exactly when its decimal expansion ends within
17 digits, otherwise rounded (enough to give back the same double).
"""

from decimal import Decimal, ROUND_HALF_EVEN, localcontext
from fractions import Fraction

Fr = Fraction


def D(text):
    """An exact decimal value written as text, e.g. D('1.602176634E-19')."""
    return Fraction(Decimal(text))


PI = D("3.14159265358979323846264338327950288419716939937510")
LN2 = D("0.69314718055994530941723212145817656807550013436025")
LN10 = D("2.30258509299404568401799145468436420760110148862877")

# Defining constants of the SI (exact) and a few exact conventional values.
C_LIGHT = Fr(299792458)
H_PLANCK = D("6.62607015E-34")
E_CHARGE = D("1.602176634E-19")
K_BOLTZMANN = D("1.380649E-23")
N_AVOGADRO = D("6.02214076E23")
G_N = D("9.80665")            # standard acceleration of gravity
ATM = Fr(101325)              # standard atmosphere, Pa

# International yard and pound (1959) and the units built on them.
IN = D("0.0254")
FT = 12 * IN
YD = 3 * FT
MI = 5280 * FT
FT_US = Fr(1200, 3937)        # US survey foot
LB = D("0.45359237")
OZ = LB / 16
GR = LB / 7000
LBF = LB * G_N
GAL_US = 231 * IN ** 3
GAL_UK = D("0.00454609")
BTU_IT = D("1055.05585262")
CAL_IT = D("4.1868")
CAL_TH = D("4.184")

MINUTE = Fr(60)
HOUR = Fr(3600)
DAY = Fr(86400)
YEAR_J = Fr(36525, 100) * DAY  # Julian year

SI_PREFIXES = {
    "Q": ("quetta", Fr(10) ** 30), "R": ("ronna", Fr(10) ** 27),
    "Y": ("yotta", Fr(10) ** 24), "Z": ("zetta", Fr(10) ** 21),
    "E": ("exa", Fr(10) ** 18), "P": ("peta", Fr(10) ** 15),
    "T": ("tera", Fr(10) ** 12), "G": ("giga", Fr(10) ** 9),
    "M": ("mega", Fr(10) ** 6), "k": ("kilo", Fr(10) ** 3),
    "h": ("hecto", Fr(10) ** 2), "da": ("deca", Fr(10)),
    "d": ("deci", Fr(1, 10)), "c": ("centi", Fr(1, 100)),
    "m": ("milli", Fr(1, 10 ** 3)), "u": ("micro", Fr(1, 10 ** 6)),
    "n": ("nano", Fr(1, 10 ** 9)), "p": ("pico", Fr(1, 10 ** 12)),
    "f": ("femto", Fr(1, 10 ** 15)), "a": ("atto", Fr(1, 10 ** 18)),
    "z": ("zepto", Fr(1, 10 ** 21)), "y": ("yocto", Fr(1, 10 ** 24)),
    "r": ("ronto", Fr(1, 10 ** 27)), "q": ("quecto", Fr(1, 10 ** 30)),
}

BINARY_PREFIXES = {
    "Ki": ("kibi", 2 ** 10), "Mi": ("mebi", 2 ** 20), "Gi": ("gibi", 2 ** 30),
    "Ti": ("tebi", 2 ** 40), "Pi": ("pebi", 2 ** 50), "Ei": ("exbi", 2 ** 60),
    "Zi": ("zebi", 2 ** 70), "Yi": ("yobi", 2 ** 80),
}


def format_number(value):
    """The factor text: exact when it ends within 17 significant digits."""
    value = Fraction(value)
    if value == 0:
        return "0"
    sign = "-" if value < 0 else ""
    value = abs(value)
    with localcontext() as ctx:
        ctx.prec = 80
        exact = Decimal(value.numerator) / Decimal(value.denominator)
        exponent = exact.adjusted()
        rounded = exact.quantize(Decimal(1).scaleb(exponent - 16), rounding=ROUND_HALF_EVEN)
        exponent = rounded.adjusted()
    digits = "".join(map(str, rounded.as_tuple().digits)).rstrip("0") or "0"
    if -4 <= exponent < 6 or (6 <= exponent < 16 and len(digits) >= exponent - 2):
        if exponent >= len(digits) - 1:
            text = digits + "0" * (exponent - len(digits) + 1)
        elif exponent >= 0:
            text = digits[: exponent + 1] + "." + digits[exponent + 1:]
        else:
            text = "0." + "0" * (-exponent - 1) + digits
    else:
        text = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
        text += "E" + ("-" if exponent < 0 else "+") + "%02d" % abs(exponent)
    return sign + text


def is_exact(value):
    """True when the written factor is the value itself."""
    return Fraction(Decimal(format_number(value))) == Fraction(value)


class Unit:
    def __init__(self, name, symbol, kind, kw, comment, factor=None, in_base=None,
                 rule_from=None, rule_to=None, enabled=1):
        self.name = name
        self.symbol = symbol
        self.kind = kind            # "si-unit", "factor" or "rule"
        self.kw = kw
        self.comment = comment
        self.factor = None if factor is None else Fraction(factor)
        self.in_base = in_base
        self.rule_from = rule_from
        self.rule_to = rule_to
        self.enabled = enabled


class Category:
    def __init__(self, name, type_, comment, enabled=1):
        self.name = name
        self.type = type_           # "root", "sup" or "comp"
        self.comment = comment
        self.enabled = enabled
        self.units = []

    @property
    def core(self):
        return next(u for u in self.units if u.kind == "si-unit")

    # Table helpers -------------------------------------------------------

    def core_unit(self, name, symbol, kw, comment, in_base=""):
        self.units.append(Unit(name, symbol, "si-unit", kw, comment, in_base=in_base))
        return self

    def unit(self, name, symbol, factor, kw, comment, enabled=1):
        self.units.append(Unit(name, symbol, "factor", kw, comment, factor=factor,
                               enabled=enabled))
        return self

    def auto(self, name, symbol, kw, comment, enabled=1):
        """A unit whose factor follows from the units its symbol names."""
        u = Unit(name, symbol, "factor", kw, comment, enabled=enabled)
        u.auto = True
        self.units.append(u)
        return self

    def rule(self, name, symbol, rule_from, rule_to, kw, comment, exact_from=None,
             exact_to=None):
        u = Unit(name, symbol, "rule", kw, comment, rule_from=rule_from, rule_to=rule_to)
        # Reference functions (core -> unit, unit -> core) for the checks.
        u.check_from = exact_from
        u.check_to = exact_to
        self.units.append(u)
        return self

    def prefixed(self, name, symbol, base_factor, prefixes, kw, core_symbol,
                 name_suffix="", symbol_suffix="", skip_base=True, comment_extra=""):
        """SI-prefixed forms of a unit: prefixes is a blank-separated list."""
        for prefix in prefixes.split():
            pname, pfactor = SI_PREFIXES[prefix]
            factor = pfactor * base_factor
            comment = "%s %s%s, SI prefix %s" % (
                format_number(factor), core_symbol, " exactly" if is_exact(factor) else "",
                pname)
            if comment_extra:
                comment += "; " + comment_extra
            self.unit(pname + name + name_suffix, prefix + symbol + symbol_suffix, factor, kw,
                      comment)
        return self


def _exponent10(power):
    exponent = 0
    while power >= 10:
        power /= 10
        exponent += 1
    while power < 1:
        power *= 10
        exponent -= 1
    return exponent


class Domain:
    def __init__(self, name, comment, enabled=1):
        self.name = name
        self.comment = comment
        self.enabled = enabled
        self.categories = []

    def category(self, name, type_, comment, enabled=1):
        cat = Category(name, type_, comment, enabled)
        self.categories.append(cat)
        return cat
