// Chord naming and the chord dictionary file: naming every chord of the
// shipped dictionary, and reading, sorting and writing the file's text.
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/chordsheet/chord_line.h"
#include "core/chordsheet/dictionary.h"
#include "core/guitar/chord_naming.h"

namespace {

std::string ShippedBytes() {
  std::ifstream in(STRUMBLY_SOURCE_DIR "/resources/dictionary/CHORDS.DCT", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<strumbly::ChordRecord> ShippedChords() {
  std::vector<strumbly::ChordRecord> chords;
  for (const auto& line : strumbly::ParseDictionaryText(ShippedBytes())) {
    strumbly::ChordRecord r;
    if (strumbly::ParseChordText(line, 0, r).empty()) chords.push_back(r);
  }
  return chords;
}

// One "Name Chord" press: all names of one shape.
void BM_NameChord(benchmark::State& state) {
  const auto chords = ShippedChords();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(strumbly::NameChord(chords[i % chords.size()].Frets, strumbly::kStandardTuningTag));
    ++i;
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
  state.counters["chords"] = static_cast<double>(chords.size());
}
BENCHMARK(BM_NameChord);

// Start-up: the file's text into entries, sorted.
void BM_ReadAndSortDictionary(benchmark::State& state) {
  std::string bytes;
  const std::string shipped = ShippedBytes();
  for (int k = 0; k < state.range(0); ++k) bytes += shipped;
  for (auto _ : state) {
    auto entries = strumbly::ParseDictionaryText(bytes);
    strumbly::SortDictionary(entries);
    benchmark::DoNotOptimize(entries);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ReadAndSortDictionary)->Arg(1)->Arg(100);

// Exit: the entries back into the file's text.
void BM_FormatDictionary(benchmark::State& state) {
  const auto entries = strumbly::ParseDictionaryText(ShippedBytes());
  for (auto _ : state) benchmark::DoNotOptimize(strumbly::FormatDictionaryText(entries));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * entries.size()));
}
BENCHMARK(BM_FormatDictionary);

}  // namespace

BENCHMARK_MAIN();
