"""Everyday and trade: ratios and counts, fuel consumption, yarn count."""

from core import Domain, Fr, GAL_UK, GAL_US, LB, MI, OZ, YD, format_number

domain = Domain("Everyday and trade", "Misc")

number = domain.category("Number, ratio", "root", "Counts and ratios of like quantities")
number.core_unit("one", "one", "SI", "the number 1; a ratio of like quantities", in_base="1")
number.unit("percent", "pct", Fr(1, 100), "metric", "1/100")
number.unit("per mille", "permil", Fr(1, 1000), "metric", "1/1000")
number.unit("basis point (per myriad)", "bp", Fr(1, 10000), "trade", "1/10000 (finance)")
number.unit("per cent mille", "pcm", Fr(1, 100000), "scientific", "1E-05 (reactivity)")
number.unit("part per million", "ppm", Fr(1, 10 ** 6), "scientific", "1E-06")
number.unit("part per billion", "ppb", Fr(1, 10 ** 9), "scientific", "1E-09 (short scale)")
number.unit("part per trillion", "ppt", Fr(1, 10 ** 12), "scientific", "1E-12 (short scale)")
number.unit("part per quadrillion", "ppq", Fr(1, 10 ** 15), "scientific", "1E-15")
number.unit("proof (US)", "proof_US", Fr(1, 200), "US,trade",
            "alcohol by volume: 1 US proof = 0.5 % ABV (27 CFR 5.65)")
number.unit("karat (gold fineness)", "karat", Fr(1, 24), "trade",
            "mass fraction of gold in an alloy, 1/24 (24 karat is pure gold)")
number.unit("pair", "pair", 2, "trade", "2")
number.unit("dozen", "doz", 12, "trade", "12")
number.unit("baker's dozen", "bdoz", 13, "trade", "13")
number.unit("score", "score", 20, "historical", "20")
number.unit("quire", "quire", 25, "trade", "25 sheets of paper (metric quire)")
number.unit("gross", "gross", 144, "trade", "12 doz = 144")
number.unit("great gross", "ggross", 1728, "trade", "12 gross = 1728")
number.unit("ream", "ream", 500, "trade", "500 sheets of paper")
number.unit("myriad", "myriad", 10000, "historical", "10000")
number.unit("lakh", "lakh", 10 ** 5, "Indian,regional", "100000")
number.unit("crore", "crore", 10 ** 7, "Indian,regional", "100 lakh = 1E+07")

# Fuel consumption and fuel economy are reciprocal: 0 of one is infinitely
# much of the other, and converting 0 is a division by zero.
LITRE_US_GAL = GAL_US * 1000
LITRE_UK_GAL = GAL_UK * 1000
KM_MI = MI / 1000
MPG_US = 100 * LITRE_US_GAL / KM_MI
MPG_UK = 100 * LITRE_UK_GAL / KM_MI
KM_US_GAL = 100 * LITRE_US_GAL


def reciprocal(constant):
    text = format_number(constant) + "/#"
    return text, text


# Electric vehicles: energy per distance, which is a force in base units, so
# the core unit is the coherent J/m.
electric = domain.category("Electric vehicle consumption", "root",
                           "Battery energy used per distance driven")
electric.core_unit("joule per metre", "J/m", "SI", "SI coherent unit, 1 J/m = 1 N",
                   in_base="kg.m/s^2")
electric.unit("watt hour per kilometre", "Wh_km", Fr(3600, 1000), "metric",
              "3600 J per 1000 m = 3.6 J/m exactly")
electric.unit("kilowatt hour per 100 kilometres", "kWh_100km", Fr(3600000, 100000), "metric",
              "3.6E+06 J per 1E+05 m = 36 J/m exactly (EU label)")
electric.unit("watt hour per mile", "Wh_mi", Fr(3600) / MI, "US",
              "3600 J per 1609.344 m = %s J/m" % format_number(Fr(3600) / MI))

fuel = domain.category("Fuel consumption", "root",
                       "Fuel used per distance, and its reciprocal, fuel economy")
fuel.core_unit("litre per 100 kilometres", "L_100km", "metric",
               "1 L per 100 km (1E-08 m^3/m)", in_base="")
fuel.unit("litre per kilometre", "L_km", 100, "metric", "100 L_100km")
fuel.unit("US gallon per 100 miles", "gal_100mi", LITRE_US_GAL / KM_MI, "US",
          "3.785411784 L per 160.9344 km = %s L_100km" % format_number(LITRE_US_GAL / KM_MI))
fuel.rule("kilometre per litre", "km_L", *reciprocal(100), "metric,regional",
          "fuel economy: km_L = 100/L_100km", exact_to=lambda x: 100 / x)
fuel.rule("mile per US gallon", "mpg", *reciprocal(MPG_US), "US",
          "fuel economy: mpg = %s/L_100km" % format_number(MPG_US),
          exact_to=lambda x: float(MPG_US) / x)
fuel.rule("mile per imperial gallon", "mpg_UK", *reciprocal(MPG_UK), "imperial",
          "fuel economy: mpg_UK = %s/L_100km" % format_number(MPG_UK),
          exact_to=lambda x: float(MPG_UK) / x)
fuel.rule("kilometre per US gallon", "km_gal", *reciprocal(KM_US_GAL), "regional",
          "fuel economy: km_gal = %s/L_100km" % format_number(KM_US_GAL),
          exact_to=lambda x: float(KM_US_GAL) / x)

# Yarn counts: the tex family gives mass per length, the indirect counts
# length per mass, so they are reciprocal to the tex.
def indirect_count(mass_kg, length_m):
    """tex of a yarn of count 1: mass in g per 1000 m."""
    return mass_kg * 1000 / length_m * 1000


NE = indirect_count(LB, 840 * YD)
NEK = indirect_count(LB, 560 * YD)
NEL = indirect_count(LB, 300 * YD)
NY = indirect_count(LB, 256 * YD)
RUN = indirect_count(OZ, 100 * YD)

yarn = domain.category("Yarn count", "root", "Fineness of yarns and fibres")
yarn.core_unit("tex", "tex", "textile,metric", "1 g per 1000 m (1E-06 kg/m)", in_base="")
yarn.unit("decitex", "dtex", Fr(1, 10), "textile,metric", "1 g per 10000 m")
yarn.unit("millitex", "mtex", Fr(1, 1000), "textile,metric", "1 mg per 1000 m")
yarn.unit("kilotex", "ktex", 1000, "textile,metric", "1 kg per 1000 m")
yarn.unit("denier", "den", Fr(1, 9), "textile", "1 g per 9000 m")
yarn.unit("jute count (pound per spyndle)", "spyndle", indirect_count(LB, 14400 * YD),
          "textile,historical", "1 lb per 14400 yd")
yarn.rule("metric count", "Nm", *reciprocal(1000), "textile,metric",
          "km per kg: Nm = 1000/tex", exact_to=lambda x: 1000 / x)
yarn.rule("English cotton count", "Ne", *reciprocal(NE), "textile,imperial",
          "840 yd hanks per lb: Ne = %s/tex" % format_number(NE),
          exact_to=lambda x: float(NE) / x)
yarn.rule("worsted count", "NeK", *reciprocal(NEK), "textile,imperial",
          "560 yd hanks per lb: NeK = %s/tex" % format_number(NEK),
          exact_to=lambda x: float(NEK) / x)
yarn.rule("linen lea", "NeL", *reciprocal(NEL), "textile,imperial",
          "300 yd leas per lb: NeL = %s/tex" % format_number(NEL),
          exact_to=lambda x: float(NEL) / x)
yarn.rule("Yorkshire woollen skein", "Ny", *reciprocal(NY), "textile,historical",
          "256 yd skeins per lb: Ny = %s/tex" % format_number(NY),
          exact_to=lambda x: float(NY) / x)
yarn.rule("American woollen run", "run", *reciprocal(RUN), "textile,US",
          "100 yd per oz: run = %s/tex" % format_number(RUN),
          exact_to=lambda x: float(RUN) / x)

