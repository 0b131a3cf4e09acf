// Tablature with chord names and rhythm, and transposing, for 100,000
// lines: no window, the core work only.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "core/chordsheet/dictionary.h"
#include "core/guitar/transpose.h"
#include "core/tab/ascii_tab.h"
#include "core/tab/tab_drawing.h"

using namespace strumbly;

namespace {

// n lines in bars of three chords and a blank line, names changing and
// some rests, every duration code.
std::vector<std::string> BarSong(int n) {
  const char* chords[] = {"C, x, 3, 2, 0, 1, 0, Q",    "G/B, x, 2, 0, 0, 0, 3, .E", "Am7, x, 0, 2, 0, 1, 0, S",
                          "Rest, x, x, x, x, x, x, H", "D/F#, 2, x, 0, 2, 3, 2, W", "Bm7b5, x, 2, 3, 2, 3, x, T"};
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) lines.push_back(i % 4 == 3 ? std::string() : chords[(i + i / 4) % 6]);
  return lines;
}

// A canvas that only measures: text as wide as a printer's 12-point face.
class MeasuringCanvas : public TabCanvas {
 public:
  long calls = 0;
  void SetFont(const TabFont& f) override { points_ = f.points; }
  int TextWidth(const std::string& text) override { return static_cast<int>(text.size()) * points_ * 2; }
  int TextHeight(const std::string&) override { return points_ * 4; }
  void TextOut(int, int, const std::string&) override { ++calls; }
  void Line(int, int, int, int) override { ++calls; }
  void FillWhite(int, int, int, int) override {}

 private:
  int points_ = 12;
};

// Parse, lay out and draw every printed page with names and rhythm.
void BM_TabLayoutWithNamesAndRhythm(benchmark::State& state) {
  const auto lines = BarSong(static_cast<int>(state.range(0)));
  int pages = 0;
  for (auto _ : state) {
    ChordList list;
    BuildChordList(lines, list);
    const TabLayout layout = BuildTabLayout(list, lines);
    TabDrawing d{&layout, "Standard Tuning - E A D G B E", "Title", "Sub", false};
    d.showNames = d.showRhythm = d.centredPage = true;
    MeasuringCanvas canvas;
    pages = PrintTabPages(canvas, d, 2244, 3307);
    benchmark::DoNotOptimize(canvas.calls);
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_TabLayoutWithNamesAndRhythm)->Arg(100000)->Unit(benchmark::kMillisecond);

// Parse, lay out and write the ASCII text with its names lines.
void BM_AsciiTabWithNames(benchmark::State& state) {
  const auto lines = BarSong(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    ChordList list;
    BuildChordList(lines, list);
    const auto text = AsciiTabLines(BuildTabLayout(list, lines), "t", "T", "", AsciiTabOptions{true, 355555});
    benchmark::DoNotOptimize(text.data());
  }
}
BENCHMARK(BM_AsciiTabWithNames)->Arg(100000)->Unit(benchmark::kMillisecond);

// Transposing the whole song up a fourth: open shapes leave the neck's
// start and take the dictionary's shapes.
void BM_Transpose(benchmark::State& state) {
  const auto lines = BarSong(static_cast<int>(state.range(0)));
  std::ifstream in(STRUMBLY_SOURCE_DIR "/resources/dictionary/CHORDS.DCT", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  const DictionaryShapes shapes(ParseDictionaryText(bytes.str()));
  const ShapeLookup lookup = [&shapes](std::string_view name) { return shapes.First(name); };
  std::size_t stayed = 0;
  for (auto _ : state) {
    const auto up = TransposeLines(lines, 0, static_cast<int>(lines.size()) - 1, 5, lookup);
    stayed = up.stayed.size();
    benchmark::DoNotOptimize(up.lines.data());
  }
  state.counters["stayed"] = static_cast<double>(stayed);
}
BENCHMARK(BM_Transpose)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
