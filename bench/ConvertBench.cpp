#include "common/Messages.h"
#include "common/TextFile.h"
#include "convert/CompatibleUnits.h"
#include "convert/Convert.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace {

using namespace varnel;

// The shipped units data; until it exists, the engine tests' fixture.
std::filesystem::path DataFile() {
    const std::filesystem::path shipped = std::filesystem::path(VARNEL_DATA_DIR) / "Varnel.unt";
    if (std::filesystem::exists(shipped))
        return shipped;
    return std::filesystem::path(VARNEL_DATA_DIR) / ".." / "tests" / "data" / "convert_basic.unt";
}

const std::string& DataText() {
    static const std::string text = [] {
        std::printf("units data: %s\n", DataFile().string().c_str());
        return ReadTextFile(DataFile());
    }();
    return text;
}

std::unique_ptr<TConvert> TargetEngine() {
    auto engine = std::make_unique<TConvert>();
    engine->LoadFromText(DataText());
    return engine;
}

// The unit number of a symbol in a factor, as a Simple page row holds it.
int UnitNumber(const TDim& dim, const std::string& symbol) {
    int index = dim.Units().IndexOfSymbol(symbol);
    if (index >= 0)
        return index;
    if (dim.SupCat() != nullptr && dim.SupCat()->Units().IndexOfSymbol(symbol) >= 0)
        return dim.Units().Count() + dim.SupCat()->Units().IndexOfSymbol(symbol);
    return -1;
}

// Converts `source` factor by factor to `units`, one per factor, as the
// Simple page does on the target engine.
void BenchConversion(benchmark::State& state, const std::string& source,
                     const std::vector<std::string>& units, const std::string& expected) {
    auto engine = TargetEngine();
    engine->SetText(source);
    std::vector<int> numbers;
    for (int i = 0; i < engine->DimCount() && i < static_cast<int>(units.size()); ++i)
        numbers.push_back(UnitNumber(*engine->Dims(i), units[static_cast<size_t>(i)]));
    if (numbers.size() != units.size() ||
        std::find(numbers.begin(), numbers.end(), -1) != numbers.end()) {
        state.SkipWithError(("the units data cannot convert " + source).c_str());
        return;
    }
    for (auto _ : state) {
        engine->SetText(source);
        for (int i = 0; i < engine->DimCount(); ++i)
            engine->Dims(i)->SetUnitIndex(numbers[static_cast<size_t>(i)]);
        benchmark::DoNotOptimize(engine->GetText());
    }
    if (engine->GetText() != expected)
        state.SkipWithError(("got " + engine->GetText() + ", not " + expected).c_str());
    state.SetItemsProcessed(state.iterations());
}

void BM_LoadUnitsData(benchmark::State& state) {
    TConvert engine;
    for (auto _ : state) {
        engine.LoadFromText(DataText());
        benchmark::DoNotOptimize(engine.CatCount());
    }
    state.counters["categories"] = engine.CatCount();
    state.counters["units"] = engine.AllUnits().Count();
}
BENCHMARK(BM_LoadUnitsData)->Unit(benchmark::kMillisecond);

// The first conversion after a load also builds the engine's symbol index.
void BM_LoadAndFirstConversion(benchmark::State& state) {
    TConvert engine;
    for (auto _ : state) {
        engine.LoadFromText(DataText());
        engine.SetText("36 [km/h]");
        benchmark::DoNotOptimize(engine.DimCount());
    }
}
BENCHMARK(BM_LoadAndFirstConversion)->Unit(benchmark::kMillisecond);

void BM_FactorConversion(benchmark::State& state) {
    BenchConversion(state, "36 [km/h]", {"m", "s"}, "10 [m/s]");
}
BENCHMARK(BM_FactorConversion);

void BM_SupplementalConversion(benchmark::State& state) {
    BenchConversion(state, "2 [ha]", {"m"}, "20000 [m^2]");
}
BENCHMARK(BM_SupplementalConversion);

// Temperatures are written with the degree sign in the fixture and as
// degF/degC in the shipped data.
void BM_RuleConversion(benchmark::State& state) {
    auto engine = TargetEngine();
    int cat = -1;
    int unit = -1;
    const bool shippedSymbols = engine->LookUpUnit("degF", cat, unit);
    const std::string from = shippedSymbols ? "degF" : "\u00B0F";
    const std::string to = shippedSymbols ? "degC" : "\u00B0C";
    BenchConversion(state, "-40 [" + from + "]", {to}, "-40 [" + to + "]");
}
BENCHMARK(BM_RuleConversion);

void BM_ConvertToOneUnit(benchmark::State& state) {
    auto engine = TargetEngine();
    for (auto _ : state) {
        engine->SetText("36 [km/h]");
        TMessages messages;
        benchmark::DoNotOptimize(engine->ConvertTo("m/s", messages));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertToOneUnit);

// Units whose factors do not line up with the target's, through base units.
void BM_CompatibleConversion(benchmark::State& state) {
    auto engine = TargetEngine();
    const TCompatibleUnits compatible(*engine);
    if (compatible.Convert(1, "kW.h", "J").Text != "3600000 [J]") {
        state.SkipWithError("the units data cannot convert kW.h to J");
        return;
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(compatible.Convert(14.7, "lbf/in^2", "kPa"));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CompatibleConversion);

// What the symbol index saves on each factor: the linear search reads every
// unit's symbol up to the one it finds.
void BM_FindUnitLinear(benchmark::State& state) {
    auto engine = TargetEngine();
    int cat = -1;
    int unit = -1;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine->FindUnit("h", cat, unit));
}
BENCHMARK(BM_FindUnitLinear);

void BM_FindUnitIndexed(benchmark::State& state) {
    auto engine = TargetEngine();
    int cat = -1;
    int unit = -1;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine->LookUpUnit("h", cat, unit));
}
BENCHMARK(BM_FindUnitIndexed);

} // namespace

int main(int argc, char** argv) {
    DataText();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
