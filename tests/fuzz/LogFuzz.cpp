// The log reader: any bytes give at most 200 rows of four cells, and the rows
// survive being written and read again.

#include "FuzzSupport.h"

#include "common/Exception.h"
#include "ui/log/LogFile.h"

#include <cstdint>
#include <string>

namespace {

std::string Listing(const std::vector<varnel::TLogRow>& rows) {
    std::string text;
    for (const varnel::TLogRow& row : rows) {
        for (const std::string& cell : row)
            text += "[" + cell + "]";
        text += "\n";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    constexpr std::size_t MaxRows = 200;
    std::vector<TLogRow> rows;
    try {
        rows = ReadLogFile(fuzz::FileWith(data, size), MaxRows);
    } catch (const Exception&) {
        return 0;
    }
    if (rows.size() > MaxRows)
        fuzz::Fail("more rows than asked for", std::to_string(rows.size()));
    const std::filesystem::path copy = fuzz::FileWith(nullptr, 0, "written.log");
    WriteLogFile(rows, copy);
    const std::vector<TLogRow> again = ReadLogFile(copy, MaxRows);
    if (again != rows)
        fuzz::Fail("log rows change when written and read again",
                   Listing(rows) + "---\n" + Listing(again));
    return 0;
}
