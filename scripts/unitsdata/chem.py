"""Chemistry: amount of substance and the quantities built on it."""

from core import Domain, Fr, LB

domain = Domain("Chemistry", "Chem")

amount = domain.category("Amount of substance", "root", "Number of entities; SI base quantity")
amount.core_unit("mole", "mol", "SI", "SI base unit: exactly 6.02214076E+23 entities",
                 in_base="mol")
amount.prefixed("mole", "mol", 1, "k m u n p f", "SI", "mol")
amount.unit("pound-mole", "lbmol", LB * 1000, "imperial,US,engineering",
            "amount whose mass in lb equals the molar mass in g/mol: 453.59237 mol")
amount.unit("ounce-mole", "ozmol", LB * 1000 / 16, "imperial,US", "1/16 lbmol")

molar_mass = domain.category("Molar mass", "comp", "Mass per amount")
molar_mass.core_unit("kilogram per mole", "kg/mol", "SI", "SI coherent unit")
molar_mass.auto("gram per mole", "g/mol", "SI", "numerically the mass of one entity in Da")
molar_mass.auto("kilogram per kilomole", "kg/kmol", "SI", "")
molar_mass.auto("pound per pound-mole", "lb/lbmol", "imperial,US", "")

concentration = domain.category("Molar concentration", "comp", "Amount per volume; molarity")
concentration.core_unit("mole per cubic metre", "mol/m^3", "SI", "SI coherent unit")
concentration.auto("molar (mole per litre)", "mol/dm^3", "metric,medical", "the molar, 1 M = 1 mol/L")
concentration.auto("millimolar", "mmol/dm^3", "metric,medical", "1 mM = 1 mmol/L")
concentration.auto("micromolar", "umol/dm^3", "metric,medical", "1 uM = 1 umol/L")
concentration.auto("nanomolar", "nmol/dm^3", "metric,medical", "1 nM = 1 nmol/L")
concentration.auto("picomolar", "pmol/dm^3", "metric,medical", "1 pM = 1 pmol/L")
concentration.auto("mole per cubic centimetre", "mol/cm^3", "CGS", "")
concentration.auto("kilomole per cubic metre", "kmol/m^3", "SI", "")
concentration.auto("pound-mole per cubic foot", "lbmol/ft^3", "imperial,US", "")

molality = domain.category("Molality", "comp", "Amount of solute per mass of solvent")
molality.core_unit("mole per kilogram", "mol/kg", "SI", "SI coherent unit")
molality.auto("millimole per kilogram", "mmol/kg", "SI,medical", "osmolality")
molality.auto("micromole per kilogram", "umol/kg", "SI", "")
molality.auto("mole per gram", "mol/g", "SI", "")
molality.auto("millimole per gram", "mmol/g", "SI", "ion exchange capacity")

catalytic = domain.category("Catalytic activity", "root", "Rate of a catalysed reaction")
catalytic.core_unit("katal", "kat", "SI", "SI coherent unit, 1 mol/s", in_base="mol/s")
catalytic.prefixed("katal", "kat", 1, "m u n p", "SI", "kat")
catalytic.unit("enzyme unit", "U", Fr(1, 6 * 10 ** 7), "medical,scientific",
               "1 umol/min = 1/60 ukat")
catalytic.unit("milli enzyme unit", "mU", Fr(1, 6 * 10 ** 10), "medical,scientific",
               "1 nmol/min = 1E-03 U")

molar_energy = domain.category("Molar energy", "comp", "Energy per amount")
molar_energy.core_unit("joule per mole", "J/mol", "SI", "SI coherent unit")
molar_energy.auto("kilojoule per mole", "kJ/mol", "SI", "")
molar_energy.auto("calorie per mole", "cal/mol", "metric", "")
molar_energy.auto("kilocalorie per mole", "kcal/mol", "metric,scientific", "")
molar_energy.auto("kilojoule per kilomole", "kJ/kmol", "SI", "")
molar_energy.auto("Btu per pound-mole", "Btu/lbmol", "imperial,US", "")

molar_volume = domain.category("Molar volume", "comp", "Volume per amount")
molar_volume.core_unit("cubic metre per mole", "m^3/mol", "SI", "SI coherent unit")
molar_volume.auto("litre per mole", "dm^3/mol", "metric", "L/mol")
molar_volume.auto("cubic centimetre per mole", "cm^3/mol", "CGS", "")
molar_volume.auto("cubic metre per kilomole", "m^3/kmol", "SI", "")
molar_volume.auto("cubic foot per pound-mole", "ft^3/lbmol", "imperial,US", "")
