// The abbreviation list: any bytes give name=value pairs, and quantities
// written with the names or the values go through both rewritings.

#include "FuzzSupport.h"

#include "common/AbbrevList.h"
#include "common/Exception.h"
#include "convert/DimRec.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    static const bool silenced = (fuzz::SilenceMessages(), true);
    (void)silenced;
    try {
        LoadAbbrevList(fuzz::FileWith(data, size));
    } catch (const Exception&) {
        return 0;
    }
    int tried = 0;
    for (const Abbrev& abbrev : AbbrevList()) {
        if (++tried > 8)
            break;
        for (const std::string& symbol : {abbrev.Name, abbrev.Value}) {
            const std::string quantity = "3 [" + symbol + "/" + symbol + "^2]";
            RevertAbbrevs(ApplyAbbrevs(quantity));
            ApplyAbbrevs(RevertAbbrevs(quantity));
        }
    }
    return 0;
}
