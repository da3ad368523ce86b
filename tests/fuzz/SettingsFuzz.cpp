// The settings file: any bytes read as key=value lines give every option a
// value, and the lines survive being saved and read again.

#include "FuzzSupport.h"

#include "common/Exception.h"
#include "ui/options/KeyValueLines.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel;
    TKeyValueLines settings;
    try {
        settings.LoadFromFile(fuzz::FileWith(data, size));
    } catch (const Exception&) {
        return 0; // too large: refused with a message
    }
    for (const char* key : {"UnitFile", "CustomSearchEngine"})
        settings.Value(key);
    for (const char* key : {"Prec", "CopyBoth", "MinimOnTray", "MonthlyCheck", "PromptB4Delete",
                            "SwapSrcTrg", "MultiTabMode", "SearchEngine"})
        settings.IntValue(key, 7);

    const std::filesystem::path copy = fuzz::FileWith(nullptr, 0, "saved");
    settings.SaveToFile(copy);
    TKeyValueLines again;
    again.LoadFromFile(copy);
    if (again.Lines() != settings.Lines())
        fuzz::Fail("settings lines change when saved and read again",
                   std::to_string(settings.Lines().size()) + " lines, then " +
                       std::to_string(again.Lines().size()));
    settings.SetValue("UnitFile", "Varnel.unt");
    if (settings.Value("UnitFile") != "Varnel.unt")
        fuzz::Fail("a value set is not read back", "UnitFile");
    return 0;
}
