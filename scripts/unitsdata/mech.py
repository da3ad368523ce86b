"""Mechanics: mass, force, pressure, energy, power and their compounds."""

from core import (ATM, BTU_IT, C_LIGHT, CAL_IT, CAL_TH, D, Domain, E_CHARGE, FT, Fr, G_N,
                  format_number,
                  GR, HOUR, IN, LB, LBF, OZ)

domain = Domain("Mechanics", "Mech")

# --- mass ---------------------------------------------------------------------

TROY_OZ = 480 * GR
CATTY_HK = D("0.60478982")
FUNT = D("0.40951241")
SLUG = LBF / FT

mass = domain.category("Mass", "root", "Amount of matter; SI base quantity")
mass.core_unit("kilogram", "kg", "SI", "SI base unit, fixed by the Planck constant "
               "h = 6.62607015E-34 kg.m^2/s", in_base="kg")
mass.unit("gram", "g", Fr(1, 1000), "SI", "exactly 1E-03 kg")
mass.prefixed("gram", "g", Fr(1, 1000), "P T G h da d c m u n p f", "SI", "kg")
mass.unit("tonne (metric ton)", "t", 1000, "SI,metric",
          "exactly 1000 kg (accepted with the SI)")
mass.unit("kilotonne", "kt", 10 ** 6, "metric", "1000 t")
mass.unit("megatonne", "Mt", 10 ** 9, "metric", "1E+06 t")
mass.unit("gigatonne", "Gt", 10 ** 12, "metric", "1E+09 t (carbon budgets)")
mass.unit("quintal", "quintal", 100, "metric,regional", "exactly 100 kg")
mass.unit("carat (metric)", "ct", Fr(1, 5000), "metric,trade", "exactly 200 mg (gems)")
mass.unit("point (carat)", "pt_ct", Fr(1, 500000), "metric,trade", "1/100 ct = 2 mg")
mass.unit("dalton", "Da", D("1.66053906660E-27"), "atomic,SI",
          "1/12 of the mass of a carbon 12 atom, 1.66053906660E-27 kg (CODATA 2018)")
mass.unit("kilodalton", "kDa", D("1.66053906660E-24"), "atomic", "1000 Da")
for _prefix, _power in (("", 1), ("M", 10 ** 6), ("G", 10 ** 9)):
    mass.unit("%selectronvolt per c squared" % {"": "", "M": "mega", "G": "giga"}[_prefix],
              _prefix + "eV_c2", _power * E_CHARGE / C_LIGHT ** 2, "atomic,scientific",
              "%s eV/c^2: mass-energy equivalent, %s kg from the exact e and c of the SI "
              "(SI Brochure 9th ed.)" % ("1" if _power == 1 else format_number(_power),
                                         format_number(_power * E_CHARGE / C_LIGHT ** 2)))
mass.unit("megadalton", "MDa", D("1.66053906660E-21"), "atomic", "1E+06 Da")
mass.unit("unified atomic mass unit", "u", D("1.66053906660E-27"), "atomic,SI",
          "the dalton, 1.66053906660E-27 kg (CODATA 2018)")
mass.unit("electron mass", "m_e", D("9.1093837015E-31"), "atomic,scientific",
          "atomic unit of mass, 9.1093837015E-31 kg (CODATA 2018)")
mass.unit("proton mass", "m_p", D("1.67262192369E-27"), "atomic,scientific",
          "1.67262192369E-27 kg (CODATA 2018)")
mass.unit("neutron mass", "m_n", D("1.67492749804E-27"), "atomic,scientific",
          "1.67492749804E-27 kg (CODATA 2018)")
mass.unit("Planck mass", "m_P", D("2.176434E-8"), "natural,scientific",
          "2.176434E-08 kg (CODATA 2018)")
mass.unit("solar mass", "M_sun", D("1.98841E30"), "astronomical",
          "about 1.98841E+30 kg: nominal GM (IAU 2015) over G (CODATA 2018)")
mass.unit("Earth mass", "M_earth", D("5.97217E24"), "astronomical",
          "about 5.97217E+24 kg: nominal GM (IAU 2015) over G (CODATA 2018)")
mass.unit("Jupiter mass", "M_jup", D("1.89812E27"), "astronomical",
          "about 1.89812E+27 kg: nominal GM (IAU 2015) over G (CODATA 2018)")
mass.unit("pound (avoirdupois)", "lb", LB, "imperial,US", "avoirdupois pound, exactly 0.45359237 kg (1959)")
mass.unit("ounce (avoirdupois)", "oz", OZ, "imperial,US,cooking",
          "avoirdupois ounce, 1/16 lb = 28.349523125 g")
mass.unit("dram (avoirdupois)", "dr", OZ / 16, "imperial,US", "1/16 oz = 1.7718451953125 g")
mass.unit("grain", "gr", GR, "imperial,US,medical", "1/7000 lb, exactly 64.79891 mg")
mass.unit("stone", "st", 14 * LB, "imperial", "14 lb = 6.35029318 kg")
mass.unit("quarter (imperial)", "qtr", 28 * LB, "imperial,historical", "28 lb")
mass.unit("hundredweight (short)", "cwt", 100 * LB, "US", "100 lb = 45.359237 kg")
mass.unit("hundredweight (long)", "cwt_UK", 112 * LB, "imperial", "112 lb = 50.80234544 kg")
mass.unit("ton (short)", "ton", 2000 * LB, "US", "2000 lb = 907.18474 kg")
mass.unit("ton (long)", "ton_UK", 2240 * LB, "imperial", "2240 lb = 1016.0469088 kg")
mass.unit("kip (kilopound)", "klb", 1000 * LB, "US,engineering", "1000 lb")
mass.unit("slug", "slug", SLUG, "imperial,US,engineering",
          "1 lbf.s^2/ft = 14.593902937206365 kg")
mass.unit("slinch", "slinch", LBF / IN, "US,engineering", "1 lbf.s^2/in = 12 slug")
mass.unit("ounce (troy)", "ozt", TROY_OZ, "imperial,US,trade",
          "480 gr = 31.1034768 g (precious metals)")
mass.unit("pound (troy)", "lbt", 12 * TROY_OZ, "imperial,US,trade", "12 ozt = 5760 gr")
mass.unit("pennyweight", "dwt", 24 * GR, "imperial,US,trade", "24 gr = 1/20 ozt")
mass.unit("scruple (apothecaries')", "scruple", 20 * GR, "historical,medical", "20 gr")
mass.unit("dram (apothecaries')", "dr_ap", 60 * GR, "historical,medical", "3 scruples = 60 gr")
mass.unit("hyl (metric slug)", "hyl", G_N, "metric,historical",
          "1 kgf.s^2/m = 9.80665 kg (technical mass unit)")
mass.unit("kan", "kan", D("3.75"), "Japanese,regional", "exactly 3.75 kg (1891)")
mass.unit("momme", "momme", D("0.00375"), "Japanese,trade", "1/1000 kan = 3.75 g (pearls)")
mass.unit("kin (Japanese)", "kin", D("0.6"), "Japanese,regional", "160 momme = 600 g")
mass.unit("jin (Chinese)", "jin", D("0.5"), "Chinese,regional", "exactly 500 g (market system)")
mass.unit("liang (Chinese)", "liang", D("0.05"), "Chinese,regional", "1/10 jin = 50 g")
mass.unit("qian (Chinese)", "qian", D("0.005"), "Chinese,regional", "1/10 liang = 5 g")
mass.unit("dan (Chinese)", "dan", 50, "Chinese,regional", "100 jin = 50 kg")
mass.unit("catty (Hong Kong)", "catty", CATTY_HK, "Chinese,regional", "exactly 0.60478982 kg")
mass.unit("tael (Hong Kong)", "tael", CATTY_HK / 16, "Chinese,trade", "1/16 catty")
mass.unit("picul", "picul", 100 * CATTY_HK, "Chinese,regional", "100 catty")
mass.unit("funt", "funt", FUNT, "Russian,historical", "Russian pound, 0.40951241 kg")
mass.unit("pood", "pood", 40 * FUNT, "Russian,historical", "40 funt = 16.3804964 kg")
mass.unit("zolotnik", "zolotnik", FUNT / 96, "Russian,historical", "1/96 funt")
mass.unit("tola", "tola", 180 * GR, "Indian,regional,trade", "180 gr = 11.6638038 g")
mass.unit("baht (gold weight)", "baht", D("0.015244"), "regional,trade", "15.244 g (Thailand)")
mass.unit("libra (Roman pound)", "libra", D("0.3289"), "ancient,historical", "about 328.9 g")

# --- force --------------------------------------------------------------------

force = domain.category("Force", "root", "Mass times acceleration")
force.core_unit("newton", "N", "SI", "SI coherent unit, 1 kg.m/s^2", in_base="kg.m/s^2")
force.prefixed("newton", "N", 1, "G M k da c m u n p", "SI", "N")
force.unit("dyne", "dyn", Fr(1, 10 ** 5), "CGS", "1 g.cm/s^2, exactly 1E-05 N")
force.unit("kilogram-force", "kgf", G_N, "metric,historical",
           "1 kg times standard gravity, exactly 9.80665 N")
force.unit("kilopond", "kp", G_N, "metric,historical", "the kilogram-force, 9.80665 N")
force.unit("gram-force", "gf", G_N / 1000, "metric", "exactly 9.80665E-03 N")
force.unit("tonne-force", "tf", 1000 * G_N, "metric", "1000 kgf, exactly 9806.65 N")
force.unit("sthene", "sn", 1000, "metric,historical", "MTS system, exactly 1000 N")
force.unit("pound-force", "lbf", LBF, "imperial,US",
           "1 lb times standard gravity, exactly 4.4482216152605 N")
force.unit("ounce-force", "ozf", LBF / 16, "imperial,US", "1/16 lbf")
force.unit("kip (kilopound-force)", "kip", 1000 * LBF, "US,engineering", "1000 lbf")
force.unit("ton-force (short)", "tonf", 2000 * LBF, "US,engineering", "2000 lbf")
force.unit("ton-force (long)", "tonf_UK", 2240 * LBF, "imperial,engineering", "2240 lbf")
force.unit("poundal", "pdl", LB * FT, "imperial,historical",
           "1 lb.ft/s^2 = 0.138254954376 N")
force.unit("atomic unit of force", "F_au", D("8.2387234983E-8"), "atomic,scientific",
           "E_h/a0 = 8.2387234983E-08 N (CODATA 2018)")

# --- pressure -----------------------------------------------------------------

MMHG = D("13.5951") * G_N      # conventional millimetre of mercury, Pa
MMH2O = G_N                    # conventional millimetre of water, Pa
PSI = LBF / IN ** 2

pressure = domain.category("Pressure, stress", "root", "Force per area")
pressure.core_unit("pascal", "Pa", "SI", "SI coherent unit, 1 N/m^2", in_base="kg/m.s^2")
pressure.prefixed("pascal", "Pa", 1, "G M k h da m u", "SI", "Pa")
pressure.unit("barye", "Ba", Fr(1, 10), "CGS", "1 dyn/cm^2, exactly 0.1 Pa")
pressure.unit("bar", "bar", 10 ** 5, "metric", "exactly 1E+05 Pa")
pressure.prefixed("bar", "bar", 10 ** 5, "M k d c m u", "metric", "Pa")
pressure.unit("standard atmosphere", "atm", ATM, "metric,scientific", "exactly 101325 Pa")
pressure.unit("technical atmosphere", "at", 10000 * G_N, "metric,historical",
              "1 kgf/cm^2, exactly 98066.5 Pa")
pressure.unit("torr", "Torr", ATM / 760, "metric,medical", "1/760 atm = 133.32236842105263 Pa")
pressure.unit("millitorr", "mTorr", ATM / 760000, "metric,scientific", "1E-03 Torr (vacuum)")
pressure.unit("millimetre of mercury", "mmHg", MMHG, "metric,medical",
              "conventional, 13.5951 kg/L x g_n x 1 mm = 133.322387415 Pa")
pressure.unit("centimetre of mercury", "cmHg", 10 * MMHG, "metric", "10 mmHg")
pressure.unit("inch of mercury", "inHg", D("25.4") * MMHG, "imperial,US",
              "conventional, 25.4 mmHg = 3386.388640341 Pa")
pressure.unit("millimetre of water", "mmH2O", MMH2O, "metric,engineering",
              "conventional, 1 kg/L x g_n x 1 mm = 9.80665 Pa")
pressure.unit("centimetre of water", "cmH2O", 10 * MMH2O, "metric,medical",
              "conventional, 98.0665 Pa")
pressure.unit("metre of water", "mH2O", 1000 * MMH2O, "metric,engineering",
              "conventional, 9806.65 Pa")
pressure.unit("inch of water", "inH2O", D("25.4") * MMH2O, "imperial,US",
              "conventional, 249.08891 Pa")
pressure.unit("foot of water", "ftH2O", D("304.8") * MMH2O, "imperial,US",
              "conventional, 2989.06692 Pa")
pressure.unit("pound-force per square inch", "psi", PSI, "imperial,US",
              "1 lbf/in^2 = 6894.7572931683613 Pa")
pressure.unit("kilopound-force per square inch", "ksi", 1000 * PSI, "US,engineering",
              "1000 psi")
pressure.unit("pound-force per square foot", "psf", LBF / FT ** 2, "imperial,US",
              "1 lbf/ft^2 = 47.880258980335843 Pa")
pressure.unit("short ton-force per square inch", "tsi", 2000 * PSI, "US,engineering",
              "2000 psi")
pressure.auto("kilogram-force per square metre", "kgf/m^2", "metric", "")
pressure.auto("kilogram-force per square millimetre", "kgf/mm^2", "metric,engineering", "")
pressure.auto("kilogram-force per square centimetre", "kgf/cm^2", "metric,engineering",
              "the technical atmosphere at, 1 kgf on 1 cm^2 with standard gravity 9.80665 m/s^2 "
              "(NIST SP 811 B.8)")
pressure.auto("newton per square millimetre", "N/mm^2", "SI,engineering", "1 N/mm^2 = 1 MPa")
pressure.auto("newton per square centimetre", "N/cm^2", "SI", "")
pressure.unit("pieze", "pz", 1000, "metric,historical", "MTS system, exactly 1000 Pa")
pressure.unit("atomic unit of pressure", "p_au", D("4.3597447222071E-18") /
              D("5.29177210903E-11") ** 3, "atomic", "E_h/a0^3, about 2.9421E+13 Pa")

# --- energy -------------------------------------------------------------------

HARTREE = D("4.3597447222071E-18")
HP_MECH = 550 * FT * LBF
HP_METRIC = 75 * G_N

energy = domain.category("Energy, work, heat", "root", "Force times distance")
energy.core_unit("joule", "J", "SI", "SI coherent unit, 1 N.m = 1 kg.m^2/s^2",
                 in_base="kg.m^2/s^2")
energy.prefixed("joule", "J", 1, "E P T G M k m u n", "SI", "J")
energy.unit("watt hour", "Wh", 3600, "metric", "exactly 3600 J")
energy.prefixed("watt hour", "Wh", 3600, "T G M k m", "metric", "J")
energy.unit("electronvolt", "eV", E_CHARGE, "SI,atomic",
            "e x 1 V, exactly 1.602176634E-19 J (accepted with the SI)")
energy.prefixed("electronvolt", "eV", E_CHARGE, "T G M k m", "atomic,scientific", "J")
energy.unit("calorie (thermochemical)", "cal", CAL_TH, "metric,cooking",
            "exactly 4.184 J")
energy.unit("kilocalorie (thermochemical)", "kcal", 1000 * CAL_TH, "metric,cooking",
            "exactly 4184 J")
energy.unit("calorie (food, kilocalorie)", "Cal", 1000 * CAL_TH, "cooking,US",
            "large calorie of nutrition labels, 1 kcal = 4184 J")
energy.unit("calorie (International Table)", "cal_IT", CAL_IT, "metric", "exactly 4.1868 J")
energy.unit("kilocalorie (International Table)", "kcal_IT", 1000 * CAL_IT, "metric",
            "exactly 4186.8 J")
energy.unit("calorie (15 degC)", "cal_15", D("4.1855"), "metric,historical",
            "about 4.1855 J")
energy.unit("calorie (20 degC)", "cal_20", D("4.1819"), "metric,historical", "about 4.1819 J")
energy.unit("calorie (mean)", "cal_mean", D("4.19002"), "metric,historical", "about 4.19002 J")
energy.unit("British thermal unit (IT)", "Btu", BTU_IT, "imperial,US",
            "International Table, exactly 1055.05585262 J")
energy.unit("British thermal unit (thermochemical)", "Btu_th", CAL_TH * 1000 * LB * 5 / 9,
            "imperial,US", "1 cal_th/g.degC x 1 lb x 5/9 degC = 1054.3502644888889 J")
energy.unit("British thermal unit (mean)", "Btu_mean", D("1055.87"), "imperial,historical",
            "about 1055.87 J")
energy.unit("British thermal unit (39 degF)", "Btu_39", D("1059.67"), "imperial,historical",
            "about 1059.67 J")
energy.unit("British thermal unit (59 degF)", "Btu_59", D("1054.804"), "imperial,US",
            "1054.804 J (used for the US therm)")
energy.unit("British thermal unit (60 degF)", "Btu_60", D("1054.68"), "imperial,historical",
            "about 1054.68 J")
energy.unit("thousand Btu", "kBtu", 1000 * BTU_IT, "US", "1000 Btu")
energy.unit("million Btu", "MMBtu", 10 ** 6 * BTU_IT, "US,trade", "1E+06 Btu (natural gas)")
energy.unit("quad", "quad", 10 ** 15 * BTU_IT, "US", "1E+15 Btu (national energy use)")
energy.unit("therm (US)", "thm", D("105480400"), "US,trade",
            "1E+05 Btu_59, exactly 105480400 J")
energy.unit("therm (EC)", "thm_EC", D("105506000"), "imperial,trade", "exactly 105506000 J")
energy.unit("thermie", "th", D("4.1855E6"), "metric,historical",
            "1 Mcal_15 = 4.1855E+06 J (the 15 degC calorie; NIST SP 811 B.8)")
energy.unit("erg", "erg", Fr(1, 10 ** 7), "CGS", "1 dyn.cm, exactly 1E-07 J")
energy.unit("foot-pound-force", "ftlbf", FT * LBF, "imperial,US",
            "1 ft x 1 lbf = 1.3558179483314004 J")
energy.unit("inch-pound-force", "inlbf", IN * LBF, "imperial,US", "1/12 ftlbf")
energy.unit("foot-poundal", "ftpdl", FT * LB * FT, "imperial,historical",
            "1 ft x 1 pdl = 0.0421401100938048 J")
energy.unit("kilogram-force metre", "kgfm", G_N, "metric,historical", "exactly 9.80665 J")
energy.unit("litre-atmosphere", "Latm", ATM / 1000, "metric,scientific",
            "1 L x 1 atm = exactly 101.325 J")
energy.unit("horsepower hour", "hph", HP_MECH * HOUR, "imperial,US", "1 hp x 1 h")
energy.unit("metric horsepower hour", "PSh", HP_METRIC * HOUR, "metric,historical",
            "1 PS x 1 h = 2647795.5 J")
energy.unit("ton of TNT", "tTNT", 4184 * 10 ** 6, "metric",
            "energy equivalent, exactly 4.184E+09 J (by convention)")
energy.unit("kiloton of TNT", "ktTNT", 4184 * 10 ** 9, "metric", "1000 tTNT")
energy.unit("megaton of TNT", "MtTNT", 4184 * 10 ** 12, "metric", "1E+06 tTNT")
energy.unit("tonne of oil equivalent", "toe", 10 ** 10 * CAL_IT, "metric,trade",
            "1E+07 kcal_IT = 41.868 GJ (IEA)")
energy.unit("million tonnes of oil equivalent", "Mtoe", 10 ** 16 * CAL_IT, "metric,trade",
            "1E+06 toe")
energy.unit("tonne of coal equivalent", "tce", 7 * 10 ** 9 * CAL_IT, "metric,trade",
            "7E+06 kcal_IT = 29.3076 GJ")
energy.unit("barrel of oil equivalent", "boe", D("5.8E6") * BTU_IT, "US,trade",
            "5.8 MMBtu by convention")
energy.unit("hartree", "E_h", HARTREE, "atomic,scientific",
            "atomic unit of energy, 4.3597447222071E-18 J (CODATA 2018)")
energy.unit("rydberg", "Ry", HARTREE / 2, "atomic,scientific", "E_h/2 = 13.605693122994 eV")
energy.unit("Planck energy", "E_P", D("1.956081E9"), "natural,scientific",
            "m_P c^2, about 1.956081E+09 J (CODATA 2018)")
energy.unit("foe (bethe)", "foe", Fr(10 ** 44), "astronomical", "exactly 1E+44 J (supernovae)")
energy.auto("kilowatt year", "kW.yr", "metric", "Julian year")

# --- power --------------------------------------------------------------------

power = domain.category("Power", "root", "Energy per time")
power.core_unit("watt", "W", "SI", "SI coherent unit, 1 J/s", in_base="kg.m^2/s^3")
power.prefixed("watt", "W", 1, "T G M k m u n p", "SI", "W")
power.unit("horsepower (mechanical)", "hp", HP_MECH, "imperial,US",
           "550 ftlbf/s = 745.69987158227022 W")
power.unit("metric horsepower", "PS", HP_METRIC, "metric",
           "75 kgf.m/s = exactly 735.49875 W (PS, CV, ch)")
power.unit("horsepower (electric)", "hp_E", 746, "US,engineering", "exactly 746 W")
power.unit("horsepower (boiler)", "hp_B", D("9809.5"), "US,engineering", "about 9809.5 W")
power.unit("horsepower (water)", "hp_W", D("746.043"), "US,engineering", "about 746.043 W")
power.unit("horsepower (UK)", "hp_UK", D("745.7"), "imperial,historical", "745.7 W")
power.unit("Btu per hour", "Btuh", BTU_IT / 3600, "US,engineering",
           "1 Btu/h = 0.29307107017222222 W (heating and cooling)")
power.unit("thousand Btu per hour", "MBH", BTU_IT / 3600 * 1000, "US,engineering",
           "1000 Btu/h")
power.unit("ton of refrigeration", "TR", 12000 * BTU_IT / 3600, "US,engineering",
           "12000 Btu/h = 3516.8528420666667 W")
power.auto("Btu per second", "Btu/s", "US", "")
power.auto("Btu per minute", "Btu/min", "US", "")
power.auto("calorie per second", "cal/s", "metric", "")
power.auto("kilocalorie per hour", "kcal/h", "metric", "")
power.auto("kilocalorie (IT) per hour", "kcal_IT/h", "metric,engineering", "heating")
power.auto("erg per second", "erg/s", "CGS", "")
power.auto("foot-pound-force per second", "ftlbf/s", "imperial,US", "")
power.auto("foot-pound-force per minute", "ftlbf/min", "imperial,US", "")
power.auto("kilogram-force metre per second", "kgfm/s", "metric", "")
power.unit("nominal solar luminosity", "L_sun", D("3.828E26"), "astronomical",
           "exactly 3.828E+26 W (IAU 2015 Resolution B3)")

# --- compounds ----------------------------------------------------------------

torque = domain.category("Torque", "comp", "Force times lever arm; moment of force")
torque.core_unit("newton metre", "N.m", "SI", "SI coherent unit of torque")
torque.auto("kilonewton metre", "kN.m", "SI", "")
torque.auto("millinewton metre", "mN.m", "SI", "")
torque.auto("newton centimetre", "N.cm", "SI", "")
torque.auto("newton millimetre", "N.mm", "SI", "")
torque.auto("decanewton metre", "daN.m", "metric", "")
torque.auto("kilogram-force metre (torque)", "kgf.m", "metric", "")
torque.auto("kilogram-force centimetre", "kgf.cm", "metric", "")
torque.auto("gram-force centimetre", "gf.cm", "metric", "")
torque.auto("dyne centimetre", "dyn.cm", "CGS", "")
torque.auto("pound-force foot", "lbf.ft", "imperial,US", "")
torque.auto("pound-force inch", "lbf.in", "imperial,US", "")
torque.auto("ounce-force inch", "ozf.in", "imperial,US", "")
torque.auto("ounce-force foot", "ozf.ft", "imperial,US", "")
torque.auto("kip foot", "kip.ft", "US,engineering", "")
torque.auto("poundal foot", "pdl.ft", "imperial,historical", "")

momentum = domain.category("Momentum", "comp", "Mass times velocity")
momentum.core_unit("kilogram metre per second", "kg.m/s", "SI", "SI coherent unit")
momentum.auto("gram centimetre per second", "g.cm/s", "CGS", "")
momentum.auto("kilogram kilometre per hour", "kg.km/h", "metric", "")
momentum.auto("pound foot per second", "lb.ft/s", "imperial,US", "")
momentum.auto("electron mass times atomic velocity", "m_e.a0/t_au", "atomic", "atomic unit of momentum")

impulse = domain.category("Impulse", "comp", "Force times time")
impulse.core_unit("newton second", "N.s", "SI", "SI coherent unit")
impulse.auto("kilonewton second", "kN.s", "SI", "")
impulse.auto("dyne second", "dyn.s", "CGS", "")
impulse.auto("kilogram-force second", "kgf.s", "metric", "")
impulse.auto("pound-force second", "lbf.s", "imperial,US", "rocketry")
impulse.auto("poundal second", "pdl.s", "imperial,historical", "")

angular_momentum = domain.category("Angular momentum", "comp", "Moment of momentum")
angular_momentum.core_unit("kilogram square metre per second", "kg.m^2/s", "SI",
                           "SI coherent unit")
angular_momentum.auto("gram square centimetre per second", "g.cm^2/s", "CGS", "")
angular_momentum.auto("pound square foot per second", "lb.ft^2/s", "imperial,US", "")
angular_momentum.auto("slug square foot per second", "slug.ft^2/s", "imperial,US", "")

action = domain.category("Action", "comp", "Energy times time; unit of the Planck constant")
action.core_unit("joule second", "J.s", "SI", "SI coherent unit; h = 6.62607015E-34 J.s")
action.auto("electronvolt second", "eV.s", "atomic", "")
action.auto("erg second", "erg.s", "CGS", "")
action.auto("hartree atomic time", "E_h.t_au", "atomic", "atomic unit of action, hbar")

inertia = domain.category("Moment of inertia", "comp", "Mass times radius squared")
inertia.core_unit("kilogram square metre", "kg.m^2", "SI", "SI coherent unit")
inertia.auto("kilogram square centimetre", "kg.cm^2", "SI", "")
inertia.auto("gram square centimetre", "g.cm^2", "CGS", "")
inertia.auto("gram square millimetre", "g.mm^2", "SI", "")
inertia.auto("pound square foot", "lb.ft^2", "imperial,US", "")
inertia.auto("pound square inch", "lb.in^2", "imperial,US", "")
inertia.auto("ounce square inch", "oz.in^2", "imperial,US", "")
inertia.auto("slug square foot", "slug.ft^2", "imperial,US", "")

linear_density = domain.category("Linear density", "comp", "Mass per length")
linear_density.core_unit("kilogram per metre", "kg/m", "SI", "SI coherent unit")
linear_density.auto("gram per metre", "g/m", "SI", "")
linear_density.auto("gram per kilometre", "g/km", "SI,textile", "the tex")
linear_density.auto("milligram per metre", "mg/m", "SI,textile", "")
linear_density.auto("gram per centimetre", "g/cm", "CGS", "")
linear_density.auto("kilogram per kilometre", "kg/km", "metric", "cables")
linear_density.auto("pound per foot", "lb/ft", "imperial,US", "")
linear_density.auto("pound per yard", "lb/yd", "imperial,US", "rails")
linear_density.auto("pound per inch", "lb/in", "imperial,US", "")
linear_density.auto("pound per mile", "lb/mi", "imperial,US", "")
linear_density.auto("ounce per yard", "oz/yd", "imperial,US,textile", "")

area_density = domain.category("Area density", "comp", "Mass per area; grammage")
area_density.core_unit("kilogram per square metre", "kg/m^2", "SI", "SI coherent unit")
area_density.auto("gram per square metre", "g/m^2", "SI,trade", "paper gsm")
area_density.auto("gram per square centimetre", "g/cm^2", "CGS", "")
area_density.auto("milligram per square centimetre", "mg/cm^2", "SI", "")
area_density.auto("milligram per square metre", "mg/m^2", "SI", "")
area_density.auto("tonne per square kilometre", "t/km^2", "metric", "")
area_density.auto("pound per square foot (mass)", "lb/ft^2", "imperial,US", "")
area_density.auto("pound per square inch (mass)", "lb/in^2", "imperial,US", "")
area_density.auto("ounce per square yard", "oz/yd^2", "imperial,US,textile", "fabric weight")
area_density.auto("ounce per square foot", "oz/ft^2", "imperial,US", "")

specific_energy = domain.category("Specific energy", "comp", "Energy per mass; heating value")
specific_energy.core_unit("joule per kilogram", "J/kg", "SI", "SI coherent unit")
specific_energy.auto("kilojoule per kilogram", "kJ/kg", "SI", "")
specific_energy.auto("megajoule per kilogram", "MJ/kg", "SI", "")
specific_energy.auto("joule per gram", "J/g", "SI", "")
specific_energy.auto("kilowatt hour per kilogram", "kWh/kg", "metric", "")
specific_energy.auto("watt hour per kilogram", "Wh/kg", "metric", "batteries")
specific_energy.auto("calorie per gram", "cal/g", "metric", "")
specific_energy.auto("kilocalorie per kilogram", "kcal/kg", "metric", "")
specific_energy.auto("kilocalorie (IT) per kilogram", "kcal_IT/kg", "metric", "")
specific_energy.auto("Btu per pound", "Btu/lb", "imperial,US", "")
specific_energy.auto("erg per gram", "erg/g", "CGS", "")
specific_energy.auto("foot-pound-force per pound", "ftlbf/lb", "imperial,US", "")

energy_density = domain.category("Energy density", "comp", "Energy per volume")
energy_density.core_unit("joule per cubic metre", "J/m^3", "SI", "SI coherent unit")
energy_density.auto("kilojoule per cubic metre", "kJ/m^3", "SI", "")
energy_density.auto("megajoule per cubic metre", "MJ/m^3", "SI", "gas heating value")
energy_density.auto("joule per cubic centimetre", "J/cm^3", "SI", "")
energy_density.auto("kilowatt hour per cubic metre", "kWh/m^3", "metric", "")
energy_density.auto("kilocalorie per cubic metre", "kcal/m^3", "metric", "")
energy_density.auto("Btu per cubic foot", "Btu/ft^3", "imperial,US", "")
energy_density.auto("erg per cubic centimetre", "erg/cm^3", "CGS", "")
energy_density.auto("therm per cubic foot", "thm/ft^3", "US", "")

power_density = domain.category("Power density", "comp", "Power per volume")
power_density.core_unit("watt per cubic metre", "W/m^3", "SI", "SI coherent unit")
power_density.auto("kilowatt per cubic metre", "kW/m^3", "SI", "")
power_density.auto("watt per cubic centimetre", "W/cm^3", "SI", "")
power_density.auto("watt per cubic inch", "W/in^3", "imperial,US", "")
power_density.auto("Btu per hour cubic foot", "Btuh/ft^3", "US,engineering", "")

force_per_length = domain.category("Force per length", "comp",
                                   "Surface tension, spring rate, line load")
force_per_length.core_unit("newton per metre", "N/m", "SI", "SI coherent unit")
force_per_length.auto("millinewton per metre", "mN/m", "SI", "surface tension")
force_per_length.auto("kilonewton per metre", "kN/m", "SI", "")
force_per_length.auto("newton per millimetre", "N/mm", "SI,engineering", "springs")
force_per_length.auto("newton per centimetre", "N/cm", "SI", "")
force_per_length.auto("dyne per centimetre", "dyn/cm", "CGS", "")
force_per_length.auto("kilogram-force per metre", "kgf/m", "metric", "")
force_per_length.auto("pound-force per inch", "lbf/in", "imperial,US", "")
force_per_length.auto("pound-force per foot", "lbf/ft", "imperial,US", "")
force_per_length.auto("kip per foot", "kip/ft", "US,engineering", "")
