// The units data loader and its validation: any document, well-formed or
// not, loads or is refused, validates or reports why not, and a quantity in
// each of its first units converts or is refused, with nothing crashing.

#include "FuzzSupport.h"

#include "common/Exception.h"
#include "convert/Convert.h"
#include "units/Validation.h"
#include "units/XmlDocument.h"

#include <cstdint>
#include <string>

namespace {

using namespace varnel;

void Validate(const std::string& text) {
    TXmlDocument doc;
    TValidationErrors errors;
    TMessages messages;
    try {
        doc.LoadFromText(text);
        ValidateUnitsData(UnitsDataOf(doc), errors, false, messages);
        ValidateUnitsData(UnitsDataOf(doc), errors, true, messages);
    } catch (const Exception&) {
    }
}

void ConvertSome(const std::string& text) {
    TConvert engine;
    try {
        engine.LoadFromText(text);
    } catch (const Exception&) {
        return;
    }
    if (!engine.Root())
        return;
    int tried = 0;
    for (const std::string& symbol :
         engine.AllUnits().SymbolList({ukCore, ukFactor, ukRule}, false)) {
        if (++tried > 8)
            break;
        try {
            engine.SetText("2.5 [" + symbol + "]");
            engine.GetText();
            engine.AllToCore();
            engine.GetText();
        } catch (const Exception&) {
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Validate(text);
    ConvertSome(text);
    return 0;
}
