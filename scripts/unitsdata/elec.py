"""Electricity and magnetism: SI, CGS-EMU (ab-) and CGS-ESU (stat-) units."""

from core import C_LIGHT, D, Domain, E_CHARGE, Fr, H_PLANCK, N_AVOGADRO, PI

domain = Domain("Electricity and magnetism", "Elec")

STAT_C = 1 / (10 * C_LIGHT)           # statcoulomb, C
STAT_V = C_LIGHT / 10 ** 6            # statvolt, V
STAT_OHM = STAT_V / STAT_C            # statohm, ohm

current = domain.category("Electric current", "root", "Flow of charge; SI base quantity")
current.core_unit("ampere", "A", "SI", "SI base unit, fixed by the elementary charge "
                  "e = 1.602176634E-19 C", in_base="A")
current.prefixed("ampere", "A", 1, "k m u n p f", "SI", "A")
current.unit("abampere", "abA", 10, "CGS", "EMU, exactly 10 A")
current.unit("biot", "Bi", 10, "CGS", "the abampere, exactly 10 A")
current.unit("statampere", "statA", STAT_C, "CGS", "ESU, 1/(10 c) A = 3.3356409519815205E-10 A")
current.unit("atomic unit of current", "I_au", D("6.623618237510E-3"), "atomic,scientific",
             "e E_h/hbar = 6.623618237510E-03 A (CODATA 2018)")

charge = domain.category("Electric charge", "root", "Quantity of electricity")
charge.core_unit("coulomb", "C", "SI", "SI coherent unit, 1 A.s", in_base="s.A")
charge.prefixed("coulomb", "C", 1, "k m u n p f", "SI", "C")
charge.unit("ampere hour", "Ah", 3600, "metric", "exactly 3600 C (battery capacity)")
charge.unit("milliampere hour", "mAh", Fr(36, 10), "metric", "exactly 3.6 C")
charge.unit("kiloampere hour", "kAh", 3600000, "metric", "exactly 3.6E+06 C")
charge.unit("elementary charge", "e", E_CHARGE, "atomic,SI", "exactly 1.602176634E-19 C")
charge.unit("faraday", "Fd", N_AVOGADRO * E_CHARGE, "scientific",
            "charge of one mole of electrons, N_A e = 96485.33212331 C")
charge.unit("abcoulomb", "abC", 10, "CGS", "EMU, exactly 10 C")
charge.unit("statcoulomb (franklin)", "statC", STAT_C, "CGS",
            "ESU, 1/(10 c) C = 3.3356409519815205E-10 C")

voltage = domain.category("Electric potential", "root", "Voltage, electromotive force")
voltage.core_unit("volt", "V", "SI", "SI coherent unit, 1 W/A", in_base="kg.m^2/s^3.A")
voltage.prefixed("volt", "V", 1, "M k m u n", "SI", "V")
voltage.unit("abvolt", "abV", Fr(1, 10 ** 8), "CGS", "EMU, exactly 1E-08 V")
voltage.unit("statvolt", "statV", STAT_V, "CGS", "ESU, c/1E+06 V = 299.792458 V")
voltage.unit("atomic unit of electric potential", "V_au", D("27.211386245988"),
             "atomic,scientific", "E_h/e = 27.211386245988 V (CODATA 2018)")

resistance = domain.category("Electric resistance", "root", "Voltage per current; impedance")
resistance.core_unit("ohm", "ohm", "SI", "SI coherent unit, 1 V/A",
                     in_base="kg.m^2/s^3.A^2")
resistance.prefixed("ohm", "ohm", 1, "G M k m u n", "SI", "ohm")
resistance.unit("abohm", "abohm", Fr(1, 10 ** 9), "CGS", "EMU, exactly 1E-09 ohm")
resistance.unit("statohm", "statohm", STAT_OHM, "CGS", "ESU, 1E-05 c^2 ohm")
resistance.unit("von Klitzing constant", "R_K", H_PLANCK / E_CHARGE ** 2, "atomic,scientific",
                "h/e^2 = 25812.807459304507 ohm (exact definition)")
resistance.unit("impedance of vacuum", "Z_0", D("376.730313668"), "scientific",
                "376.730313668 ohm (CODATA 2018)")

conductance = domain.category("Electric conductance", "root", "Current per voltage; admittance")
conductance.core_unit("siemens", "S", "SI", "SI coherent unit, 1 A/V",
                      in_base="s^3.A^2/kg.m^2")
conductance.prefixed("siemens", "S", 1, "M k m u n p", "SI", "S")
conductance.unit("mho", "mho", 1, "historical", "old name of the siemens, exactly 1 S")
conductance.unit("abmho (absiemens)", "abS", 10 ** 9, "CGS", "EMU, exactly 1E+09 S")
conductance.unit("statmho (statsiemens)", "statS", 1 / STAT_OHM, "CGS", "ESU, 1/statohm")
conductance.unit("conductance quantum", "G_0", 2 * E_CHARGE ** 2 / H_PLANCK, "atomic,scientific",
                 "2 e^2/h = 7.7480917298636506E-05 S (exact definition)")

capacitance = domain.category("Capacitance", "root", "Charge per voltage")
capacitance.core_unit("farad", "F", "SI", "SI coherent unit, 1 C/V",
                      in_base="s^4.A^2/kg.m^2")
capacitance.prefixed("farad", "F", 1, "m u n p f", "SI", "F")
capacitance.unit("abfarad", "abF", 10 ** 9, "CGS", "EMU, exactly 1E+09 F")
capacitance.unit("statfarad", "statF", STAT_C / STAT_V, "CGS",
                 "ESU, 1E+05/c^2 F = 1.1126500560536184E-12 F")

inductance = domain.category("Inductance", "root", "Magnetic flux per current")
inductance.core_unit("henry", "H", "SI", "SI coherent unit, 1 Wb/A",
                     in_base="kg.m^2/s^2.A^2")
inductance.prefixed("henry", "H", 1, "m u n p", "SI", "H")
inductance.unit("abhenry", "abH", Fr(1, 10 ** 9), "CGS", "EMU, exactly 1E-09 H")
inductance.unit("stathenry", "statH", STAT_OHM, "CGS", "ESU, 1E-05 c^2 H")

flux = domain.category("Magnetic flux", "root", "Voltage times time")
flux.core_unit("weber", "Wb", "SI", "SI coherent unit, 1 V.s", in_base="kg.m^2/s^2.A")
flux.prefixed("weber", "Wb", 1, "m u n", "SI", "Wb")
flux.unit("maxwell", "Mx", Fr(1, 10 ** 8), "CGS", "EMU, 1 G.cm^2 = exactly 1E-08 Wb")
flux.unit("statweber", "statWb", STAT_V, "CGS", "ESU, 299.792458 Wb")
flux.unit("magnetic flux quantum", "Phi_0", H_PLANCK / (2 * E_CHARGE), "atomic,scientific",
          "h/(2e) = 2.0678338484619293E-15 Wb (exact definition)")
flux.unit("unit pole", "unit_pole", 4 * PI / 10 ** 8, "CGS,historical",
          "4 pi E-08 Wb")

flux_density = domain.category("Magnetic flux density", "root", "Magnetic induction B")
flux_density.core_unit("tesla", "T", "SI", "SI coherent unit, 1 Wb/m^2", in_base="kg/s^2.A")
flux_density.prefixed("tesla", "T", 1, "m u n p", "SI", "T")
flux_density.unit("gauss", "G", Fr(1, 10 ** 4), "CGS", "EMU, 1 Mx/cm^2 = exactly 1E-04 T")
flux_density.unit("milligauss", "mG", Fr(1, 10 ** 7), "CGS", "1E-03 G")
flux_density.unit("kilogauss", "kG", Fr(1, 10), "CGS", "1000 G")
flux_density.unit("gamma", "gamma", Fr(1, 10 ** 9), "CGS,scientific",
                  "1E-05 G = exactly 1 nT (geophysics)")

field_h = domain.category("Magnetic field strength", "root", "Magnetizing field H")
field_h.core_unit("ampere per metre", "A/m", "SI", "SI coherent unit", in_base="A/m")
field_h.auto("kiloampere per metre", "kA/m", "SI", "")
field_h.auto("ampere per centimetre", "A/cm", "SI", "")
field_h.auto("ampere per millimetre", "A/mm", "SI", "")
field_h.auto("ampere per inch", "A/in", "imperial,US", "")
field_h.unit("oersted", "Oe", 1000 / (4 * PI), "CGS", "EMU, 1000/(4 pi) A/m")
field_h.unit("kilooersted", "kOe", 10 ** 6 / (4 * PI), "CGS", "1000 Oe (permanent magnets)")

mmf = domain.category("Magnetomotive force", "root", "Current times turns")
mmf.core_unit("ampere-turn", "At", "SI", "1 A through one turn", in_base="A")
mmf.unit("kiloampere-turn", "kAt", 1000, "SI", "1000 At")
mmf.unit("gilbert", "Gb", 10 / (4 * PI), "CGS", "EMU, 10/(4 pi) At")

e_field = domain.category("Electric field strength", "comp", "Voltage per length")
e_field.core_unit("volt per metre", "V/m", "SI", "SI coherent unit, also N/C")
e_field.auto("kilovolt per metre", "kV/m", "SI", "")
e_field.auto("megavolt per metre", "MV/m", "SI", "")
e_field.auto("millivolt per metre", "mV/m", "SI", "")
e_field.auto("microvolt per metre", "uV/m", "SI", "radio field strength")
e_field.auto("volt per centimetre", "V/cm", "SI", "")
e_field.auto("kilovolt per centimetre", "kV/cm", "SI", "")
e_field.auto("volt per millimetre", "V/mm", "SI", "")
e_field.auto("kilovolt per millimetre", "kV/mm", "SI", "dielectric strength")
e_field.auto("volt per mil", "V/mil", "US,engineering", "")
e_field.auto("volt per inch", "V/in", "imperial,US", "")
e_field.auto("statvolt per centimetre", "statV/cm", "CGS", "")
e_field.auto("atomic unit of electric field", "V_au/a0", "atomic", "atomic unit of electric field")

resistivity = domain.category("Electric resistivity", "comp", "Resistance times length")
resistivity.core_unit("ohm metre", "ohm.m", "SI", "SI coherent unit")
resistivity.auto("ohm centimetre", "ohm.cm", "SI", "")
resistivity.auto("ohm millimetre", "ohm.mm", "SI", "")
resistivity.auto("kilohm centimetre", "kohm.cm", "SI", "")
resistivity.auto("megohm centimetre", "Mohm.cm", "SI", "pure water")
resistivity.auto("microhm centimetre", "uohm.cm", "SI", "metals")
resistivity.auto("microhm metre", "uohm.m", "SI", "ohm.mm^2/m")
resistivity.auto("nanohm metre", "nohm.m", "SI", "")

conductivity = domain.category("Electric conductivity", "comp", "Conductance per length")
conductivity.core_unit("siemens per metre", "S/m", "SI", "SI coherent unit")
conductivity.auto("millisiemens per metre", "mS/m", "SI", "")
conductivity.auto("microsiemens per centimetre", "uS/cm", "SI", "water quality")
conductivity.auto("millisiemens per centimetre", "mS/cm", "SI", "")
conductivity.auto("siemens per centimetre", "S/cm", "SI", "")
conductivity.auto("megasiemens per metre", "MS/m", "SI", "metals")

permittivity = domain.category("Permittivity", "comp", "Capacitance per length")
permittivity.core_unit("farad per metre", "F/m", "SI", "SI coherent unit")
permittivity.auto("picofarad per metre", "pF/m", "SI", "vacuum permittivity is 8.8541878128 pF/m (CODATA 2018)")
permittivity.auto("nanofarad per metre", "nF/m", "SI", "")
permittivity.auto("microfarad per metre", "uF/m", "SI", "")
permittivity.auto("picofarad per centimetre", "pF/cm", "SI", "")

permeability = domain.category("Permeability", "comp", "Inductance per length")
permeability.core_unit("henry per metre", "H/m", "SI", "SI coherent unit")
permeability.auto("microhenry per metre", "uH/m", "SI", "vacuum permeability is 1.25663706212 uH/m (CODATA 2018)")
permeability.auto("nanohenry per metre", "nH/m", "SI", "")
permeability.auto("millihenry per metre", "mH/m", "SI", "")

current_density = domain.category("Current density", "comp", "Current per area")
current_density.core_unit("ampere per square metre", "A/m^2", "SI", "SI coherent unit")
current_density.auto("ampere per square centimetre", "A/cm^2", "SI", "")
current_density.auto("ampere per square millimetre", "A/mm^2", "SI", "wiring")
current_density.auto("milliampere per square centimetre", "mA/cm^2", "SI", "")
current_density.auto("microampere per square centimetre", "uA/cm^2", "SI", "")
current_density.auto("kiloampere per square metre", "kA/m^2", "SI", "")
current_density.auto("ampere per square inch", "A/in^2", "imperial,US", "")
current_density.auto("ampere per square foot", "A/ft^2", "imperial,US", "")

surface_charge = domain.category("Surface charge density", "comp",
                                 "Charge per area; electric displacement")
surface_charge.core_unit("coulomb per square metre", "C/m^2", "SI", "SI coherent unit")
surface_charge.auto("coulomb per square centimetre", "C/cm^2", "SI", "")
surface_charge.auto("microcoulomb per square centimetre", "uC/cm^2", "SI", "")
surface_charge.auto("millicoulomb per square metre", "mC/m^2", "SI", "")
surface_charge.auto("nanocoulomb per square centimetre", "nC/cm^2", "SI", "")

charge_density = domain.category("Charge density", "comp", "Charge per volume")
charge_density.core_unit("coulomb per cubic metre", "C/m^3", "SI", "SI coherent unit")
charge_density.auto("coulomb per cubic centimetre", "C/cm^3", "SI", "")
charge_density.auto("millicoulomb per cubic metre", "mC/m^3", "SI", "")
charge_density.auto("microcoulomb per cubic metre", "uC/m^3", "SI", "")

dipole = domain.category("Electric dipole moment", "root", "Charge times separation")
dipole.core_unit("coulomb metre", "C.m", "SI", "SI coherent unit", in_base="m.s.A")
dipole.unit("debye", "D", Fr(1, 10 ** 21) / C_LIGHT, "CGS,scientific",
            "1E-18 statC.cm = 1E-21/c C.m = 3.3356409519815205E-30 C.m")
dipole.unit("atomic unit of electric dipole moment", "ea0", D("8.4783536255E-30"),
            "atomic,scientific", "e a0 = 8.4783536255E-30 C.m (CODATA 2018)")
dipole.auto("elementary charge nanometre", "e.nm", "atomic", "")
dipole.auto("elementary charge angstrom", "e.Ang", "atomic", "")

moment = domain.category("Magnetic moment", "root", "Magnetic dipole moment")
moment.core_unit("ampere square metre", "A.m^2", "SI", "SI coherent unit", in_base="m^2.A")
moment.auto("joule per tesla", "J/T", "SI", "")
moment.unit("Bohr magneton", "mu_B", D("9.2740100783E-24"), "atomic,scientific",
            "e hbar/(2 m_e) = 9.2740100783E-24 J/T (CODATA 2018)")
moment.unit("nuclear magneton", "mu_N", D("5.0507837461E-27"), "atomic,scientific",
            "e hbar/(2 m_p) = 5.0507837461E-27 J/T (CODATA 2018)")
moment.unit("electromagnetic unit of moment", "emu", Fr(1, 1000), "CGS",
            "1 erg/G = exactly 1E-03 A.m^2")

apparent = domain.category("Apparent power", "root", "Voltage times current in AC circuits")
apparent.core_unit("volt-ampere", "VA", "SI,engineering", "1 V x 1 A", in_base="kg.m^2/s^3")
apparent.prefixed("volt-ampere", "VA", 1, "G M k m", "SI,engineering", "VA")

reactive = domain.category("Reactive power", "root", "Imaginary part of AC power")
reactive.core_unit("var (volt-ampere reactive)", "var", "SI,engineering", "1 V x 1 A reactive",
                   in_base="kg.m^2/s^3")
reactive.prefixed("var", "var", 1, "G M k", "SI,engineering", "var")
