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
            TMessages messages;
            RevertAbbrevs(ApplyAbbrevs(quantity, messages), messages);
            ApplyAbbrevs(RevertAbbrevs(quantity, messages), messages);
        }
    }
    return 0;
}
