// One full calculation with the fourteen values formatted, as a click on
// "INCHES" or "CM" does it.
#include <benchmark/benchmark.h>

#include <string>

#include "calc/design.h"
#include "calc/format.h"

namespace {

void Calculate(benchmark::State& state, quill::Unit unit) {
  quill::DesignValues record;
  for (auto _ : state) {
    quill::Calculation c = quill::Calculate(record, "146.5", unit);
    for (const quill::BoxWrite& w : c) {
      std::string text = quill::FormatDimension(w.value);
      benchmark::DoNotOptimize(text);
    }
  }
}

void BM_CalculateInches(benchmark::State& state) { Calculate(state, quill::Unit::Inches); }
void BM_CalculateCentimetres(benchmark::State& state) { Calculate(state, quill::Unit::Centimetres); }

void BM_FormatDimension(benchmark::State& state) {
  float value = 43.166668f;
  for (auto _ : state) {
    std::string text = quill::FormatDimension(value, ",");
    benchmark::DoNotOptimize(text);
  }
}

}  // namespace

BENCHMARK(BM_CalculateInches);
BENCHMARK(BM_CalculateCentimetres);
BENCHMARK(BM_FormatDimension);
