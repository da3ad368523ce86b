"""Space and time: length, area, volume, angle, time and their compounds."""

from core import (C_LIGHT, DAY, D, Domain, FT, FT_US, Fr, G_N, GAL_UK, GAL_US, HOUR, IN, MI,
                  MINUTE, PI, YD, YEAR_J)

domain = Domain("Space and time", "Space")

# --- length -------------------------------------------------------------------

AU = Fr(149597870700)
LY = C_LIGHT * YEAR_J
PC = Fr(648000) / PI * AU
SHAKU = Fr(10, 33)                       # Japanese shaku, 1891 law
SAZHEN = 7 * FT                          # Russian sazhen, 1835
PIED_DU_ROI = Fr(144) / D("443.296")     # French royal foot: 1 m = 443.296 lignes
ROMAN_FOOT = D("0.296")
ATA_POINT = D("0.013837") * IN
TEX_POINT = IN / D("72.27")

length = domain.category("Length", "root", "Distance; SI base quantity")
length.core_unit("metre", "m", "SI",
                 "SI base unit: the length of the path travelled by light in vacuum during "
                 "1/299792458 s", in_base="m")
length.prefixed("metre", "m", 1, "T G M k h da d c m u n p f a", "SI", "m")
length.unit("micron", "micron", Fr(1, 10 ** 6), "historical,metric",
            "old name of the micrometre, exactly 1E-06 m")
length.unit("fermi", "fermi", Fr(1, 10 ** 15), "historical,scientific",
            "old name of the femtometre, exactly 1E-15 m")
length.unit("angstrom", "Ang", Fr(1, 10 ** 10), "metric,scientific",
            "exactly 1E-10 m (0.1 nm); written \u00c5")
length.unit("x unit (Cu K alpha 1)", "xu", D("1.00207697E-13"), "historical,scientific",
            "copper x unit, 1.00207697E-13 m (CODATA 2018)")
length.unit("Scandinavian mile", "mil_Sc", 10000, "regional,metric",
            "exactly 10 km (Norway, Sweden)")
length.unit("inch", "in", IN, "imperial,US", "exactly 0.0254 m, international inch (1959)")
length.unit("foot", "ft", FT, "imperial,US", "12 in, exactly 0.3048 m, international foot")
length.unit("rack unit", "RU", D("1.75") * IN, "engineering,computing",
            "height of equipment in a 19-inch rack, 1.75 in = 0.04445 m exactly (EIA-310)")
length.unit("yard", "yd", YD, "imperial,US", "3 ft, exactly 0.9144 m, international yard")
length.unit("mile", "mi", MI, "imperial,US",
            "5280 ft, exactly 1609.344 m, international statute mile")
length.unit("thou (mil)", "mil", IN / 1000, "imperial,US,engineering",
            "0.001 in, exactly 2.54E-05 m")
length.unit("microinch", "uin", IN / 10 ** 6, "imperial,US,engineering",
            "1E-06 in, exactly 2.54E-08 m")
length.unit("line (1/12 inch)", "line", IN / 12, "imperial,historical", "1/12 in")
length.unit("barleycorn", "barleycorn", IN / 3, "imperial,historical", "1/3 in")
length.unit("hand", "hand", 4 * IN, "imperial,US", "4 in, exactly 0.1016 m (height of horses)")
length.unit("shaftment", "shaftment", 6 * IN, "historical", "6 in")
length.unit("span", "span", 9 * IN, "historical", "9 in, exactly 0.2286 m")
length.unit("cubit (English)", "cubit", 18 * IN, "historical", "18 in, exactly 0.4572 m")
length.unit("ell (English)", "ell", 45 * IN, "historical", "45 in, exactly 1.143 m")
length.unit("nail (cloth)", "nail", Fr(9, 4) * IN, "historical,textile", "2.25 in, 1/16 yd")
length.unit("link (Gunter's)", "li", FT * Fr(66, 100), "imperial,US",
            "1/100 ch = 0.66 ft (international foot)")
length.unit("rod (pole, perch)", "rd", FT * Fr(33, 2), "imperial,US",
            "16.5 ft, 5.0292 m (international foot)")
length.unit("chain (Gunter's)", "ch", 66 * FT, "imperial,US",
            "66 ft = 4 rd, 20.1168 m (international foot)")
length.unit("furlong", "fur", 660 * FT, "imperial,US", "660 ft = 10 ch, 201.168 m")
length.unit("league", "lea", 3 * MI, "imperial,historical", "3 mi, 4828.032 m")
length.unit("fathom", "ftm", 6 * FT, "imperial,US,nautical", "6 ft, exactly 1.8288 m")
length.unit("foot (US survey)", "ft_US", FT_US, "US",
            "1200/3937 m, US survey foot (deprecated since 2023)")
length.unit("inch (US survey)", "in_US", FT_US / 12, "US", "1/12 ft_US = 100/3937 m")
length.unit("mile (US survey)", "mi_US", 5280 * FT_US, "US",
            "5280 ft_US = 6336000/3937 m")
length.unit("link (US survey)", "li_US", FT_US * Fr(66, 100), "US", "0.66 ft_US")
length.unit("rod (US survey)", "rd_US", FT_US * Fr(33, 2), "US", "16.5 ft_US")
length.unit("chain (US survey)", "ch_US", 66 * FT_US, "US", "66 ft_US")
length.unit("furlong (US survey)", "fur_US", 660 * FT_US, "US", "660 ft_US")
length.unit("fathom (US survey)", "ftm_US", 6 * FT_US, "US,nautical", "6 ft_US")
length.unit("nautical mile", "nmi", 1852, "nautical,metric", "exactly 1852 m (international, 1929)")
length.unit("nautical mile (Admiralty)", "nmi_UK", 6080 * FT, "nautical,imperial,historical",
            "6080 ft, 1853.184 m")
length.unit("cable length", "cbl", Fr(1852, 10), "nautical", "1/10 nmi, exactly 185.2 m")
length.unit("cable length (imperial)", "cbl_UK", 608 * FT, "nautical,imperial",
            "608 ft, 185.3184 m")
length.unit("cable length (US)", "cbl_US", 720 * FT, "nautical,US", "720 ft = 120 ftm, 219.456 m")
length.unit("nautical league", "lea_naut", 3 * 1852, "nautical,historical", "3 nmi, 5556 m")
length.unit("shackle", "shackle", 90 * FT, "nautical", "15 ftm = 90 ft, 27.432 m (anchor cable)")
length.unit("astronomical unit", "au", AU, "astronomical,SI",
            "exactly 149597870700 m (IAU 2012)")
length.unit("light-second", "ls", C_LIGHT, "astronomical", "exactly 299792458 m")
length.unit("light-minute", "lmin", 60 * C_LIGHT, "astronomical", "60 ls, 17987547480 m")
length.unit("light-hour", "lh", 3600 * C_LIGHT, "astronomical", "3600 ls")
length.unit("light-day", "ld", 86400 * C_LIGHT, "astronomical", "86400 ls")
length.unit("light-year", "ly", LY, "astronomical",
            "c times a Julian year, exactly 9460730472580800 m (IAU)")
length.unit("kilolight-year", "kly", 1000 * LY, "astronomical", "1000 ly")
length.unit("parsec", "pc", PC, "astronomical",
            "648000/pi au, 3.0856775814913673E+16 m (IAU 2015)")
length.unit("kiloparsec", "kpc", 1000 * PC, "astronomical", "1000 pc")
length.unit("megaparsec", "Mpc", 10 ** 6 * PC, "astronomical", "1E+06 pc")
length.unit("gigaparsec", "Gpc", 10 ** 9 * PC, "astronomical", "1E+09 pc")
length.unit("nominal solar radius", "R_sun", D("6.957E8"), "astronomical",
            "exactly 6.957E+08 m (IAU 2015 Resolution B3)")
length.unit("nominal Earth equatorial radius", "R_earth", D("6.3781E6"), "astronomical",
            "exactly 6.3781E+06 m (IAU 2015 Resolution B3)")
length.unit("nominal Jupiter equatorial radius", "R_jup", D("7.1492E7"), "astronomical",
            "exactly 7.1492E+07 m (IAU 2015 Resolution B3)")
length.unit("Bohr radius", "a0", D("5.29177210903E-11"), "atomic,scientific",
            "atomic unit of length, 5.29177210903E-11 m (CODATA 2018)")
length.unit("classical electron radius", "r_e", D("2.8179403262E-15"), "atomic,scientific",
            "2.8179403262E-15 m (CODATA 2018)")
length.unit("Compton wavelength", "lambda_C", D("2.42631023867E-12"), "atomic,scientific",
            "of the electron, h/(m_e c) = 2.42631023867E-12 m (CODATA 2018)")
length.unit("Planck length", "l_P", D("1.616255E-35"), "natural,scientific",
            "1.616255E-35 m (CODATA 2018)")
length.unit("point (DTP, PostScript)", "pt_DTP", IN / 72, "typographic,computing",
            "1/72 in, 0.35277777777777778 mm; the TeX big point (bp)")
length.unit("pica (DTP, PostScript)", "pica_DTP", IN / 6, "typographic,computing",
            "12 pt_DTP = 1/6 in, 4.2333333333333333 mm")
length.unit("point (American printer's)", "pt_ATA", ATA_POINT, "typographic,US,historical",
            "exactly 0.013837 in (1886), 0.3514598 mm")
length.unit("pica (American printer's)", "pica_ATA", 12 * ATA_POINT, "typographic,US,historical",
            "12 pt_ATA = 0.166044 in")
length.unit("point (TeX)", "pt_TeX", TEX_POINT, "typographic,computing", "1/72.27 in")
length.unit("pica (TeX)", "pc_TeX", 12 * TEX_POINT, "typographic,computing", "12 pt_TeX")
length.unit("scaled point (TeX)", "sp_TeX", TEX_POINT / 65536, "typographic,computing",
            "1/65536 pt_TeX")
length.unit("Didot point", "dd", PIED_DU_ROI / 864, "typographic,historical",
            "1/72 French royal inch = 1/864 pied du roi, 0.37597151 mm")
length.unit("cicero", "cicero", PIED_DU_ROI / 72, "typographic,historical", "12 dd")
length.unit("twip", "twip", IN / 1440, "typographic,computing", "1/20 pt_DTP = 1/1440 in")
length.unit("pixel (CSS)", "px", IN / 96, "typographic,computing", "CSS reference pixel, 1/96 in")
length.unit("agate line", "agate", IN / 14, "typographic,US", "1/14 in (newspaper column depth)")
length.unit("Q (quarter millimetre)", "Q", Fr(1, 4000), "typographic,Japanese,metric",
            "exactly 0.25 mm (Japanese type size)")
length.unit("shaku", "shaku", SHAKU, "Japanese,regional", "10/33 m (Japanese law of 1891)")
length.unit("sun (Japanese)", "sun", SHAKU / 10, "Japanese,regional", "1/10 shaku = 1/33 m")
length.unit("ken", "ken", 6 * SHAKU, "Japanese,regional", "6 shaku = 20/11 m")
length.unit("jo (Japanese)", "jo", 10 * SHAKU, "Japanese,regional", "10 shaku = 100/33 m")
length.unit("cho (Japanese)", "cho", 360 * SHAKU, "Japanese,regional", "60 ken = 1200/11 m")
length.unit("ri (Japanese)", "ri", 12960 * SHAKU, "Japanese,regional", "36 cho = 43200/11 m")
length.unit("chi (Chinese foot)", "chi", Fr(1, 3), "Chinese,regional", "1/3 m (market system, 1930)")
length.unit("cun (Chinese inch)", "cun", Fr(1, 30), "Chinese,regional", "1/10 chi = 1/30 m")
length.unit("zhang", "zhang", Fr(10, 3), "Chinese,regional", "10 chi = 10/3 m")
length.unit("li (Chinese mile)", "li_CN", 500, "Chinese,regional", "exactly 500 m (market system)")
length.unit("vershok", "vershok", SAZHEN / 48, "Russian,historical", "1/16 arshin = 1.75 in")
length.unit("arshin", "arshin", SAZHEN / 3, "Russian,historical", "28 in = 0.7112 m (1835)")
length.unit("sazhen", "sazhen", SAZHEN, "Russian,historical", "3 arshin = 7 ft = 2.1336 m")
length.unit("verst", "verst", 500 * SAZHEN, "Russian,historical", "500 sazhen = 1066.8 m")
length.unit("Russian mile", "milya", 3500 * SAZHEN, "Russian,historical", "7 verst = 7467.6 m")
length.unit("ligne (Paris line)", "ligne", PIED_DU_ROI / 144, "historical,regional",
            "1/144 pied du roi; 1 m = 443.296 lignes")
length.unit("pouce (French inch)", "pouce", PIED_DU_ROI / 12, "historical,regional",
            "12 lignes = 1/12 pied du roi")
length.unit("pied du roi (French foot)", "pied", PIED_DU_ROI, "historical,regional",
            "144/443.296 m = 0.32483939 m")
length.unit("toise", "toise", 6 * PIED_DU_ROI, "historical,regional",
            "6 pieds du roi = 1.9490363 m")
length.unit("vara (Castilian)", "vara", D("0.835905"), "historical,regional",
            "vara de Burgos, 0.835905 m")
length.unit("wa (Thai)", "wa", 2, "regional", "exactly 2 m (Thailand)")
length.unit("sok (Thai)", "sok", Fr(1, 2), "regional", "exactly 0.5 m (Thailand)")
length.unit("Roman foot (pes)", "pes", ROMAN_FOOT, "ancient,historical",
            "about 0.296 m (archaeological mean)")
length.unit("Roman pace (passus)", "passus", 5 * ROMAN_FOOT, "ancient,historical", "5 pedes")
length.unit("Roman mile (mille passus)", "mp", 5000 * ROMAN_FOOT, "ancient,historical",
            "1000 passus = 5000 pedes, about 1480 m")
length.unit("stadion (Roman)", "stadion", 625 * ROMAN_FOOT, "ancient,historical",
            "625 pedes, about 185 m")
length.unit("royal cubit (Egyptian)", "cubit_EG", D("0.5236"), "ancient,historical",
            "about 0.5236 m")
length.unit("smoot", "smoot", 67 * IN, "US", "5 ft 7 in = 1.7018 m (MIT bridge)")

# --- area, volume -------------------------------------------------------------

ACRE = 43560 * FT ** 2
TSUBO = (6 * SHAKU) ** 2

area = domain.category("Area", "sup", "Length squared")
area.core_unit("square metre", "m^2", "SI", "SI coherent unit of area")
area.auto("square kilometre", "km^2", "SI", "")
area.auto("square decimetre", "dm^2", "SI", "")
area.auto("square centimetre", "cm^2", "SI", "")
area.auto("square millimetre", "mm^2", "SI", "")
area.auto("square micrometre", "um^2", "SI", "")
area.auto("square nanometre", "nm^2", "SI", "")
area.unit("are", "a", 100, "metric", "exactly 100 m^2")
area.unit("decare", "daa", 1000, "metric,regional", "10 a = 1000 m^2")
area.unit("hectare", "ha", 10000, "metric,SI", "100 a = exactly 10000 m^2 (accepted with the SI)")
area.unit("barn", "b", Fr(1, 10 ** 28), "metric,scientific",
          "exactly 1E-28 m^2 (nuclear cross sections)")
area.auto("square inch", "in^2", "imperial,US", "international inch")
area.auto("square foot", "ft^2", "imperial,US", "")
area.auto("square yard", "yd^2", "imperial,US", "")
area.auto("square mile", "mi^2", "imperial,US", "640 ac")
area.auto("square rod (perch)", "rd^2", "imperial,US", "square perch")
area.auto("square chain", "ch^2", "imperial,US", "1/10 ac")
area.unit("acre", "ac", ACRE, "imperial,US",
          "43560 ft^2 = 4046.8564224 m^2 (international foot)")
area.unit("acre (US survey)", "ac_US", 43560 * FT_US ** 2, "US", "43560 ft_US^2")
area.unit("rood", "rood", ACRE / 4, "imperial,historical", "1/4 ac = 1210 yd^2")
area.unit("section", "section", 640 * 43560 * FT_US ** 2, "US",
          "1 mi_US^2 = 640 ac_US (Public Land Survey)")
area.unit("township", "twp", 36 * 640 * 43560 * FT_US ** 2, "US", "36 sections")
area.unit("darcy", "darcy", Fr(1, 10 ** 7) / 101325, "engineering,scientific",
          "permeability of porous media: 1 cP flowing at 1 cm/s through 1 cm under 1 atm, "
          "1E-07/101325 m^2 = 9.869233E-13 m^2 (API RP 27)")
area.unit("millidarcy", "mdarcy", Fr(1, 10 ** 10) / 101325, "engineering",
          "1E-03 darcy = 9.869233E-16 m^2")
area.unit("circular mil", "cmil", PI / 4 * (IN / 1000) ** 2, "US,engineering",
          "area of a circle 1 mil across: pi/4 mil^2 (wire sizes)")
area.unit("thousand circular mils", "kcmil", PI / 4 * (IN / 1000) ** 2 * 1000,
          "US,engineering", "1000 cmil, also written MCM")
area.unit("circular inch", "cin", PI / 4 * IN ** 2, "US,engineering", "pi/4 in^2")
area.unit("dunam (metric)", "dunam", 1000, "regional,metric", "exactly 1000 m^2 (Middle East)")
area.unit("stremma", "stremma", 1000, "regional,metric", "exactly 1000 m^2 (Greece)")
area.unit("tsubo", "tsubo", TSUBO, "Japanese,regional", "1 ken^2 = 400/121 m^2")
area.unit("se (Japanese)", "se", 30 * TSUBO, "Japanese,regional", "30 tsubo")
area.unit("tan (Japanese)", "tan", 300 * TSUBO, "Japanese,regional", "300 tsubo = 10 se")
area.unit("pyeong", "pyeong", TSUBO, "regional", "Korean, 400/121 m^2 (as the tsubo)")
area.unit("mu (Chinese)", "mu", Fr(2000, 3), "Chinese,regional", "1/15 ha = 2000/3 m^2")
area.unit("qing", "qing", Fr(200000, 3), "Chinese,regional", "100 mu")
area.unit("rai", "rai", 1600, "regional", "exactly 1600 m^2 (Thailand)")
area.unit("ngan", "ngan", 400, "regional", "exactly 400 m^2 (Thailand)")
area.unit("desyatina", "desyatina", 2400 * SAZHEN ** 2, "Russian,historical",
          "2400 sazhen^2 = 10925.397504 m^2")
area.unit("arpent (Quebec)", "arpent", (180 * PIED_DU_ROI) ** 2, "regional,historical",
          "square of 180 pieds du roi")

CUP_US = GAL_US / 16
FLOZ_US = GAL_US / 128
FLOZ_UK = GAL_UK / 160
SHO = Fr(2401, 1331) / 1000             # Japanese sho, 1891 law

volume = domain.category("Volume", "sup", "Length cubed; capacity of liquids and dry goods")
volume.core_unit("cubic metre", "m^3", "SI", "SI coherent unit of volume")
volume.auto("cubic kilometre", "km^3", "SI", "")
volume.auto("cubic decimetre", "dm^3", "SI", "1 dm^3 = 1 L")
volume.auto("cubic centimetre", "cm^3", "SI", "1 cm^3 = 1 mL")
volume.auto("cubic millimetre", "mm^3", "SI", "1 mm^3 = 1 uL")
volume.unit("litre", "L", Fr(1, 1000), "metric,SI",
            "exactly 1 dm^3 (since 1964; accepted with the SI)")
volume.prefixed("litre", "L", Fr(1, 1000), "G M k h da d c m u n", "metric", "m^3")
volume.unit("stere", "stere", 1, "metric,historical", "exactly 1 m^3 (firewood)")
volume.auto("cubic inch", "in^3", "imperial,US", "")
volume.auto("cubic foot", "ft^3", "imperial,US", "1728 in^3")
volume.auto("cubic yard", "yd^3", "imperial,US", "27 ft^3")
volume.auto("cubic mile", "mi^3", "imperial,US", "")
volume.unit("acre-foot", "acft", ACRE * FT, "US", "43560 ft^3 = 1233.48183754752 m^3")
volume.unit("thousand cubic feet", "Mcf", 1000 * FT ** 3, "US,trade", "1000 ft^3 (natural gas)")
volume.unit("board foot", "bdft", 144 * IN ** 3, "US,trade", "144 in^3 (timber)")
volume.unit("cord", "cord", 128 * FT ** 3, "US,imperial,trade", "128 ft^3 (firewood)")
volume.unit("register ton", "RT", 100 * FT ** 3, "nautical,trade", "100 ft^3 (ship capacity)")
volume.unit("gallon (US)", "gal", GAL_US, "US,cooking", "231 in^3, exactly 3.785411784 L")
volume.unit("quart (US liquid)", "qt", GAL_US / 4, "US,cooking", "1/4 gal, 0.946352946 L")
volume.unit("pint (US liquid)", "pt", GAL_US / 8, "US,cooking", "1/8 gal, 473.176473 mL")
volume.unit("cup (US customary)", "cup", CUP_US, "US,cooking", "1/2 pt = 8 floz, 236.5882365 mL")
volume.unit("gill (US)", "gi", GAL_US / 32, "US,cooking", "4 floz, 118.29411825 mL")
volume.unit("fluid ounce (US)", "floz", FLOZ_US, "US,cooking",
            "1/128 gal, exactly 29.5735295625 mL")
volume.unit("tablespoon (US)", "tbsp", FLOZ_US / 2, "US,cooking", "1/2 floz, 14.78676478125 mL")
volume.unit("teaspoon (US)", "tsp", FLOZ_US / 6, "US,cooking", "1/3 tbsp, 4.92892159375 mL")
volume.unit("fluid dram (US)", "fldr", FLOZ_US / 8, "US,medical", "1/8 floz")
volume.unit("minim (US)", "minim", FLOZ_US / 480, "US,medical", "1/60 fldr")
volume.unit("jigger", "jigger", FLOZ_US * Fr(3, 2), "US,cooking", "1.5 floz (bar measure)")
volume.unit("fifth", "fifth", GAL_US / 5, "US,trade", "1/5 gal (spirits bottle)")
volume.unit("cup (US nutrition labelling)", "cup_legal", Fr(240, 10 ** 6), "US,cooking",
            "exactly 240 mL (FDA)")
volume.unit("barrel (oil)", "bbl", 42 * GAL_US, "US,trade", "42 gal, 158.987294928 L")
volume.unit("barrel (US liquid)", "bbl_liq", Fr(63, 2) * GAL_US, "US,trade", "31.5 gal")
volume.unit("hogshead (US)", "hhd", 63 * GAL_US, "US,historical", "63 gal (wine)")
volume.unit("gallon (US dry)", "gal_dry", D("268.8025") * IN ** 3, "US",
            "1/8 bu = 268.8025 in^3")
volume.unit("quart (US dry)", "qt_dry", D("268.8025") * IN ** 3 / 4, "US", "1/4 gal_dry")
volume.unit("pint (US dry)", "pt_dry", D("268.8025") * IN ** 3 / 8, "US", "1/8 gal_dry")
volume.unit("peck (US)", "pk", D("537.605") * IN ** 3, "US", "2 gal_dry = 537.605 in^3")
volume.unit("bushel (US)", "bu", D("2150.42") * IN ** 3, "US,trade",
            "Winchester bushel, 2150.42 in^3")
volume.unit("barrel (US dry)", "bbl_dry", 7056 * IN ** 3, "US", "7056 in^3")
volume.unit("gallon (imperial)", "gal_UK", GAL_UK, "imperial,cooking", "exactly 4.54609 L")
volume.unit("quart (imperial)", "qt_UK", GAL_UK / 4, "imperial,cooking", "1/4 gal_UK")
volume.unit("pint (imperial)", "pt_UK", GAL_UK / 8, "imperial,cooking",
            "1/8 gal_UK, exactly 568.26125 mL")
volume.unit("cup (imperial)", "cup_UK", GAL_UK / 16, "imperial,cooking",
            "1/2 pt_UK = 10 floz_UK")
volume.unit("gill (imperial)", "gi_UK", GAL_UK / 32, "imperial,cooking", "5 floz_UK")
volume.unit("fluid ounce (imperial)", "floz_UK", FLOZ_UK, "imperial,cooking",
            "1/160 gal_UK, exactly 28.4130625 mL")
volume.unit("fluid drachm (imperial)", "fldr_UK", FLOZ_UK / 8, "imperial,medical", "1/8 floz_UK")
volume.unit("minim (imperial)", "minim_UK", FLOZ_UK / 480, "imperial,medical", "1/60 fldr_UK")
volume.unit("peck (imperial)", "pk_UK", 2 * GAL_UK, "imperial", "2 gal_UK")
volume.unit("bushel (imperial)", "bu_UK", 8 * GAL_UK, "imperial,trade", "8 gal_UK")
volume.unit("barrel (imperial beer)", "bbl_UK", 36 * GAL_UK, "imperial,trade", "36 gal_UK")
volume.unit("firkin", "firkin", 9 * GAL_UK, "imperial,historical", "9 gal_UK (beer)")
volume.unit("kilderkin", "kilderkin", 18 * GAL_UK, "imperial,historical", "18 gal_UK (beer)")
volume.unit("cup (metric)", "cup_m", Fr(250, 10 ** 6), "metric,cooking", "exactly 250 mL")
volume.unit("tablespoon (metric)", "tbsp_m", Fr(15, 10 ** 6), "metric,cooking",
            "exactly 15 mL")
volume.unit("tablespoon (Australian)", "tbsp_AU", Fr(20, 10 ** 6), "metric,cooking,regional",
            "exactly 20 mL")
volume.unit("dessert spoon (metric)", "dsp", Fr(10, 10 ** 6), "metric,cooking", "exactly 10 mL")
volume.unit("teaspoon (metric)", "tsp_m", Fr(5, 10 ** 6), "metric,cooking", "exactly 5 mL")
volume.unit("drop (metric)", "gtt", Fr(5, 10 ** 8), "metric,medical,cooking",
            "exactly 0.05 mL (20 drops per mL)")
volume.unit("cup (Japanese)", "cup_JP", Fr(200, 10 ** 6), "Japanese,cooking",
            "exactly 200 mL")
volume.unit("go (Japanese)", "go", SHO / 10, "Japanese,cooking,regional",
            "1/10 sho = 240.1/1331 L (rice measure)")
volume.unit("sho (Japanese)", "sho", SHO, "Japanese,regional", "2401/1331 L = 1.8039 L")
volume.unit("to (Japanese)", "to", 10 * SHO, "Japanese,regional", "10 sho")
volume.unit("koku", "koku", 100 * SHO, "Japanese,historical", "100 sho = 10 to")
volume.unit("sheng (Chinese)", "sheng", Fr(1, 1000), "Chinese,regional", "exactly 1 L")
volume.unit("dou (Chinese)", "dou", Fr(10, 1000), "Chinese,regional", "10 sheng = 10 L")
volume.unit("amphora (Roman)", "amphora", ROMAN_FOOT ** 3, "ancient,historical",
            "1 pes^3, about 26 L")

moment = domain.category("Second moment of area", "sup",
                         "Length to the fourth power; stiffness of beam sections")
moment.core_unit("metre to the fourth", "m^4", "SI", "SI coherent unit")
moment.auto("centimetre to the fourth", "cm^4", "SI", "")
moment.auto("millimetre to the fourth", "mm^4", "SI", "")
moment.auto("inch to the fourth", "in^4", "imperial,US,engineering", "")
moment.auto("foot to the fourth", "ft^4", "imperial,US,engineering", "")

wavenumber = domain.category("Wavenumber", "sup", "Reciprocal length; spectroscopy, optics")
wavenumber.core_unit("reciprocal metre", "1/m", "SI", "SI coherent unit of wavenumber")
wavenumber.auto("kayser (reciprocal centimetre)", "1/cm", "CGS,scientific", "kayser, infrared spectroscopy")
wavenumber.auto("reciprocal millimetre", "1/mm", "SI", "")
wavenumber.auto("reciprocal micrometre", "1/um", "SI", "")
wavenumber.auto("reciprocal nanometre", "1/nm", "SI", "")
wavenumber.auto("reciprocal kilometre", "1/km", "SI", "")
wavenumber.unit("dioptre", "dpt", 1, "metric,medical",
                "optical power, exactly 1 1/m (reciprocal focal length)")
wavenumber.unit("dots per inch", "dpi", 1 / IN, "typographic,computing",
                "printer and scanner resolution, 1/in = 39.370078740157480 1/m exactly")
wavenumber.unit("pixels per inch", "ppi", 1 / IN, "typographic,computing",
                "screen resolution, 1/in = 39.370078740157480 1/m exactly")

# --- angle --------------------------------------------------------------------

DEG = PI / 180

angle = domain.category("Plane angle", "root", "Angle; the radian is a ratio of lengths")
angle.core_unit("radian", "rad", "SI", "SI coherent unit: the angle subtending an arc equal "
                "to the radius; 1 rad = 1 m/m", in_base="1")
angle.prefixed("radian", "rad", 1, "m u", "SI", "rad")
angle.unit("degree", "deg", DEG, "SI,metric", "pi/180 rad (accepted with the SI); written \u00b0")
angle.unit("minute of arc", "arcmin", DEG / 60, "SI,astronomical", "1/60 deg = pi/10800 rad")
angle.unit("second of arc", "arcsec", DEG / 3600, "SI,astronomical", "1/3600 deg")
angle.unit("milliarcsecond", "mas", DEG / 3600000, "astronomical", "1E-03 arcsec")
angle.unit("microarcsecond", "uas", DEG / 3600000000, "astronomical", "1E-06 arcsec")
angle.unit("gon (grad)", "gon", PI / 200, "metric", "1/400 revolution = pi/200 rad")
angle.unit("centigon", "cgon", PI / 20000, "metric", "1/100 gon (centesimal minute)")
angle.unit("revolution (turn)", "rev", 2 * PI, "metric,engineering", "full circle, 2 pi rad")
angle.unit("quadrant", "quadrant", PI / 2, "historical", "1/4 rev = 90 deg")
angle.unit("sextant", "sextant", PI / 3, "historical", "1/6 rev = 60 deg")
angle.unit("sign (zodiac)", "sign", PI / 6, "historical,astronomical", "1/12 rev = 30 deg")
angle.unit("octant", "octant", PI / 4, "historical", "1/8 rev = 45 deg")
angle.unit("point (compass)", "point_comp", PI / 16, "nautical", "1/32 rev = 11.25 deg")
angle.unit("hour angle", "h_ang", PI / 12, "astronomical", "1/24 rev = 15 deg")
angle.unit("minute of time (angle)", "min_ang", PI / 720, "astronomical", "1/60 h_ang = 0.25 deg")
angle.unit("second of time (angle)", "s_ang", PI / 43200, "astronomical", "1/60 min_ang")
angle.unit("mil (NATO)", "mil_NATO", 2 * PI / 6400, "engineering", "1/6400 rev (artillery)")
angle.unit("mil (Warsaw Pact)", "mil_WP", 2 * PI / 6000, "historical", "1/6000 rev")
angle.unit("streck (Swedish mil)", "streck", 2 * PI / 6300, "regional,historical",
           "1/6300 rev")
angle.unit("binary degree", "brad", 2 * PI / 256, "computing", "1/256 rev")

solid = domain.category("Solid angle", "root", "Cone of directions; the steradian is m^2/m^2")
solid.core_unit("steradian", "sr", "SI", "SI coherent unit: the solid angle that cuts an area "
                "r^2 out of a sphere of radius r", in_base="1")
solid.unit("millisteradian", "msr", Fr(1, 1000), "SI", "1E-03 sr")
solid.unit("spat", "sp", 4 * PI, "historical", "the whole sphere, 4 pi sr")
solid.unit("hemisphere", "hemisphere", 2 * PI, "metric", "2 pi sr")
solid.auto("square degree", "deg^2", "astronomical", "(pi/180)^2 sr")
solid.auto("square minute of arc", "arcmin^2", "astronomical", "")
solid.auto("square second of arc", "arcsec^2", "astronomical", "")

# --- time ---------------------------------------------------------------------

YEAR_G = Fr(3652425, 10000) * DAY

time = domain.category("Time", "root", "Duration; SI base quantity")
time.core_unit("second", "s", "SI",
               "SI base unit: 9192631770 periods of the caesium 133 hyperfine transition",
               in_base="s")
time.prefixed("second", "s", 1, "G M k m u n p f a", "SI", "s")
time.unit("minute", "min", MINUTE, "SI,metric", "exactly 60 s (accepted with the SI)")
time.unit("hour", "h", HOUR, "SI,metric", "60 min, exactly 3600 s")
time.unit("day", "d", DAY, "SI,metric", "24 h, exactly 86400 s")
time.unit("week", "wk", 7 * DAY, "metric", "7 d, 604800 s")
time.unit("fortnight", "fortnight", 14 * DAY, "imperial", "14 d")
time.unit("month (mean Gregorian)", "mo", YEAR_G / 12, "metric", "1/12 yr_G = 30.436875 d")
time.unit("year (Julian)", "yr", YEAR_J, "astronomical,metric",
          "exactly 365.25 d = 31557600 s; the year of the light-year")
time.unit("year (Gregorian)", "yr_G", YEAR_G, "metric", "mean calendar year, 365.2425 d")
time.unit("year (common, 365 days)", "yr_365", 365 * DAY, "metric", "365 d = 31536000 s")
time.unit("leap year", "yr_366", 366 * DAY, "metric", "366 d")
time.unit("year (tropical)", "yr_trop", D("365.24219") * DAY, "astronomical",
          "mean tropical year, about 365.24219 d")
time.unit("year (sidereal)", "yr_sid", D("365.256363004") * DAY, "astronomical",
          "365.256363004 d (J2000)")
time.unit("day (sidereal)", "d_sid", D("86164.0905"), "astronomical",
          "one rotation relative to the vernal equinox, 86164.0905 s")
time.unit("hour (sidereal)", "h_sid", D("86164.0905") / 24, "astronomical", "1/24 d_sid")
time.unit("month (synodic)", "mo_syn", D("29.530588") * DAY, "astronomical",
          "mean lunation, about 29.530588 d")
time.unit("month (sidereal)", "mo_sid", D("27.321661") * DAY, "astronomical",
          "about 27.321661 d")
time.unit("decade", "decade", 10 * YEAR_G, "metric", "10 yr_G")
time.unit("century", "century", 100 * YEAR_G, "metric", "100 yr_G")
time.unit("millennium", "millennium", 1000 * YEAR_G, "metric", "1000 yr_G")
time.unit("kiloannum", "ka", 1000 * YEAR_J, "astronomical,scientific", "1000 yr (Julian)")
time.unit("megaannum", "Ma", 10 ** 6 * YEAR_J, "astronomical,scientific", "1E+06 yr (Julian)")
time.unit("gigaannum", "Ga", 10 ** 9 * YEAR_J, "astronomical,scientific", "1E+09 yr (Julian)")
time.unit("shake", "shake", Fr(1, 10 ** 8), "scientific", "exactly 1E-08 s (nuclear physics)")
time.unit("atomic unit of time", "t_au", D("2.4188843265857E-17"), "atomic,scientific",
          "hbar/E_h = 2.4188843265857E-17 s (CODATA 2018)")
time.unit("Planck time", "t_P", D("5.391247E-44"), "natural,scientific",
          "5.391247E-44 s (CODATA 2018)")

frequency = domain.category("Frequency", "sup", "Reciprocal time; cycles, rotations, events")
frequency.core_unit("reciprocal second", "1/s", "SI", "SI coherent unit, events per second")
frequency.unit("hertz", "Hz", 1, "SI", "one cycle per second, exactly 1 1/s")
frequency.prefixed("hertz", "Hz", 1, "P T G M k m u", "SI", "1/s")
frequency.unit("revolutions per minute", "rpm", Fr(1, 60), "engineering,metric",
               "1/60 1/s")
frequency.unit("revolutions per second", "rps", 1, "engineering", "exactly 1 1/s")
frequency.unit("revolutions per hour", "rph", Fr(1, 3600), "engineering", "1/3600 1/s")
frequency.unit("beats per minute", "bpm", Fr(1, 60), "medical", "1/60 1/s (heart rate, tempo)")
frequency.unit("cycles per day", "cpd", Fr(1, 86400), "scientific", "1/86400 1/s")

# --- motion -------------------------------------------------------------------

speed = domain.category("Speed", "comp", "Length per time; velocity")
speed.core_unit("metre per second", "m/s", "SI", "SI coherent unit of speed")
speed.auto("kilometre per hour", "km/h", "SI,metric", "")
speed.auto("kilometre per second", "km/s", "SI", "")
speed.auto("metre per minute", "m/min", "metric", "")
speed.auto("metre per hour", "m/h", "metric", "")
speed.auto("metre per day", "m/d", "metric", "")
speed.auto("centimetre per second", "cm/s", "CGS", "")
speed.auto("millimetre per second", "mm/s", "SI", "")
speed.auto("millimetre per minute", "mm/min", "metric,engineering", "feed rate")
speed.auto("millimetre per hour", "mm/h", "metric", "rainfall rate")
speed.auto("micrometre per second", "um/s", "SI", "")
speed.auto("foot per second", "ft/s", "imperial,US", "")
speed.auto("foot per minute", "ft/min", "imperial,US", "")
speed.auto("foot per hour", "ft/h", "imperial,US", "")
speed.auto("foot per day", "ft/d", "imperial,US", "hydraulic conductivity")
speed.auto("inch per second", "in/s", "imperial,US", "")
speed.auto("inch per minute", "in/min", "imperial,US", "")
speed.auto("inch per hour", "in/h", "imperial,US", "rainfall rate")
speed.auto("yard per second", "yd/s", "imperial,US", "")
speed.auto("mile per hour", "mi/h", "imperial,US", "")
speed.auto("mile per minute", "mi/min", "imperial,US", "")
speed.auto("mile per second", "mi/s", "imperial,US", "")
speed.auto("knot", "nmi/h", "nautical", "the knot")
speed.auto("nautical mile per minute", "nmi/min", "nautical", "")
speed.auto("furlong per fortnight", "fur/fortnight", "imperial", "")
speed.auto("astronomical unit per day", "au/d", "astronomical", "")
speed.auto("speed of light (light-year per year)", "ly/yr", "astronomical,natural", "the speed of light in vacuum c")
speed.auto("Bohr radius per atomic time", "a0/t_au", "atomic", "atomic unit of velocity")

# Mach as a speed: the speed of sound at one stated condition, kept in a root
# category of its own (a compound category takes only length per time), with
# a coherent core that converts to m/s through base units.
SOUND_ISA = D("340.294")  # m/s, ICAO standard atmosphere, sea level, 15 degC
sound = domain.category("Speed of sound multiples", "root",
                        "Speeds stated against the speed of sound at sea level, 15 degC")
sound.core_unit("SI speed", "m_s", "SI", "SI coherent unit, 1 m_s = 1 m/s", in_base="m/s")
sound.unit("Mach (sea level, 15 degC)", "Mach", SOUND_ISA, "engineering",
           "speed of sound in dry air at sea level and 15 degC, 340.294 m/s (ICAO standard "
           "atmosphere, Doc 7488); Mach at altitude is less")

acceleration = domain.category("Acceleration", "comp", "Length per time squared")
acceleration.core_unit("metre per second squared", "m/s^2", "SI", "SI coherent unit")
acceleration.auto("galileo (gal)", "cm/s^2", "CGS,scientific", "the gal (Gal) of gravimetry")
acceleration.auto("millimetre per second squared", "mm/s^2", "SI", "")
acceleration.auto("micrometre per second squared", "um/s^2", "SI", "0.1 mGal, gravimetry")
acceleration.auto("kilometre per second squared", "km/s^2", "SI", "")
acceleration.auto("kilometre per hour squared", "km/h^2", "metric", "")
acceleration.auto("foot per second squared", "ft/s^2", "imperial,US", "")
acceleration.auto("inch per second squared", "in/s^2", "imperial,US", "")
acceleration.auto("mile per hour squared", "mi/h^2", "imperial,US", "")

# Accelerations stated in gravities: a compound category takes only units
# written as length per time squared, so g0 lives in a root category whose
# coherent core is the same quantity; the two convert through base units.
gravity = domain.category("Gravitational field strength", "root",
                          "Force per mass, an acceleration; accelerations in gravities")
gravity.core_unit("newton per kilogram", "N/kg", "SI", "SI coherent unit, 1 N/kg = 1 m/s^2",
                  in_base="m/s^2")
gravity.unit("standard gravity", "g0", G_N, "SI,engineering",
             "standard acceleration of gravity, exactly 9.80665 N/kg = 9.80665 m/s^2 "
             "(3rd CGPM 1901, SI Brochure)")

jerk = domain.category("Jerk", "comp", "Rate of change of acceleration")
jerk.core_unit("metre per second cubed", "m/s^3", "SI", "SI coherent unit")
jerk.auto("centimetre per second cubed", "cm/s^3", "CGS", "")
jerk.auto("millimetre per second cubed", "mm/s^3", "SI", "")
jerk.auto("foot per second cubed", "ft/s^3", "imperial,US", "")
jerk.auto("inch per second cubed", "in/s^3", "imperial,US", "")

angular_velocity = domain.category("Angular velocity", "comp", "Angle per time")
angular_velocity.core_unit("radian per second", "rad/s", "SI", "SI coherent unit")
angular_velocity.auto("radian per minute", "rad/min", "SI", "")
angular_velocity.auto("radian per hour", "rad/h", "SI", "")
angular_velocity.auto("milliradian per second", "mrad/s", "SI", "")
angular_velocity.auto("degree per second", "deg/s", "metric,engineering", "")
angular_velocity.auto("degree per minute", "deg/min", "metric", "")
angular_velocity.auto("degree per hour", "deg/h", "metric,engineering", "gyro drift")
angular_velocity.auto("arcsecond per second", "arcsec/s", "astronomical", "")
angular_velocity.auto("revolution per second", "rev/s", "engineering", "")
angular_velocity.auto("revolution per minute", "rev/min", "engineering", "")
angular_velocity.auto("revolution per hour", "rev/h", "engineering", "")
angular_velocity.auto("revolution per day", "rev/d", "astronomical", "")
angular_velocity.auto("gon per second", "gon/s", "metric", "")

angular_acceleration = domain.category("Angular acceleration", "comp", "Angle per time squared")
angular_acceleration.core_unit("radian per second squared", "rad/s^2", "SI", "SI coherent unit")
angular_acceleration.auto("degree per second squared", "deg/s^2", "metric", "")
angular_acceleration.auto("revolution per second squared", "rev/s^2", "engineering", "")
angular_acceleration.auto("revolution per minute squared", "rev/min^2", "engineering", "")
angular_acceleration.auto("milliradian per second squared", "mrad/s^2", "SI", "")
