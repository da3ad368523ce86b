// Conversions through the units data that ships with the converter: every
// unit to its core unit and back, reference values from the published
// definitions, the rules of the offset and reciprocal scales, and the
// abbreviation list.

#include "common/AbbrevList.h"
#include "common/Exception.h"
#include "common/FormatValue.h"
#include "common/TextFile.h"
#include "convert/Convert.h"
#include "convert/DimRec.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace varnel {
namespace {

// Definitions the reference values are built from (NIST SP 811 B.8, exact).
constexpr double Pi = 3.14159265358979323846;
constexpr double Inch = 0.0254;
constexpr double Foot = 0.3048;
constexpr double Pound = 0.45359237;
constexpr double Gn = 9.80665;
constexpr double PoundForce = Pound * Gn;
constexpr double Grain = Pound / 7000;
constexpr double GallonUS = 231 * Inch * Inch * Inch;
constexpr double GallonUK = 4.54609e-3;
constexpr double CalorieIT = 4.1868;
constexpr double CalorieTh = 4.184;
constexpr double BtuIT = CalorieIT * 453.59237 / 1.8; // cal_IT/(g degC) x 1 lb x 1 degF
constexpr double BtuTh = CalorieTh * 453.59237 / 1.8;
constexpr double C = 299792458;
constexpr double MercuryMm = 13.5951 * Gn; // conventional mmHg: 13 595.1 kg/m^3 x g_n x 1 mm
constexpr double Au = 149597870700;

constexpr const char* Nist = "NIST SP 811 B.8";
constexpr const char* NistFormula = "NIST SP 811 B.8, from the exact foot, pound and g_n";
constexpr const char* NistTemperature = "NIST SP 811 B.8, temperature formulas";
constexpr const char* SiTable8 = "SI Brochure 9th ed., Table 8";
constexpr const char* SiPrefix = "SI Brochure 9th ed., Table 7 (prefixes)";
constexpr const char* SiDerived = "SI Brochure 9th ed., Table 4";
constexpr const char* Iec = "IEC 80000-13";

// Prefer names a reader can check against the source: the row names the
// quantity, the target unit, the value and where the value comes from.
struct ReferenceRow {
    const char* quantity;
    const char* target;
    double expected;
    const char* source;
};

const ReferenceRow References[] = {
    // length
    {"1 [in]", "m", 0.0254, Nist},
    {"1 [in]", "cm", 2.54, Nist},
    {"1 [ft]", "m", 0.3048, Nist},
    {"1 [yd]", "m", 0.9144, Nist},
    {"1 [mi]", "m", 1609.344, Nist},
    {"1 [mi]", "km", 1.609344, Nist},
    {"1 [nmi]", "m", 1852, Nist},
    {"1 [mil]", "m", 2.54e-5, Nist},
    {"1 [mil]", "mm", 0.0254, Nist},
    {"1 [uin]", "m", 2.54e-8, Nist},
    {"1 [micron]", "m", 1e-6, Nist},
    {"1 [fermi]", "m", 1e-15, Nist},
    {"1 [Ang]", "m", 1e-10, Nist},
    {"1 [Ang]", "nm", 0.1, Nist},
    {"1 [ft_US]", "m", 1200.0 / 3937, Nist},
    {"1 [mi_US]", "m", 6336000.0 / 3937, Nist},
    {"1 [ftm]", "m", 6 * Foot, Nist},
    {"1 [ch]", "m", 66 * Foot, Nist},
    {"1 [rd]", "m", 16.5 * Foot, Nist},
    {"1 [fur]", "m", 660 * Foot, Nist},
    {"1 [pt_ATA]", "m", 3.514598e-4, Nist},
    {"1 [pica_ATA]", "m", 12 * 3.514598e-4, Nist},
    {"1 [pt_DTP]", "m", Inch / 72, Nist},
    {"1 [pica_DTP]", "m", Inch / 6, Nist},
    {"1 [ly]", "m", 9460730472580800, "IAU; NIST SP 811 B.8"},
    {"1 [au]", "m", Au, SiTable8},
    {"1 [km]", "m", 1000, SiPrefix},
    {"1 [nm]", "m", 1e-9, SiPrefix},
    // area and volume
    {"1 [in^2]", "m^2", 6.4516e-4, Nist},
    {"1 [ft^2]", "m^2", 0.09290304, Nist},
    {"1 [yd^2]", "m^2", 0.83612736, Nist},
    {"1 [mi^2]", "km^2", 2.589988110336, Nist},
    {"1 [ac]", "m^2", 43560 * Foot* Foot, "NIST SP 811 B.8, 1 acre = 43 560 ft^2"},
    {"1 [a]", "m^2", 100, Nist},
    {"1 [ha]", "m^2", 1e4, SiTable8},
    {"1 [b]", "m^2", 1e-28, Nist},
    {"1 [cmil]", "m^2", Pi / 4 * 2.54e-5 * 2.54e-5, Nist},
    {"1 [L]", "m^3", 1e-3, SiTable8},
    {"1 [mL]", "cm^3", 1, SiTable8},
    {"1 [in^3]", "m^3", 1.6387064e-5, Nist},
    {"1 [ft^3]", "m^3", 0.028316846592, Nist},
    {"1 [yd^3]", "m^3", 0.764554857984, Nist},
    {"1 [gal]", "m^3", GallonUS, Nist},
    {"1 [gal]", "L", 3.785411784, Nist},
    {"1 [qt]", "m^3", GallonUS / 4, Nist},
    {"1 [pt]", "m^3", GallonUS / 8, Nist},
    {"1 [cup]", "m^3", GallonUS / 16, Nist},
    {"1 [gi]", "m^3", GallonUS / 32, Nist},
    {"1 [floz]", "m^3", GallonUS / 128, Nist},
    {"1 [floz]", "mL", 29.5735295625, Nist},
    {"1 [tbsp]", "m^3", GallonUS / 256, Nist},
    {"1 [tsp]", "m^3", GallonUS / 768, Nist},
    {"1 [bbl]", "m^3", 42 * GallonUS, Nist},
    {"1 [gal_UK]", "m^3", GallonUK, Nist},
    {"1 [floz_UK]", "m^3", GallonUK / 160, Nist},
    {"1 [bu]", "m^3", 2150.42 * Inch* Inch* Inch, Nist},
    {"1 [pk]", "m^3", 537.605 * Inch* Inch* Inch, Nist},
    {"1 [qt_dry]", "m^3", 67.200625 * Inch* Inch* Inch, Nist},
    {"1 [pt_dry]", "m^3", 33.6003125 * Inch* Inch* Inch, Nist},
    {"1 [bdft]", "m^3", 144 * Inch* Inch* Inch, Nist},
    {"1 [stere]", "m^3", 1, Nist},
    {"1 [in^4]", "m^4", 4.162314256e-7, Nist},
    // mass
    {"1 [lb]", "kg", 0.45359237, Nist},
    {"1 [oz]", "kg", Pound / 16, Nist},
    {"1 [oz]", "g", 28.349523125, Nist},
    {"1 [dr]", "kg", Pound / 256, Nist},
    {"1 [gr]", "kg", 6.479891e-5, Nist},
    {"1 [gr]", "mg", 64.79891, Nist},
    {"1 [ozt]", "kg", 480 * Grain, Nist},
    {"1 [lbt]", "kg", 5760 * Grain, Nist},
    {"1 [dwt]", "kg", 24 * Grain, Nist},
    {"1 [cwt]", "kg", 100 * Pound, Nist},
    {"1 [cwt_UK]", "kg", 112 * Pound, Nist},
    {"1 [ton]", "kg", 2000 * Pound, Nist},
    {"1 [ton_UK]", "kg", 2240 * Pound, Nist},
    {"1 [t]", "kg", 1000, SiTable8},
    {"1 [ct]", "kg", 2e-4, Nist},
    {"1 [ct]", "g", 0.2, Nist},
    {"1 [slug]", "kg", PoundForce / Foot, NistFormula},
    {"1 [hyl]", "kg", Gn, Nist},
    {"1 [Da]", "kg", 1.66053906660e-27, SiTable8},
    {"1 [u]", "Da", 1, SiTable8},
    {"1 [mg]", "kg", 1e-6, SiPrefix},
    // time, frequency, angle
    {"1 [min]", "s", 60, SiTable8},
    {"1 [h]", "s", 3600, SiTable8},
    {"1 [d]", "s", 86400, SiTable8},
    {"1 [yr_365]", "s", 3.1536e7, Nist},
    {"1 [shake]", "s", 1e-8, Nist},
    {"1 [ns]", "s", 1e-9, SiPrefix},
    {"1 [Hz]", "1/s", 1, SiDerived},
    {"1 [GHz]", "Hz", 1e9, SiPrefix},
    {"1 [deg]", "rad", Pi / 180, SiTable8},
    {"1 [arcmin]", "rad", Pi / 10800, SiTable8},
    {"1 [arcsec]", "rad", Pi / 648000, SiTable8},
    {"1 [gon]", "deg", 0.9, Nist},
    {"1 [gon]", "rad", Pi / 200, Nist},
    {"1 [rev]", "rad", 2 * Pi, Nist},
    {"1 [mil_NATO]", "rad", 2 * Pi / 6400, Nist},
    {"1 [rev/min]", "rad/s", 2 * Pi / 60, Nist},
    {"1 [deg/s]", "rad/s", Pi / 180, Nist},
    {"1 [1/cm]", "1/m", 100, Nist},
    // speed, acceleration
    {"1 [km/h]", "m/s", 1 / 3.6, Nist},
    {"1 [mi/h]", "m/s", 0.44704, Nist},
    {"1 [mi/h]", "km/h", 1.609344, Nist},
    {"1 [mi/min]", "m/s", 26.8224, Nist},
    {"1 [mi/s]", "m/s", 1609.344, Nist},
    {"1 [ft/s]", "m/s", 0.3048, Nist},
    {"1 [ft/min]", "m/s", 5.08e-3, Nist},
    {"1 [ft/h]", "m/s", Foot / 3600, Nist},
    {"1 [in/s]", "m/s", 0.0254, Nist},
    {"1 [nmi/h]", "m/s", 1852.0 / 3600, Nist},
    {"1 [ft/s^2]", "m/s^2", 0.3048, Nist},
    {"1 [in/s^2]", "m/s^2", 0.0254, Nist},
    {"1 [cm/s^2]", "m/s^2", 0.01, Nist},
    // force, pressure
    {"1 [dyn]", "N", 1e-5, Nist},
    {"1 [kgf]", "N", 9.80665, Nist},
    {"1 [kp]", "N", 9.80665, Nist},
    {"1 [lbf]", "N", PoundForce, NistFormula},
    {"1 [ozf]", "N", PoundForce / 16, NistFormula},
    {"1 [kip]", "N", 1000 * PoundForce, NistFormula},
    {"1 [tonf]", "N", 2000 * PoundForce, NistFormula},
    {"1 [pdl]", "N", Pound* Foot, NistFormula},
    {"1 [atm]", "Pa", 101325, Nist},
    {"1 [atm]", "kPa", 101.325, Nist},
    {"1 [at]", "Pa", 98066.5, Nist},
    {"1 [bar]", "Pa", 1e5, Nist},
    {"1 [bar]", "kPa", 100, Nist},
    {"1 [mbar]", "Pa", 100, Nist},
    {"1 [mbar]", "kPa", 0.1, Nist},
    {"1 [Torr]", "Pa", 101325.0 / 760, Nist},
    {"1 [mmHg]", "Pa", MercuryMm, Nist},
    {"1 [inHg]", "Pa", 25.4 * MercuryMm, Nist},
    {"1 [mmH2O]", "Pa", 9.80665, Nist},
    {"1 [inH2O]", "Pa", 25.4 * Gn, Nist},
    {"1 [ftH2O]", "Pa", 304.8 * Gn, Nist},
    {"1 [psi]", "Pa", PoundForce / (Inch * Inch), NistFormula},
    {"1 [psi]", "kPa", PoundForce / (Inch * Inch) / 1000, NistFormula},
    {"1 [ksi]", "Pa", 1000 * PoundForce / (Inch * Inch), NistFormula},
    {"1 [psf]", "Pa", PoundForce / (Foot * Foot), NistFormula},
    {"1 [kgf/m^2]", "Pa", 9.80665, Nist},
    {"1 [kgf/mm^2]", "Pa", 9.80665e6, Nist},
    {"1 [Ba]", "Pa", 0.1, Nist},
    {"1 [MPa]", "Pa", 1e6, SiPrefix},
    // energy, power
    {"1 [cal]", "J", 4.184, Nist},
    {"1 [cal_IT]", "J", 4.1868, Nist},
    {"1 [kcal]", "J", 4184, Nist},
    {"1 [kcal_IT]", "J", 4186.8, Nist},
    {"1 [Btu]", "J", BtuIT, Nist},
    {"1 [Btu_th]", "J", BtuTh, Nist},
    {"1 [erg]", "J", 1e-7, Nist},
    {"1 [kWh]", "J", 3.6e6, Nist},
    {"1 [kWh]", "MJ", 3.6, Nist},
    {"1 [Wh]", "J", 3600, Nist},
    {"1 [eV]", "J", 1.602176634e-19, SiTable8},
    {"1 [ftlbf]", "J", Foot* PoundForce, NistFormula},
    {"1 [ftpdl]", "J", Foot* Foot* Pound, NistFormula},
    {"1 [hph]", "J", 550 * Foot* PoundForce * 3600, NistFormula},
    {"1 [thm]", "J", 1.054804e8, Nist},
    {"1 [thm_EC]", "J", 1.05506e8, Nist},
    {"1 [tTNT]", "J", 4.184e9, Nist},
    {"1 [quad]", "J", 1e15 * BtuIT, Nist},
    {"1 [hp]", "W", 550 * Foot* PoundForce, NistFormula},
    {"1 [hp_E]", "W", 746, Nist},
    {"1 [PS]", "W", 75 * Gn, Nist},
    {"1 [hp_B]", "W", 9809.5, Nist},
    {"1 [hp_W]", "W", 746.043, Nist},
    {"1 [hp_UK]", "W", 745.7, Nist},
    {"1 [Btuh]", "W", BtuIT / 3600, Nist},
    {"1 [TR]", "W", 12000 * BtuIT / 3600, Nist},
    {"1 [erg/s]", "W", 1e-7, Nist},
    {"1 [cal/s]", "W", 4.184, Nist},
    {"1 [ftlbf/s]", "W", Foot* PoundForce, NistFormula},
    // torque and mechanical compounds
    {"1 [lbf.ft]", "N.m", PoundForce* Foot, NistFormula},
    {"1 [lbf.in]", "N.m", PoundForce* Inch, NistFormula},
    {"1 [ozf.in]", "N.m", PoundForce / 16 * Inch, NistFormula},
    {"1 [dyn.cm]", "N.m", 1e-7, Nist},
    {"1 [kgf.m]", "N.m", 9.80665, Nist},
    {"1 [lb.ft^2]", "kg.m^2", Pound* Foot* Foot, NistFormula},
    {"1 [lb/ft]", "kg/m", Pound / Foot, NistFormula},
    {"1 [g/km]", "kg/m", 1e-6, "NIST SP 811 B.8 (tex)"},
    {"1 [dyn/cm]", "N/m", 1e-3, Nist},
    {"1 [lbf/in]", "N/m", PoundForce / Inch, NistFormula},
    {"1 [Btu/lb]", "J/kg", 2326, Nist},
    {"1 [cal/g]", "J/kg", 4184, Nist},
    {"1 [erg/g]", "J/kg", 1e-4, Nist},
    // fluids
    {"1 [g/cm^3]", "kg/m^3", 1000, Nist},
    {"1 [g/dm^3]", "kg/m^3", 1, Nist},
    {"1 [lb/ft^3]", "kg/m^3", Pound / (Foot * Foot * Foot), NistFormula},
    {"1 [lb/in^3]", "kg/m^3", Pound / (Inch * Inch * Inch), NistFormula},
    {"1 [oz/in^3]", "kg/m^3", Pound / 16 / (Inch * Inch * Inch), NistFormula},
    {"1 [slug/ft^3]", "kg/m^3", PoundForce / Foot / (Foot * Foot * Foot), NistFormula},
    {"1 [ton/yd^3]", "kg/m^3", 2000 * Pound / (27 * Foot * Foot * Foot), NistFormula},
    {"1 [lb/s]", "kg/s", Pound, Nist},
    {"1 [lb/min]", "kg/s", Pound / 60, Nist},
    {"1 [lb/h]", "kg/s", Pound / 3600, Nist},
    {"1 [ton/h]", "kg/s", 2000 * Pound / 3600, Nist},
    {"1 [ft^3/s]", "m^3/s", 0.028316846592, Nist},
    {"1 [ft^3/min]", "m^3/s", 0.028316846592 / 60, Nist},
    {"1 [in^3/min]", "m^3/s", 1.6387064e-5 / 60, Nist},
    {"1 [dm^3/s]", "m^3/s", 1e-3, SiTable8},
    {"1 [P]", "Pa.s", 0.1, Nist},
    {"1 [cP]", "Pa.s", 1e-3, Nist},
    {"1 [St]", "m^2/s", 1e-4, Nist},
    {"1 [cSt]", "m^2/s", 1e-6, Nist},
    {"1 [ft^2/s]", "m^2/s", 0.09290304, Nist},
    {"1 [lbf.s/ft^2]", "Pa.s", PoundForce / (Foot * Foot), NistFormula},
    {"1 [reyn]", "Pa.s", PoundForce / (Inch * Inch), NistFormula},
    {"1 [lb/ft.s]", "Pa.s", Pound / Foot, NistFormula},
    // heat
    {"100 [degC]", "K", 373.15, NistTemperature},
    {"-40 [degC]", "degF", -40, NistTemperature},
    {"212 [degF]", "K", 373.15, NistTemperature},
    {"98.6 [degF]", "degC", 37, NistTemperature},
    {"0 [K]", "degF", -459.67, NistTemperature},
    {"491.67 [degR]", "K", 273.15, NistTemperature},
    {"1 [deltaF]", "deltaK", 1 / 1.8, Nist},
    {"1 [deltaR]", "deltaK", 1 / 1.8, Nist},
    {"1 [Btu/lb.deltaF]", "J/kg.deltaK", 4186.8, Nist},
    {"1 [cal/g.deltaC]", "J/kg.deltaK", 4184, Nist},
    {"1 [Btuh/ft.deltaF]", "W/m.deltaK", BtuIT / 3600 / Foot * 1.8, Nist},
    {"1 [Btuh/ft^2.deltaF]", "W/m^2.deltaK", BtuIT / 3600 / (Foot * Foot) * 1.8, Nist},
    {"1 [ft^2.deltaF/Btuh]", "m^2.deltaK/W", Foot* Foot / 1.8 * 3600 / BtuIT, Nist},
    {"1 [Btuh/ft^2]", "W/m^2", BtuIT / 3600 / (Foot * Foot), Nist},
    {"1 [W/cm^2]", "W/m^2", 1e4, Nist},
    {"1 [W/in^2]", "W/m^2", 1 / (Inch * Inch), Nist},
    {"1 [cal/cm^2]", "J/m^2", 41840, Nist},
    {"1 [Btu/ft^2]", "J/m^2", BtuIT / (Foot * Foot), Nist},
    // electricity and magnetism
    {"1 [Ah]", "C", 3600, Nist},
    {"1 [abA]", "A", 10, Nist},
    {"1 [abC]", "C", 10, Nist},
    {"1 [abF]", "F", 1e9, Nist},
    {"1 [abH]", "H", 1e-9, Nist},
    {"1 [abS]", "S", 1e9, Nist},
    {"1 [abohm]", "ohm", 1e-9, Nist},
    {"1 [abV]", "V", 1e-8, Nist},
    {"1 [statA]", "A", 0.1 / C, Nist},
    {"1 [statC]", "C", 0.1 / C, Nist},
    {"1 [statV]", "V", C * 1e-6, Nist},
    {"1 [statohm]", "ohm", C* C * 1e-5, Nist},
    {"1 [statS]", "S", 1e5 / (C * C), Nist},
    {"1 [statF]", "F", 1e5 / (C * C), Nist},
    {"1 [statH]", "H", C* C * 1e-5, Nist},
    {"1 [mho]", "S", 1, Nist},
    {"1 [Mx]", "Wb", 1e-8, Nist},
    {"1 [G]", "T", 1e-4, Nist},
    {"1 [gamma]", "T", 1e-9, Nist},
    {"1 [Oe]", "A/m", 1000 / (4 * Pi), Nist},
    {"1 [Gb]", "At", 10 / (4 * Pi), Nist},
    {"1 [unit_pole]", "Wb", 4 * Pi * 1e-8, Nist},
    {"1 [ohm.cm]", "ohm.m", 0.01, Nist},
    {"1 [D]", "C.m", 1e-21 / C, Nist},
    {"1 [e]", "C", 1.602176634e-19, SiDerived},
    {"1 [uF]", "F", 1e-6, SiPrefix},
    // light and radiation
    {"1 [fc]", "lx", 1 / (Foot * Foot), Nist},
    {"1 [ph]", "lx", 1e4, Nist},
    {"1 [sb]", "cd/m^2", 1e4, Nist},
    {"1 [La]", "cd/m^2", 1e4 / Pi, Nist},
    {"1 [fL]", "cd/m^2", 1 / (Pi * Foot * Foot), Nist},
    {"1 [cd/in^2]", "cd/m^2", 1 / (Inch * Inch), Nist},
    {"1 [Ci]", "Bq", 3.7e10, Nist},
    {"1 [rad_D]", "Gy", 0.01, Nist},
    {"1 [rem]", "Sv", 0.01, Nist},
    {"1 [R]", "C/kg", 2.58e-4, Nist},
    // information
    {"1 [B]", "bit", 8, Iec},
    {"1 [kB]", "B", 1000, Iec},
    {"1 [KiB]", "B", 1024, Iec},
    {"1 [MiB]", "B", 1048576, Iec},
    {"1 [GB]", "bit", 8e9, Iec},
    // fuel economy, from the exact gallon and mile
    {"1 [mpg]", "L_100km", 100 * 3.785411784 / 1.609344, Nist},
    {"1 [mpg_UK]", "L_100km", 100 * 4.54609 / 1.609344, Nist},
    // additions: named forms, permeability, particle masses, ratios, equipment
    {"1 [kgf/cm^2]", "Pa", 98066.5, Nist},
    {"1 [darcy]", "m^2", 1e-7 / 101325, "API RP 27"},
    {"1 [eV_c2]", "kg", 1.602176634e-19 / (C * C), SiDerived},
    {"1 [GeV_c2]", "kg", 1.602176634e-10 / (C * C), SiDerived},
    {"1 [proof_US]", "pct", 0.5, "27 CFR 5.65"},
    {"18 [karat]", "pct", 75, "gold fineness, 1/24"},
    {"1 [RU]", "in", 1.75, "EIA-310"},
    {"1 [th]", "J", 4.1855e6, Nist},
    {"300 [dpi]", "1/m", 300 / Inch, "1/in"},
    {"4 [GasMark]", "degF", 350, "degF = 250 + 25 x mark"},
    {"1 [kWh_100km]", "Wh_km", 10, "3.6E+06 J / 1E+05 m"},
    {"1 [Wh_mi]", "J/m", 3600 / 1609.344, Nist},
    {"1 [g0]", "N/kg", 9.80665, "3rd CGPM"},
    {"1 [Mach]", "m_s", 340.294, "ICAO Doc 7488, sea level"},
    // standard gas flows: ideal gas, R = NA k exactly
    {"1 [sccm]", "mol/s", 1e-6 * 101325 / (8.31446261815324 * 273.15) / 60, "0 degC, 1 atm"},
    {"1 [slpm]", "sccm", 1000, "same conditions"},
    {"1 [scfm]", "mol/s", 0.028316846592 * 101325 / (8.31446261815324 * 288.705555555556) / 60,
     "60 degF, 1 atm"},
};

// Rules that divide by the number: converting 0 through them is a division
// by zero, which the engine reports as the math error it is.
const std::set<std::string> ReciprocalFromCore = {"km_L",   "mpg",     "mpg_UK", "km_gal", "Nm",
                                                  "Ne",     "NeK",     "NeL",    "Ny",     "run",
                                                  "degAPI", "degBe_h", "degBe_l"};
const std::set<std::string> ReciprocalToCore = {"km_L", "mpg", "mpg_UK", "km_gal", "Nm",
                                                "Ne",   "NeK", "NeL",    "Ny",     "run"};

double RelativeError(double actual, double expected, double scale) {
    if (actual == expected)
        return 0;
    return std::fabs(actual - expected) / std::max(std::fabs(expected), scale);
}

class ShippedConversionTest : public ::testing::Test {
protected:
    ShippedConversionTest() : engine(test::ShippedDataPath("Varnel.unt")) {
        // The displayed precision must not reach the numbers rules see.
        previousPrecision = SetCurrentPrecision(DefaultPrecision);
        engine.SetKeepValue(false);
    }
    ~ShippedConversionTest() override { SetCurrentPrecision(previousPrecision); }

    static std::string Quantity(double x, const std::string& symbol) {
        return FormatValue(x, 17) + " [" + symbol + "]";
    }

    double ConvertedTo(const std::string& quantity, const std::string& symbol) {
        AppendMessages(messages, engine.SetText(quantity));
        EXPECT_TRUE(engine.UnitsValid()) << quantity;
        EXPECT_TRUE(engine.ConvertTo(symbol, messages)) << quantity << " to " << symbol;
        return engine.Number();
    }

    std::string CoreSymbol(const TCat& cat) const {
        return cat.Units()[cat.Units().IndexOfCore()]->Symbol();
    }

    void RoundTrip(const TUnit& unit, const std::string& core, double x) {
        const std::string symbol = unit.Symbol();
        const std::string quantity = Quantity(x, symbol);
        SCOPED_TRACE(quantity);
        // An offset scale cannot keep the relative precision of numbers far
        // below its offset; there the error is measured against 1.
        const double scale = unit.Kind() == ukRule ? 1 : 0;

        const double whole = ConvertedTo(quantity, core);
        ASSERT_TRUE(engine.ConvertTo(symbol, messages));
        EXPECT_LT(RelativeError(engine.Number(), x, scale), 1e-12) << "as one unit";

        AppendMessages(messages, engine.SetText(quantity));
        ASSERT_TRUE(engine.UnitsValid());
        std::vector<int32_t> indices;
        for (int i = 0; i < engine.DimCount(); ++i)
            indices.push_back(engine.Dims(i)->UnitIndex());
        engine.AllToCore();
        EXPECT_LT(RelativeError(engine.Number(), whole, 1e-300), 1e-12)
            << "factor by factor to the core: " << FormatValue(engine.Number(), 17)
            << ", as one unit: " << FormatValue(whole, 17);
        for (int i = 0; i < engine.DimCount(); ++i)
            engine.Dims(i)->SetUnitIndex(indices[i]);
        EXPECT_LT(RelativeError(engine.Number(), x, scale), 1e-12) << "factor by factor";
    }

    TConvert engine;
    int previousPrecision = DefaultPrecision;
    TMessages messages;
};

TEST_F(ShippedConversionTest, ReferenceValuesOfThePublishedDefinitions) {
    EXPECT_GE(std::size(References), 150u);
    for (const ReferenceRow& row : References) {
        const double actual = ConvertedTo(row.quantity, row.target);
        const double scale = row.expected == 0 ? 1 : 0;
        EXPECT_LT(RelativeError(actual, row.expected, scale), 1e-12)
            << row.quantity << " in " << row.target << " is " << FormatValue(actual, 17)
            << ", expected " << FormatValue(row.expected, 17) << " (" << row.source << ")";
    }
    EXPECT_TRUE(messages.empty());
}

// Each unit goes to its core unit and back two ways: as one unit of its
// category (the All Units page) and factor by factor (the Simple page). Both
// must agree, so a compound unit's factor must match the units it names.
TEST_F(ShippedConversionTest, EveryUnitGoesToItsCoreAndBack) {
    const double values[] = {-40, -2.5, 0, 1, 1.5E-05, 37, 1234.5678, 9.87654321E+20};
    int units = 0;
    for (int c = 0; c < engine.CatCount(); ++c) {
        const TCat& cat = *engine.Cats(c);
        for (const TUnit* unit : cat.Units()) {
            ++units;
            for (double x : values) {
                if (x == 0 && ReciprocalToCore.count(unit->Symbol()))
                    continue;
                try {
                    RoundTrip(*unit, CoreSymbol(cat), x);
                } catch (const std::exception& error) {
                    ADD_FAILURE() << Quantity(x, unit->Symbol()) << ": " << error.what();
                }
            }
        }
    }
    EXPECT_GE(units, 1200);
    EXPECT_TRUE(messages.empty());
}

// A rule gets the number written into it: negative numbers in brackets,
// small and large ones in exponent form. Every rule must compile for all.
TEST_F(ShippedConversionTest, EveryRuleTakesNumbersOfEveryForm) {
    const double values[] = {-40, -2, 0, 2, 1.5E-05, -1.5E-05, 2.5E+20, -2.5E+20};
    int rules = 0;
    for (int c = 0; c < engine.CatCount(); ++c) {
        const TCat& cat = *engine.Cats(c);
        const int coreIndex = cat.Units().IndexOfCore();
        for (int k = 0; k < cat.Units().Count(); ++k) {
            const TUnit* unit = cat.Units()[k];
            if (unit->Kind() != ukRule)
                continue;
            ++rules;
            const std::string symbol = unit->Symbol();
            for (double x : values) {
                SCOPED_TRACE(symbol + " " + FormatValue(x, 17));
                AppendMessages(messages, engine.SetText(Quantity(x, symbol)));
                if (x == 0 && ReciprocalToCore.count(symbol)) {
                    EXPECT_THROW(engine.Dims(0)->ToCore(), EZeroDivide);
                } else {
                    EXPECT_NO_THROW(engine.Dims(0)->ToCore());
                    EXPECT_TRUE(std::isfinite(engine.Number()));
                }

                AppendMessages(messages, engine.SetText(Quantity(x, CoreSymbol(cat))));
                ASSERT_EQ(engine.Dims(0)->UnitIndex(), coreIndex);
                if (x == 0 && ReciprocalFromCore.count(symbol)) {
                    EXPECT_THROW(engine.Dims(0)->SetUnitIndex(k), EZeroDivide);
                } else {
                    EXPECT_NO_THROW(engine.Dims(0)->SetUnitIndex(k));
                    EXPECT_TRUE(std::isfinite(engine.Number()));
                }
            }
        }
    }
    EXPECT_GE(rules, 20);
    EXPECT_TRUE(messages.empty());
}

// Rule to rule goes through the core unit; only the result is rounded, once.
TEST_F(ShippedConversionTest, RuleToRuleIsRoundedOnceForDisplay) {
    const struct {
        const char* quantity;
        const char* target;
        const char* expected;
    } rows[] = {
        {"20.123456 [degC]", "degF", "68.22222 [degF]"},
        {"1.23456 [degC]", "degRe", "0.987648 [degRe]"},
        {"1 [mpg]", "mpg", "1 [mpg]"},
        {"37 [mpg]", "mpg_UK", "44.43515 [mpg_UK]"},
        {"-40 [degF]", "degC", "-40 [degC]"},
    };
    for (const auto& row : rows) {
        AppendMessages(messages, engine.SetText(row.quantity));
        ASSERT_TRUE(engine.ConvertTo(row.target, messages)) << row.quantity;
        EXPECT_EQ(engine.GetText(), row.expected) << row.quantity;
    }
}

TEST_F(ShippedConversionTest, CelsiusAndFahrenheitAgreeWithTheFormula) {
    std::mt19937_64 random(21);
    std::uniform_real_distribution<double> celsius(-273.15, 5000);
    for (int i = 0; i < 300; ++i) {
        const double c = celsius(random);
        const double f = c * 9 / 5 + 32;
        AppendMessages(messages, engine.SetText(Quantity(c, "degC")));
        ASSERT_TRUE(engine.ConvertTo("degF", messages));
        EXPECT_EQ(FormatValue(engine.Number()), FormatValue(f)) << Quantity(c, "degC");
        AppendMessages(messages, engine.SetText(Quantity(f, "degF")));
        ASSERT_TRUE(engine.ConvertTo("degC", messages));
        EXPECT_EQ(FormatValue(engine.Number()), FormatValue(c)) << Quantity(f, "degF");
    }
}

// What users type for a unit the data writes otherwise is read as that unit
// and written back in the data's own symbol.
TEST_F(ShippedConversionTest, AliasesAreReadAndWrittenAsTheDataSymbol) {
    const struct {
        const char* typed;
        const char* written;
    } rows[] = {
        {"2 [l]", "2 [L]"},          {"2 [ml/sec]", "2 [mL/s]"}, {"2 [cc]", "2 [cm^3]"},
        {"2 [\u00B0C]", "2 [degC]"}, {"2 [\u00B0]", "2 [deg]"},  {"2 [\u00C5]", "2 [Ang]"},
        {"2 [\u00B5m]", "2 [um]"},   {"2 [\u03BCm]", "2 [um]"},  {"2 [\u03A9]", "2 [ohm]"},
        {"2 [\u2126]", "2 [ohm]"},   {"2 [mph]", "2 [mi/h]"},    {"2 [kn]", "2 [nmi/h]"},
        {"2 [lbs/hr]", "2 [lb/h]"},  {"2 [BTU]", "2 [Btu]"},     {"2 [tonne]", "2 [t]"},
        {"2 [Mbps]", "2 [Mbit/s]"},
    };
    for (const auto& row : rows) {
        AppendMessages(messages, engine.SetText(row.typed));
        EXPECT_TRUE(engine.UnitsValid()) << row.typed;
        EXPECT_EQ(engine.GetText(), row.written) << row.typed;
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(ShippedConversionTest, ZeroOnAReciprocalScaleIsADivisionByZero) {
    AppendMessages(messages, engine.SetText("0 [mpg]"));
    try {
        engine.Dims(0)->ToCore();
        ADD_FAILURE() << "0 mpg converted";
    } catch (const EZeroDivide& error) {
        EXPECT_STREQ(error.what(), "Floating point division by zero");
    }
    // Values on both sides of zero convert, with the sign they had.
    EXPECT_LT(ConvertedTo("-20 [mpg]", "L_100km"), 0);
    EXPECT_GT(ConvertedTo("20 [mpg]", "L_100km"), 0);
}

TEST_F(ShippedConversionTest, AbbreviationsSurviveTheNotationAndRevertToTheirNames) {
    const std::vector<Abbrev> shipped =
        ParseAbbrevLines(ReadTextFile(test::ShippedDataPath("abrv.lst")));
    ASSERT_FALSE(shipped.empty());
    const std::vector<Abbrev> previous = AbbrevList();
    SetAbbrevList(shipped);
    for (const Abbrev& line : shipped) {
        int catIndex = -1, unitIndex = -1;
        EXPECT_TRUE(engine.FindUnit(line.Name, catIndex, unitIndex)) << line.Name;
        // A display form is no symbol; typed, it is an alias of the same unit.
        int aliasCat = -1, aliasUnit = -1;
        EXPECT_EQ(engine.Cats(catIndex)->Units().IndexOfSymbol(line.Value), -1) << line.Value;
        EXPECT_TRUE(engine.FindUnit(line.Value, aliasCat, aliasUnit)) << line.Value;
        EXPECT_EQ(std::pair(aliasCat, aliasUnit), std::pair(catIndex, unitIndex)) << line.Value;
        EXPECT_EQ(ApplyAbbrevs("1 [" + line.Name + "]", messages), "1 [" + line.Value + "]");
        EXPECT_EQ(RevertAbbrevs("1 [" + line.Value + "]", messages), "1 [" + line.Name + "]");
        EXPECT_EQ(RevertAbbrevs(ApplyAbbrevs("2 [" + line.Name + "/s]", messages), messages),
                  "2 [" + line.Name + "/s]");
    }
    SetAbbrevList(previous);
    EXPECT_TRUE(messages.empty());
}

} // namespace
} // namespace varnel
