// The unit notation: nothing may crash, and a notation it accepts must read
// back the same when written out again.

#include "FuzzSupport.h"

#include "convert/DimRec.h"
#include "units/UnitNotation.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace varnel;

std::string Listing(const TUnitEntries& entries) {
    std::string text;
    for (const TUnitRec& entry : entries)
        text += UnitRecToLine(entry) + "\n";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    TMessages messages;
    std::vector<TTokenRec> tokens;
    SplitTokens(text, tokens, messages);
    TUnitEntries entries;
    // Written out, each factor takes at most four tokens: a short list stays
    // within the hundred tokens that are read.
    if (ParseUnits(text, entries, messages) && entries.size() <= 24) {
        const std::string written = UnitListToText(entries);
        TUnitEntries again;
        if (!ParseUnits(written, again, messages) || again != entries)
            fuzz::Fail("written notation reads back otherwise: " + written,
                       Listing(entries) + "---\n" + Listing(again));
    }

    TDimRec rec;
    StrToDimRec(text, rec, messages);
    DimRecToText(rec);
    ApplyAbbrevs(text, messages);
    StrToUnitRec(text);
    return 0;
}
