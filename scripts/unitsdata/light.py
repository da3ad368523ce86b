"""Light and radiation: photometry, radiometry and ionising radiation."""

from core import D, Domain, FT, Fr, PI

light = Domain("Light", "Light")

intensity = light.category("Luminous intensity", "root", "SI base quantity")
intensity.core_unit("candela", "cd", "SI", "SI base unit, fixed by the luminous efficacy "
                    "683 lm/W of 540 THz radiation", in_base="cd")
intensity.prefixed("candela", "cd", 1, "k m u", "SI", "cd")
intensity.unit("candlepower", "cp", 1, "historical", "modern candlepower, 1 cd")

flux = light.category("Luminous flux", "root", "Light power as the eye sees it")
flux.core_unit("lumen", "lm", "SI", "SI coherent unit, 1 cd.sr", in_base="cd")
flux.prefixed("lumen", "lm", 1, "k m", "SI", "lm")
flux.unit("spherical candlepower", "scp", 4 * PI, "historical",
          "flux of 1 cd in every direction, 4 pi lm")

illuminance = light.category("Illuminance", "root", "Luminous flux per area")
illuminance.core_unit("lux", "lx", "SI", "SI coherent unit, 1 lm/m^2", in_base="cd/m^2")
illuminance.prefixed("lux", "lx", 1, "k m u", "SI", "lx")
illuminance.unit("foot-candle", "fc", 1 / FT ** 2, "imperial,US",
                 "1 lm/ft^2 = 10.763910416709722 lx")
illuminance.unit("phot", "ph", 10 ** 4, "CGS", "1 lm/cm^2 = exactly 1E+04 lx")
illuminance.unit("nox", "nx", Fr(1, 1000), "historical", "exactly 1E-03 lx")

luminance = light.category("Luminance", "root", "Luminous intensity per area")
luminance.core_unit("candela per square metre", "cd/m^2", "SI", "SI coherent unit",
                    in_base="cd/m^2")
luminance.unit("nit", "nt", 1, "metric", "exactly 1 cd/m^2 (displays)")
luminance.auto("kilocandela per square metre", "kcd/m^2", "SI", "")
luminance.auto("candela per square centimetre", "cd/cm^2", "SI", "")
luminance.auto("candela per square foot", "cd/ft^2", "imperial,US", "")
luminance.auto("candela per square inch", "cd/in^2", "imperial,US", "")
luminance.unit("stilb", "sb", 10 ** 4, "CGS", "1 cd/cm^2 = exactly 1E+04 cd/m^2")
luminance.unit("apostilb (blondel)", "asb", 1 / PI, "historical", "1/pi cd/m^2")
luminance.unit("lambert", "La", 10 ** 4 / PI, "CGS", "1/pi cd/cm^2 = 3183.0988618379067 cd/m^2")
luminance.unit("millilambert", "mLa", 10 / PI, "CGS", "1E-03 La")
luminance.unit("foot-lambert", "fL", 1 / (PI * FT ** 2), "imperial,US",
               "1/pi cd/ft^2 = 3.4262590996353905 cd/m^2")
luminance.unit("skot", "sk", 1 / (1000 * PI), "historical", "1E-03 asb")
luminance.unit("bril", "bril", 1 / (10 ** 7 * PI), "historical", "1E-07 asb")

luminous_energy = light.category("Luminous energy", "comp", "Luminous flux times time")
luminous_energy.core_unit("lumen second", "lm.s", "SI", "SI coherent unit (talbot)")
luminous_energy.auto("lumen minute", "lm.min", "SI", "")
luminous_energy.auto("lumen hour", "lm.h", "SI", "")
luminous_energy.auto("kilolumen hour", "klm.h", "SI", "")

luminous_exposure = light.category("Luminous exposure", "comp", "Illuminance times time")
luminous_exposure.core_unit("lux second", "lx.s", "SI", "SI coherent unit")
luminous_exposure.auto("lux hour", "lx.h", "SI", "")
luminous_exposure.auto("kilolux hour", "klx.h", "SI", "")
luminous_exposure.auto("foot-candle second", "fc.s", "imperial,US", "")

efficacy = light.category("Luminous efficacy", "comp", "Luminous flux per power")
efficacy.core_unit("lumen per watt", "lm/W", "SI", "SI coherent unit")
efficacy.auto("lumen per kilowatt", "lm/kW", "SI", "")
efficacy.auto("kilolumen per watt", "klm/W", "SI", "")

radiant_intensity = light.category("Radiant intensity", "comp", "Radiant power per solid angle")
radiant_intensity.core_unit("watt per steradian", "W/sr", "SI", "SI coherent unit")
radiant_intensity.auto("milliwatt per steradian", "mW/sr", "SI", "")
radiant_intensity.auto("microwatt per steradian", "uW/sr", "SI", "")
radiant_intensity.auto("kilowatt per steradian", "kW/sr", "SI", "")

radiance = light.category("Radiance", "comp", "Radiant intensity per area")
radiance.core_unit("watt per steradian square metre", "W/sr.m^2", "SI", "SI coherent unit")
radiance.auto("watt per steradian square centimetre", "W/sr.cm^2", "SI", "")
radiance.auto("milliwatt per steradian square centimetre", "mW/sr.cm^2", "SI", "")
radiance.auto("milliwatt per steradian square metre", "mW/sr.m^2", "SI", "")

radiation = Domain("Ionising radiation", "Rad")

activity = radiation.category("Radioactivity", "root", "Decays per time")
activity.core_unit("becquerel", "Bq", "SI", "SI coherent unit, one decay per second",
                   in_base="1/s")
activity.prefixed("becquerel", "Bq", 1, "P T G M k", "SI", "Bq")
activity.unit("curie", "Ci", D("3.7E10"), "metric,historical", "exactly 3.7E+10 Bq")
activity.prefixed("curie", "Ci", D("3.7E10"), "k m u n p", "metric,historical", "Bq")
activity.unit("rutherford", "Rd", 10 ** 6, "historical", "exactly 1E+06 Bq")
activity.unit("disintegrations per minute", "dpm", Fr(1, 60), "medical,scientific",
              "1/60 Bq")

absorbed = radiation.category("Absorbed dose", "root", "Energy deposited per mass")
absorbed.core_unit("gray", "Gy", "SI", "SI coherent unit, 1 J/kg", in_base="m^2/s^2")
absorbed.prefixed("gray", "Gy", 1, "k c m u n", "SI", "Gy")
absorbed.unit("rad (absorbed dose)", "rad_D", Fr(1, 100), "metric,historical",
              "100 erg/g = exactly 0.01 Gy")
absorbed.unit("millirad (absorbed dose)", "mrad_D", Fr(1, 10 ** 5), "metric,historical",
              "1E-03 rad_D")
absorbed.unit("kilorad (absorbed dose)", "krad_D", 10, "metric,engineering",
              "1000 rad_D (radiation hardness)")
absorbed.unit("megarad (absorbed dose)", "Mrad_D", 10 ** 4, "metric,engineering",
              "1E+06 rad_D")

equivalent = radiation.category("Equivalent dose", "root",
                                "Absorbed dose weighted for biological effect")
equivalent.core_unit("sievert", "Sv", "SI", "SI coherent unit, 1 J/kg", in_base="m^2/s^2")
equivalent.prefixed("sievert", "Sv", 1, "c m u n", "SI", "Sv")
equivalent.unit("rem", "rem", Fr(1, 100), "metric,historical", "roentgen equivalent man, 0.01 Sv")
equivalent.unit("millirem", "mrem", Fr(1, 10 ** 5), "metric,historical", "1E-03 rem")
equivalent.unit("microrem", "urem", Fr(1, 10 ** 8), "metric,historical", "1E-06 rem")

exposure = radiation.category("Exposure (X and gamma rays)", "root",
                              "Ionisation charge per mass of air")
exposure.core_unit("coulomb per kilogram", "C/kg", "SI", "SI coherent unit", in_base="s.A/kg")
exposure.auto("millicoulomb per kilogram", "mC/kg", "SI", "")
exposure.auto("microcoulomb per kilogram", "uC/kg", "SI", "")
exposure.unit("roentgen", "R", D("2.58E-4"), "metric,historical", "exactly 2.58E-04 C/kg")
exposure.unit("milliroentgen", "mR", D("2.58E-7"), "metric,historical", "1E-03 R")
exposure.unit("microroentgen", "uR", D("2.58E-10"), "metric,historical", "1E-06 R")

exposure_rate = radiation.category("Exposure rate", "root", "Exposure per time")
exposure_rate.core_unit("coulomb per kilogram second", "C/kg.s", "SI", "SI coherent unit",
                        in_base="A/kg")
exposure_rate.auto("roentgen per hour", "R/h", "metric,historical", "")
exposure_rate.auto("milliroentgen per hour", "mR/h", "metric,historical", "")
exposure_rate.auto("microroentgen per hour", "uR/h", "metric,historical", "")
exposure_rate.auto("roentgen per second", "R/s", "metric,historical", "")
exposure_rate.auto("roentgen per minute", "R/min", "metric,historical", "")

dose_rate = radiation.category("Absorbed dose rate", "comp", "Absorbed dose per time")
dose_rate.core_unit("gray per second", "Gy/s", "SI", "SI coherent unit")
dose_rate.auto("gray per minute", "Gy/min", "SI", "")
dose_rate.auto("gray per hour", "Gy/h", "SI", "")
dose_rate.auto("milligray per hour", "mGy/h", "SI", "")
dose_rate.auto("microgray per hour", "uGy/h", "SI", "")
dose_rate.auto("nanogray per hour", "nGy/h", "SI", "")
dose_rate.auto("rad per second", "rad_D/s", "metric,historical", "")
dose_rate.auto("rad per hour", "rad_D/h", "metric,historical", "")

sv_rate = radiation.category("Equivalent dose rate", "comp", "Equivalent dose per time")
sv_rate.core_unit("sievert per second", "Sv/s", "SI", "SI coherent unit")
sv_rate.auto("sievert per hour", "Sv/h", "SI", "")
sv_rate.auto("millisievert per hour", "mSv/h", "SI", "")
sv_rate.auto("microsievert per hour", "uSv/h", "SI", "")
sv_rate.auto("nanosievert per hour", "nSv/h", "SI", "")
sv_rate.auto("millisievert per year", "mSv/yr", "SI", "Julian year")
sv_rate.auto("microsievert per year", "uSv/yr", "SI", "Julian year")
sv_rate.auto("rem per hour", "rem/h", "metric,historical", "")
sv_rate.auto("millirem per hour", "mrem/h", "metric,historical", "")
sv_rate.auto("millirem per year", "mrem/yr", "metric,historical", "Julian year")
