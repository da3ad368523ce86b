"""Fluids: density, flow rates, viscosity and the scales of liquids."""

from core import ATM, Domain, Fr, IN, K_BOLTZMANN, LBF, N_AVOGADRO, format_number

domain = Domain("Fluids", "Fluid")

density = domain.category("Density", "comp", "Mass per volume; mass concentration")
density.core_unit("kilogram per cubic metre", "kg/m^3", "SI", "SI coherent unit")
density.auto("gram per cubic centimetre", "g/cm^3", "CGS,metric", "g/mL")
density.auto("kilogram per litre", "kg/dm^3", "metric", "kg/L")
density.auto("gram per litre", "g/dm^3", "metric", "g/L")
density.auto("milligram per litre", "mg/dm^3", "metric,medical", "mg/L")
density.auto("microgram per litre", "ug/dm^3", "metric,medical", "ug/L")
density.auto("tonne per cubic metre", "t/m^3", "metric", "")
density.auto("gram per cubic metre", "g/m^3", "SI", "")
density.auto("milligram per cubic metre", "mg/m^3", "SI", "air quality")
density.auto("microgram per cubic metre", "ug/m^3", "SI", "air quality")
density.auto("kilogram per cubic centimetre", "kg/cm^3", "metric", "")
density.auto("pound per cubic foot", "lb/ft^3", "imperial,US", "")
density.auto("pound per cubic inch", "lb/in^3", "imperial,US", "")
density.auto("pound per cubic yard", "lb/yd^3", "imperial,US", "")
density.auto("ounce per cubic inch", "oz/in^3", "imperial,US", "")
density.auto("ounce per cubic foot", "oz/ft^3", "imperial,US", "")
density.auto("slug per cubic foot", "slug/ft^3", "imperial,US", "")
density.auto("grain per cubic foot", "gr/ft^3", "imperial,US", "dust")
density.auto("short ton per cubic yard", "ton/yd^3", "US", "")
density.auto("long ton per cubic yard", "ton_UK/yd^3", "imperial", "")

specific_volume = domain.category("Specific volume", "comp", "Volume per mass")
specific_volume.core_unit("cubic metre per kilogram", "m^3/kg", "SI", "SI coherent unit")
specific_volume.auto("cubic centimetre per gram", "cm^3/g", "CGS", "mL/g")
specific_volume.auto("litre per kilogram", "dm^3/kg", "metric", "L/kg")
specific_volume.auto("cubic metre per tonne", "m^3/t", "metric", "")
specific_volume.auto("cubic foot per pound", "ft^3/lb", "imperial,US", "")
specific_volume.auto("cubic inch per pound", "in^3/lb", "imperial,US", "")
specific_volume.auto("cubic foot per short ton", "ft^3/ton", "US", "")

# Gas flows at standard conditions measure an amount of gas, not a volume: a
# standard litre is the gas that fills a litre at the reference temperature
# and pressure. As molar flows they convert among themselves whatever their
# reference conditions, and to mol/s or kat, but not to an actual volume flow.
R_GAS = N_AVOGADRO * K_BOLTZMANN  # J/(mol.K), exact since 2019


def standard_molar_volume(kelvin, pascal):
    return R_GAS * kelvin / pascal  # m^3/mol of an ideal gas


VM_0C = standard_molar_volume(Fr(27315, 100), ATM)
VM_60F = standard_molar_volume(Fr(45967 + 6000, 180), ATM)  # 60 degF in kelvin
gas_flow = domain.category("Standard gas flow", "root",
                           "Gas flow stated as volume at reference conditions; a molar flow")
gas_flow.core_unit("mole per second", "mol/s", "SI", "SI coherent unit of amount per time",
                   in_base="mol/s")
gas_flow.unit("standard cubic centimetre per minute", "sccm", Fr(1, 10 ** 6) / VM_0C / 60,
              "engineering,scientific",
              "1 cm^3 of ideal gas per minute at 0 degC and 101.325 kPa (mass flow controllers) "
              "= %s mol/s" % format_number(Fr(1, 10 ** 6) / VM_0C / 60))
gas_flow.unit("standard litre per minute", "slpm", Fr(1, 1000) / VM_0C / 60, "engineering",
              "1 L of ideal gas per minute at 0 degC and 101.325 kPa = %s mol/s"
              % format_number(Fr(1, 1000) / VM_0C / 60))
gas_flow.unit("standard cubic foot per minute", "scfm", (12 * IN) ** 3 / VM_60F / 60,
              "US,engineering",
              "1 ft^3 of ideal gas per minute at 60 degF and 14.696 psi (101.325 kPa), the US "
              "gas industry's standard = %s mol/s" % format_number((12 * IN) ** 3 / VM_60F / 60))

volume_flow = domain.category("Volume flow rate", "comp", "Volume per time; discharge")
volume_flow.core_unit("cubic metre per second", "m^3/s", "SI", "SI coherent unit")
volume_flow.auto("cubic metre per minute", "m^3/min", "SI", "")
volume_flow.auto("cubic metre per hour", "m^3/h", "SI", "")
volume_flow.auto("cubic metre per day", "m^3/d", "SI", "")
volume_flow.auto("cubic metre per year", "m^3/yr", "SI", "Julian year")
volume_flow.auto("litre per second", "dm^3/s", "metric", "L/s")
volume_flow.auto("litre per minute", "dm^3/min", "metric", "L/min")
volume_flow.auto("litre per hour", "dm^3/h", "metric", "L/h")
volume_flow.auto("litre per day", "dm^3/d", "metric", "L/d")
volume_flow.auto("millilitre per second", "cm^3/s", "CGS,metric", "mL/s")
volume_flow.auto("millilitre per minute", "cm^3/min", "metric,medical", "mL/min")
volume_flow.auto("millilitre per hour", "cm^3/h", "metric,medical", "mL/h, infusion pumps")
volume_flow.auto("microlitre per minute", "mm^3/min", "metric,scientific", "uL/min")
volume_flow.auto("cubic kilometre per year", "km^3/yr", "metric", "river flow")
volume_flow.auto("cubic foot per second", "ft^3/s", "imperial,US", "cfs")
volume_flow.auto("cubic foot per minute", "ft^3/min", "imperial,US", "cfm")
volume_flow.auto("cubic foot per hour", "ft^3/h", "imperial,US", "")
volume_flow.auto("cubic foot per day", "ft^3/d", "imperial,US", "")
volume_flow.auto("cubic inch per second", "in^3/s", "imperial,US", "")
volume_flow.auto("cubic inch per minute", "in^3/min", "imperial,US", "")
volume_flow.auto("cubic yard per minute", "yd^3/min", "imperial,US", "")
volume_flow.auto("cubic yard per hour", "yd^3/h", "imperial,US", "")

mass_flow = domain.category("Mass flow rate", "comp", "Mass per time")
mass_flow.core_unit("kilogram per second", "kg/s", "SI", "SI coherent unit")
mass_flow.auto("kilogram per minute", "kg/min", "SI", "")
mass_flow.auto("kilogram per hour", "kg/h", "SI", "")
mass_flow.auto("kilogram per day", "kg/d", "SI", "")
mass_flow.auto("gram per second", "g/s", "SI", "")
mass_flow.auto("gram per minute", "g/min", "SI", "")
mass_flow.auto("gram per hour", "g/h", "SI", "")
mass_flow.auto("milligram per second", "mg/s", "SI", "")
mass_flow.auto("milligram per minute", "mg/min", "SI,medical", "")
mass_flow.auto("tonne per hour", "t/h", "metric", "")
mass_flow.auto("tonne per day", "t/d", "metric", "")
mass_flow.auto("tonne per year", "t/yr", "metric", "Julian year")
mass_flow.auto("megatonne per year", "Mt/yr", "metric", "emissions")
mass_flow.auto("gigatonne per year", "Gt/yr", "metric", "Julian year")
mass_flow.auto("pound per second", "lb/s", "imperial,US", "")
mass_flow.auto("pound per minute", "lb/min", "imperial,US", "")
mass_flow.auto("pound per hour", "lb/h", "imperial,US", "")
mass_flow.auto("pound per day", "lb/d", "imperial,US", "")
mass_flow.auto("short ton per hour", "ton/h", "US", "")
mass_flow.auto("long ton per hour", "ton_UK/h", "imperial", "")
mass_flow.auto("ounce per second", "oz/s", "imperial,US", "")

dynamic_viscosity = domain.category("Dynamic viscosity", "root", "Shear stress per shear rate")
dynamic_viscosity.core_unit("pascal second", "Pa.s", "SI", "SI coherent unit, 1 N.s/m^2",
                            in_base="kg/m.s")
dynamic_viscosity.auto("millipascal second", "mPa.s", "SI", "1 mPa.s = 1 cP")
dynamic_viscosity.unit("poiseuille", "Pl", 1, "historical,metric", "exactly 1 Pa.s")
dynamic_viscosity.unit("poise", "P", Fr(1, 10), "CGS", "1 g/cm.s = 1 dyn.s/cm^2 = 0.1 Pa.s")
dynamic_viscosity.unit("centipoise", "cP", Fr(1, 1000), "CGS", "0.01 P = 1 mPa.s")
dynamic_viscosity.unit("micropoise", "uP", Fr(1, 10 ** 7), "CGS", "1E-06 P (gases)")
dynamic_viscosity.unit("reyn", "reyn", LBF / IN ** 2, "imperial,US,engineering",
                       "1 lbf.s/in^2 = 6894.7572931683613 Pa.s")
dynamic_viscosity.auto("pound-force second per square foot", "lbf.s/ft^2", "imperial,US", "")
dynamic_viscosity.auto("pound per foot second", "lb/ft.s", "imperial,US", "")
dynamic_viscosity.auto("pound per foot hour", "lb/ft.h", "imperial,US", "")
dynamic_viscosity.auto("kilogram-force second per square metre", "kgf.s/m^2", "metric", "")

kinematic_viscosity = domain.category("Kinematic viscosity", "root",
                                      "Dynamic viscosity per density; diffusivity")
kinematic_viscosity.core_unit("square metre per second", "m^2/s", "SI", "SI coherent unit",
                              in_base="m^2/s")
kinematic_viscosity.unit("stokes", "St", Fr(1, 10 ** 4), "CGS", "1 cm^2/s = 1E-04 m^2/s")
kinematic_viscosity.unit("centistokes", "cSt", Fr(1, 10 ** 6), "CGS",
                         "0.01 St = 1 mm^2/s = 1E-06 m^2/s")
kinematic_viscosity.auto("square metre per hour", "m^2/h", "SI", "")
kinematic_viscosity.auto("square foot per second", "ft^2/s", "imperial,US", "")
kinematic_viscosity.auto("square foot per hour", "ft^2/h", "imperial,US", "")
kinematic_viscosity.auto("square inch per second", "in^2/s", "imperial,US", "")

# Hydrometer scales, defined at 60 degF: relative density of the liquid to water.
relative_density = domain.category("Relative density", "root",
                                   "Specific gravity of liquids and hydrometer scales")
relative_density.core_unit("specific gravity", "SG", "scientific",
                           "density relative to water at the same temperature", in_base="1")
relative_density.rule("degree API", "degAPI", "141.5/#-131.5", "141.5/(#+131.5)",
                      "US,trade", "141.5/SG - 131.5 (American Petroleum Institute, 60 degF)",
                      exact_to=lambda x: 141.5 / (x + 131.5))
relative_density.rule("degree Baume (heavy liquids)", "degBe_h", "145-145/#", "145/(145-#)",
                      "US,historical", "145 - 145/SG (heavier than water, US scale)",
                      exact_to=lambda x: 145 / (145 - x))
relative_density.rule("degree Baume (light liquids)", "degBe_l", "140/#-130", "140/(#+130)",
                      "US,historical", "140/SG - 130 (lighter than water, US scale)",
                      exact_to=lambda x: 140 / (x + 130))
relative_density.rule("degree Twaddell", "degTw", "(#-1)*200", "#/200+1",
                      "imperial,historical", "200 (SG - 1)",
                      exact_to=lambda x: x / 200 + 1)
