"""Information: bits and bytes with decimal and binary prefixes, data rates."""

from core import BINARY_PREFIXES, Domain, LN2, LN10, SI_PREFIXES, format_number

domain = Domain("Information", "Data")

information = domain.category("Information", "root", "Amount of data; storage capacity")
information.core_unit("bit", "bit", "computing", "binary digit, the unit of information",
                      in_base="")
for prefix in "k M G T P E Z Y".split():
    name, factor = SI_PREFIXES[prefix]
    information.unit(name + "bit", prefix + "bit", factor, "computing",
                     "%s bit, decimal prefix %s" % (format_number(factor), name))
for prefix in "Ki Mi Gi Ti Pi Ei Zi Yi".split():
    name, factor = BINARY_PREFIXES[prefix]
    information.unit(name + "bit", prefix + "bit", factor, "computing",
                     "2^%d bit, binary prefix %s (IEC)" % (factor.bit_length() - 1, name))
information.unit("nibble", "nibble", 4, "computing", "4 bit, half a byte")
information.unit("byte", "B", 8, "computing", "8 bit (octet)")
for prefix in "k M G T P E Z Y R Q".split():
    name, factor = SI_PREFIXES[prefix]
    information.unit(name + "byte", prefix + "B", 8 * factor, "computing",
                     "%s B, decimal prefix %s" % (format_number(factor), name))
for prefix in "Ki Mi Gi Ti Pi Ei Zi Yi".split():
    name, factor = BINARY_PREFIXES[prefix]
    information.unit(name + "byte", prefix + "B", 8 * factor, "computing",
                     "2^%d B, binary prefix %s (IEC)" % (factor.bit_length() - 1, name))
information.unit("kilobyte (JEDEC, 1024 bytes)", "KB", 8 * 1024, "computing,historical",
                 "1024 B, the binary kilobyte of memory chips; now KiB")
information.unit("octet", "o", 8, "computing,regional", "8 bit (French usage)")
information.unit("kilooctet", "ko", 8000, "computing,regional", "1000 o")
information.unit("megaoctet", "Mo", 8 * 10 ** 6, "computing,regional", "1E+06 o")
information.unit("gigaoctet", "Go", 8 * 10 ** 9, "computing,regional", "1E+09 o")
information.unit("teraoctet", "To", 8 * 10 ** 12, "computing,regional", "1E+12 o")
information.unit("shannon", "Sh", 1, "computing,scientific", "exactly 1 bit (IEC 80000-13)")
information.unit("nat", "nat", 1 / LN2, "computing,scientific",
                 "natural unit of information, 1/ln 2 bit")
information.unit("hartley", "Hart", LN10 / LN2, "computing,scientific",
                 "decimal unit of information, log2(10) bit")

rate = domain.category("Data rate", "comp", "Information per time; bandwidth")
rate.core_unit("bit per second", "bit/s", "computing", "one binary digit per second")
for prefix in "k M G T".split():
    rate.auto(SI_PREFIXES[prefix][0] + "bit per second", prefix + "bit/s", "computing",
              "decimal prefix")
for prefix in "Ki Mi Gi".split():
    rate.auto(BINARY_PREFIXES[prefix][0] + "bit per second", prefix + "bit/s", "computing",
              "binary prefix")
rate.auto("byte per second", "B/s", "computing", "")
for prefix in "k M G T".split():
    rate.auto(SI_PREFIXES[prefix][0] + "byte per second", prefix + "B/s", "computing",
              "decimal prefix")
for prefix in "Ki Mi Gi Ti".split():
    rate.auto(BINARY_PREFIXES[prefix][0] + "byte per second", prefix + "B/s", "computing",
              "binary prefix")
rate.auto("bit per minute", "bit/min", "computing", "")
rate.auto("kilobyte per minute", "kB/min", "computing", "")
rate.auto("megabyte per minute", "MB/min", "computing", "")
rate.auto("gigabyte per hour", "GB/h", "computing", "")
rate.auto("terabyte per day", "TB/d", "computing", "")
rate.auto("gigabyte per month", "GB/mo", "computing", "mean Gregorian month")

