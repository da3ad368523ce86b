"""Heat: temperature scales, temperature intervals and thermal quantities.

Temperatures on offset scales convert by rules, and a unit of a category with
rules converts only alone; so the compound thermal quantities use the
temperature interval units (deltaK, deltaF ...), which are plain factors.
"""

from core import D, Domain, Fr

domain = Domain("Heat", "Heat")

temperature = domain.category("Temperature", "root",
                              "Thermodynamic temperature and the everyday scales")
temperature.core_unit("kelvin", "K", "SI",
                      "SI base unit, fixed by the Boltzmann constant k = 1.380649E-23 J/K",
                      in_base="K")
temperature.unit("millikelvin", "mK", Fr(1, 1000), "SI", "1E-03 K")
temperature.unit("microkelvin", "uK", Fr(1, 10 ** 6), "SI", "1E-06 K")
temperature.unit("nanokelvin", "nK", Fr(1, 10 ** 9), "SI", "1E-09 K")
temperature.rule("degree Celsius", "degC", "#-273.15", "#+273.15", "SI,metric",
                 "t/degC = T/K - 273.15; written \u00b0C",
                 exact_to=lambda x: x + 273.15)
temperature.rule("degree Fahrenheit", "degF", "#*1.8-459.67", "(#+459.67)/1.8", "US,imperial",
                 "t/degF = 1.8 T/K - 459.67; water freezes at 32 degF; written \u00b0F",
                 exact_to=lambda x: (x + 459.67) / 1.8)
temperature.unit("degree Rankine", "degR", Fr(5, 9), "US,engineering",
                 "T/degR = 1.8 T/K (absolute Fahrenheit scale)")
temperature.rule("degree Reaumur", "degRe", "(#-273.15)*0.8", "#*1.25+273.15",
                 "historical", "0.8 (T/K - 273.15); water boils at 80 degRe",
                 exact_to=lambda x: x * 1.25 + 273.15)
temperature.rule("degree Delisle", "degDe", "(373.15-#)*1.5", "373.15-#/1.5", "historical",
                 "1.5 (373.15 - T/K); water boils at 0 degDe",
                 exact_to=lambda x: 373.15 - x / 1.5)
temperature.rule("degree Newton", "degN", "(#-273.15)*0.33", "#/0.33+273.15", "historical",
                 "0.33 (T/K - 273.15); water boils at 33 degN",
                 exact_to=lambda x: x / 0.33 + 273.15)
temperature.rule("degree Romer", "degRo", "(#-273.15)*0.525+7.5", "(#-7.5)/0.525+273.15",
                 "historical", "21/40 (T/K - 273.15) + 7.5; water freezes at 7.5 degRo",
                 exact_to=lambda x: (x - 7.5) / 0.525 + 273.15)
temperature.rule("gas mark", "GasMark", "((#*1.8-459.67)-250)/25", "(250+25*#+459.67)/1.8",
                 "regional,cooking",
                 "British oven setting: degF = 250 + 25 x mark, for marks 1 to 10 "
                 "(gas mark 4 = 350 degF = 176.67 degC)",
                 exact_to=lambda x: (250 + 25 * x + 459.67) / 1.8)
temperature.unit("Planck temperature", "T_P", D("1.416784E32"), "natural,scientific",
                 "1.416784E+32 K (CODATA 2018)")

interval = domain.category("Temperature interval", "root",
                           "Temperature difference; for compound thermal units")
interval.core_unit("kelvin (difference)", "deltaK", "SI",
                   "a temperature difference of 1 K", in_base="K")
interval.unit("millikelvin (difference)", "mdeltaK", Fr(1, 1000), "SI", "1E-03 deltaK")
interval.unit("degree Celsius (difference)", "deltaC", 1, "SI,metric", "exactly 1 deltaK")
interval.unit("degree Fahrenheit (difference)", "deltaF", Fr(5, 9), "US,imperial",
              "5/9 deltaK")
interval.unit("degree Rankine (difference)", "deltaR", Fr(5, 9), "US,engineering", "5/9 deltaK")
interval.unit("degree Reaumur (difference)", "deltaRe", Fr(5, 4), "historical", "1.25 deltaK")
interval.unit("degree Delisle (difference)", "deltaDe", Fr(2, 3), "historical", "2/3 deltaK")
interval.unit("degree Newton (difference)", "deltaN", Fr(100, 33), "historical", "100/33 deltaK")
interval.unit("degree Romer (difference)", "deltaRo", Fr(40, 21), "historical", "40/21 deltaK")

heat_capacity = domain.category("Heat capacity, entropy", "comp", "Energy per temperature")
heat_capacity.core_unit("joule per kelvin", "J/deltaK", "SI", "SI coherent unit")
heat_capacity.auto("kilojoule per kelvin", "kJ/deltaK", "SI", "")
heat_capacity.auto("calorie per degree Celsius", "cal/deltaC", "metric", "")
heat_capacity.auto("kilocalorie per degree Celsius", "kcal/deltaC", "metric", "")
heat_capacity.auto("Btu per degree Fahrenheit", "Btu/deltaF", "imperial,US", "")
heat_capacity.auto("erg per kelvin", "erg/deltaK", "CGS", "")
heat_capacity.auto("electronvolt per kelvin", "eV/deltaK", "atomic", "k = 8.617333262E-05 eV/K")

specific_heat = domain.category("Specific heat capacity", "comp",
                                "Energy per mass and temperature; specific entropy")
specific_heat.core_unit("joule per kilogram kelvin", "J/kg.deltaK", "SI", "SI coherent unit")
specific_heat.auto("kilojoule per kilogram kelvin", "kJ/kg.deltaK", "SI", "")
specific_heat.auto("joule per gram degree Celsius", "J/g.deltaC", "SI", "")
specific_heat.auto("calorie per gram degree Celsius", "cal/g.deltaC", "metric", "water is about 1")
specific_heat.auto("kilocalorie per kilogram degree Celsius", "kcal/kg.deltaC", "metric", "")
specific_heat.auto("kilocalorie (IT) per kilogram degree Celsius", "kcal_IT/kg.deltaC", "metric", "")
specific_heat.auto("Btu per pound degree Fahrenheit", "Btu/lb.deltaF", "imperial,US", "")
specific_heat.auto("Btu (thermochemical) per pound degree Fahrenheit", "Btu_th/lb.deltaF", "imperial,US", "")

molar_heat = domain.category("Molar heat capacity", "comp", "Energy per amount and temperature")
molar_heat.core_unit("joule per mole kelvin", "J/mol.deltaK", "SI", "SI coherent unit")
molar_heat.auto("calorie per mole kelvin", "cal/mol.deltaK", "metric", "")
molar_heat.auto("kilojoule per kilomole kelvin", "kJ/kmol.deltaK", "SI", "")
molar_heat.auto("Btu per pound-mole degree Fahrenheit", "Btu/lbmol.deltaF", "imperial,US", "")

conductivity = domain.category("Thermal conductivity", "comp",
                               "Heat flow per length and temperature difference")
conductivity.core_unit("watt per metre kelvin", "W/m.deltaK", "SI", "SI coherent unit")
conductivity.auto("milliwatt per metre kelvin", "mW/m.deltaK", "SI", "")
conductivity.auto("watt per centimetre kelvin", "W/cm.deltaK", "SI", "")
conductivity.auto("kilowatt per metre kelvin", "kW/m.deltaK", "SI", "")
conductivity.auto("Btu per hour foot degree Fahrenheit", "Btuh/ft.deltaF", "US,engineering", "")

transfer = domain.category("Heat transfer coefficient", "comp",
                           "Heat flux per temperature difference; U-value")
transfer.core_unit("watt per square metre kelvin", "W/m^2.deltaK", "SI", "SI coherent unit")
transfer.auto("kilowatt per square metre kelvin", "kW/m^2.deltaK", "SI", "")
transfer.auto("watt per square centimetre kelvin", "W/cm^2.deltaK", "SI", "")
transfer.auto("Btu per hour square foot degree Fahrenheit", "Btuh/ft^2.deltaF", "US,engineering", "US U-factor")

insulance = domain.category("Thermal insulance", "comp",
                            "Temperature difference per heat flux; R-value")
insulance.core_unit("square metre kelvin per watt", "m^2.deltaK/W", "SI",
                    "SI coherent unit (RSI)")
insulance.auto("square metre kelvin per kilowatt", "m^2.deltaK/kW", "SI", "")
insulance.auto("square foot degree Fahrenheit hour per Btu", "ft^2.deltaF/Btuh", "US,engineering", "US R-value")

resistance = domain.category("Thermal resistance", "comp",
                             "Temperature difference per heat flow")
resistance.core_unit("kelvin per watt", "deltaK/W", "SI", "SI coherent unit")
resistance.auto("kelvin per milliwatt", "deltaK/mW", "SI", "")
resistance.auto("kelvin per kilowatt", "deltaK/kW", "SI", "")
resistance.auto("degree Fahrenheit hour per Btu", "deltaF/Btuh", "US,engineering", "")

heat_flux = domain.category("Heat flux density, irradiance", "comp", "Power per area")
heat_flux.core_unit("watt per square metre", "W/m^2", "SI", "SI coherent unit")
heat_flux.auto("kilowatt per square metre", "kW/m^2", "SI", "")
heat_flux.auto("megawatt per square metre", "MW/m^2", "SI", "")
heat_flux.auto("milliwatt per square metre", "mW/m^2", "SI", "")
heat_flux.auto("microwatt per square centimetre", "uW/cm^2", "SI", "")
heat_flux.auto("milliwatt per square centimetre", "mW/cm^2", "SI", "")
heat_flux.auto("watt per square centimetre", "W/cm^2", "SI", "")
heat_flux.auto("watt per square millimetre", "W/mm^2", "SI", "")
heat_flux.auto("watt per square inch", "W/in^2", "imperial,US", "")
heat_flux.auto("Btu per hour square foot", "Btuh/ft^2", "US,engineering", "")

exposure = domain.category("Energy per area", "comp",
                           "Radiant exposure, insolation, fluence")
exposure.core_unit("joule per square metre", "J/m^2", "SI", "SI coherent unit")
exposure.auto("kilojoule per square metre", "kJ/m^2", "SI", "")
exposure.auto("megajoule per square metre", "MJ/m^2", "SI", "")
exposure.auto("joule per square centimetre", "J/cm^2", "SI", "")
exposure.auto("millijoule per square centimetre", "mJ/cm^2", "SI", "")
exposure.auto("langley", "cal/cm^2", "historical,metric", "langley, 1 cal_th/cm^2; solar radiation")
exposure.auto("kilowatt hour per square metre", "kWh/m^2", "metric", "insolation")
exposure.auto("watt hour per square metre", "Wh/m^2", "metric", "")
exposure.auto("Btu per square foot", "Btu/ft^2", "imperial,US", "")
exposure.auto("erg per square centimetre", "erg/cm^2", "CGS", "")

expansion = domain.category("Thermal expansion coefficient", "comp",
                            "Relative change of length or volume per temperature")
expansion.core_unit("reciprocal kelvin", "1/deltaK", "SI", "SI coherent unit")
expansion.auto("reciprocal degree Fahrenheit", "1/deltaF", "US,imperial", "")
expansion.auto("reciprocal millikelvin", "1/mdeltaK", "SI", "")

gradient = domain.category("Temperature gradient", "comp", "Temperature change per length")
gradient.core_unit("kelvin per metre", "deltaK/m", "SI", "SI coherent unit")
gradient.auto("kelvin per kilometre", "deltaK/km", "SI", "lapse rate")
gradient.auto("kelvin per centimetre", "deltaK/cm", "SI", "")
gradient.auto("kelvin per millimetre", "deltaK/mm", "SI", "")
gradient.auto("degree Fahrenheit per foot", "deltaF/ft", "US,imperial", "")
gradient.auto("degree Fahrenheit per inch", "deltaF/in", "US,imperial", "")
gradient.auto("degree Fahrenheit per mile", "deltaF/mi", "US,imperial", "")
