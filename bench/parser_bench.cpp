// Chord line parser throughput.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/chordsheet/chord_line.h"

namespace {

std::vector<std::string> Song() {
  return {"C, x, 3, 2, 0, 1, 0, Q",
          "Am, x, 0, 2, 2, 1, 0, Q",
          "F, 1, 3, 3, 2, 1, 1, .E",
          "G7, 3, 2, 0, 0, 0, 1, h",
          "* Verse 2",
          "",
          "Rest , x, x, x, x, x, x, Q",
          "Dsus4,x,x,0,2,3,3,S"};
}

void BM_ParseChordLines(benchmark::State& state) {
  const auto lines = Song();
  strumbly::ChordRecord record;
  std::size_t i = 0;
  for (auto _ : state) {
    auto error = strumbly::ParseChordText(lines[i & 7], static_cast<int>(i), record);
    benchmark::DoNotOptimize(error);
    benchmark::DoNotOptimize(record);
    ++i;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}
BENCHMARK(BM_ParseChordLines);

void BM_ParseLongGarbageLine(benchmark::State& state) {
  std::string line(static_cast<std::size_t>(state.range(0)), 'x');
  for (std::size_t k = 0; k < line.size(); k += 13) line[k] = ',';
  strumbly::ChordRecord record;
  for (auto _ : state) benchmark::DoNotOptimize(strumbly::ParseChordText(line, 0, record));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_ParseLongGarbageLine)->Arg(1 << 10)->Arg(1 << 20)->Arg(10 << 20);

}  // namespace

BENCHMARK_MAIN();
