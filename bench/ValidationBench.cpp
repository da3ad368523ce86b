#include "common/Messages.h"
#include "common/TextFile.h"
#include "tests/units/GeneratedUnitsData.h"
#include "units/Validation.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

using namespace varnel;

void Validate(benchmark::State& state, const std::string& text, bool enabledOnly) {
    TXmlDocument doc;
    doc.LoadFromText(text);
    TXMLUnitsDataType root = UnitsDataOf(doc);
    TValidationErrors errors;
    TMessages messages;
    for (auto _ : state) {
        messages.clear();
        ValidateUnitsData(root, errors, enabledOnly, messages);
        benchmark::DoNotOptimize(errors.data());
    }
    state.counters["errors"] = static_cast<double>(errors.size());
}

void ShippedFile(benchmark::State& state) {
    const std::filesystem::path file = std::filesystem::path(VARNEL_DATA_DIR) / "Varnel.unt";
    if (!std::filesystem::exists(file)) {
        state.SkipWithError("data/Varnel.unt is missing");
        return;
    }
    Validate(state, ReadTextFile(file), state.range(0) != 0);
}

void Generated5000Units(benchmark::State& state) {
    Validate(state, test::GeneratedUnitsData(5000), state.range(0) != 0);
}

// Many small categories: the time per category should stay the same.
void ManyCategories(benchmark::State& state) {
    std::string text = "<UnitsData><description keywords=\"\" copyright=\"Quillmere\" "
                       "version=\"1.00\"/><domain name=\"D\" enabled=\"1\">";
    for (int64_t i = 0; i < state.range(0); ++i) {
        const std::string id = std::to_string(i);
        text += "<category name=\"Category " + id +
                "\" type=\"root\" enabled=\"1\"><unit name=\"unit " + id +
                "\" type=\"si-unit\" enabled=\"1\" symbol=\"u" + id + "\"/></category>";
    }
    text += "</domain></UnitsData>";
    Validate(state, text, true);
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(ManyCategories)
    ->Arg(2500)
    ->Arg(5000)
    ->Arg(10000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

// Argument: 1 validates enabled data only (the editor's Done), 0 everything.
BENCHMARK(ShippedFile)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
BENCHMARK(Generated5000Units)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
