// Compiling and evaluating conversion rules with the program-wide parser.
// Targets on the reference machine: compile and evaluate a typical rule in
// under 2 us, evaluate a compiled rule in under 50 ns.

#include "engine/GlobalParser.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

using namespace varnel;

// A typical rule with a number written in place of "#", as the conversion
// engine does; varied so that no two neighbouring compilations are alike.
std::vector<std::string> RuleTexts(const std::string& rule) {
    std::vector<std::string> texts;
    for (int i = 0; i < 1024; ++i) {
        const std::string number = std::to_string(i * 37 % 1000) + "." + std::to_string(i % 97);
        std::string text = rule;
        text.replace(text.find('#'), 1, number);
        texts.push_back(text);
    }
    return texts;
}

void CompileAndEvaluate(benchmark::State& state, const std::string& rule) {
    const std::vector<std::string> texts = RuleTexts(rule);
    TParser& parser = GlobalParser();
    std::size_t next = 0;
    for (auto _ : state) {
        parser.SetExpression(texts[next++ % texts.size()]);
        benchmark::DoNotOptimize(parser.Value());
    }
    state.counters["ops/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_CompileAndEvaluateFahrenheit(benchmark::State& state) {
    CompileAndEvaluate(state, "#*1.8+32");
}
BENCHMARK(BM_CompileAndEvaluateFahrenheit);

void BM_CompileAndEvaluateBackToCelsius(benchmark::State& state) {
    CompileAndEvaluate(state, "(#-32)/1.8");
}
BENCHMARK(BM_CompileAndEvaluateBackToCelsius);

void BM_EvaluateOnly(benchmark::State& state) {
    TParser& parser = GlobalParser();
    parser.SetExpression("36.6*1.8+32");
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Value());
    state.counters["ops/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluateOnly);

void BM_EvaluateOnlyWithFunctions(benchmark::State& state) {
    TParser parser;
    parser.SetX(0.5);
    parser.SetExpression("SQRT(X^2+1)*LN(X+2)-MAX(X,0.25)/3");
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Value());
    state.counters["ops/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvaluateOnlyWithFunctions);

} // namespace

BENCHMARK_MAIN();
