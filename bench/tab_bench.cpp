// MIDI files, ASCII and graphic tablature of large songs, and the converter
// over a thousand songs.
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "bench_window.h"
#include "core/sound/midi_file.h"
#include "core/tab/ascii_tab.h"
#include "ui/tab/tab_paint_box.h"
#include "ui/tab/tab_window.h"

using namespace strumbly;

namespace {

// n lines in bars of three chords and a blank line: 25,000 bars for 100,000 lines.
std::vector<std::string> BarSong(int n) {
  const char* chords[] = {"C, x, 3, 2, 0, 1, 0, Q", "G, 3, 2, 0, 0, 0, 3, E", "Am7, x, 0, 2, 0, 1, 0, .Q"};
  std::vector<std::string> lines;
  lines.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) lines.push_back(i % 4 == 3 ? std::string() : chords[i % 4]);
  return lines;
}

// What the Midi File command does between its checks and the dialog, and
// the writing: parse, time in ticks, make the bytes.
void BM_MidiFile(benchmark::State& state) {
  const auto lines = BarSong(static_cast<int>(state.range(0)));
  std::size_t size = 0;
  for (auto _ : state) {
    ChordList list;
    BuildChordList(lines, list);
    ComputeDurations(list, TicksPerWholeNote);
    const std::string bytes = MidiFileBytes(list, 25, 120, TuningOffsets(555555));
    size = bytes.size();
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_MidiFile)->Arg(100000)->Unit(benchmark::kMillisecond);

// The ASCII text: parse, lay out, render.
void BM_AsciiTab(benchmark::State& state) {
  const auto lines = BarSong(static_cast<int>(state.range(0)));
  std::size_t count = 0;
  for (auto _ : state) {
    ChordList list;
    BuildChordList(lines, list);
    const TabLayout layout = BuildTabLayout(list, lines);
    const auto text = AsciiTabLines(layout, "Standard Tuning - E A D G B E", "Title", "Sub");
    count = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.counters["text_lines"] = static_cast<double>(count);
}
BENCHMARK(BM_AsciiTab)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// The ASCII window as the user gets it: the text put into its text box.
void BM_AsciiTabWindowOpen(benchmark::State& state) {
  TabSource source;
  source.lines = BarSong(100000);
  BuildChordList(source.lines, source.chordList);
  TfrmTab window;
  for (auto _ : state) {
    window.Open(TabMode::Ascii, source);
    window.done(0);
  }
}
BENCHMARK(BM_AsciiTabWindowOpen)->Unit(benchmark::kMillisecond);

// One paint of the graphic tablature of 25,000 bars, scrolled to the middle.
void BM_ScreenPaintAtTheMiddle(benchmark::State& state) {
  TabSource source;
  source.lines = BarSong(100000);
  BuildChordList(source.lines, source.chordList);
  TfrmTab window;
  window.resize(628, 415);
  window.Open(TabMode::Graphic, source);
  window.setAttribute(Qt::WA_DontShowOnScreen);
  window.show();
  QApplication::processEvents();
  QScrollBar* bar = window.PaintBox1->verticalScrollBar();
  bar->setValue(bar->maximum() / 2);
  QApplication::processEvents();
  for (auto _ : state) window.PaintBox1->viewport()->repaint();
  state.counters["drawing_height"] = window.PaintBox1->DrawingHeight();
  window.done(0);
}
BENCHMARK(BM_ScreenPaintAtTheMiddle)->Unit(benchmark::kMillisecond);

std::string CliPath() {
  char self[4096];
  const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return "strumbly-cli";
  self[n] = 0;
  return (std::filesystem::path(self).parent_path() / "strumbly-cli").string();
}

// One converter process turning 1,000 small songs into MIDI files.
void BM_CliMidiThousandSongs(benchmark::State& state) {
  QTemporaryDir dir;
  const std::string folder = dir.path().toStdString();
  std::filesystem::create_directories(folder + "/out");
  std::string command = CliPath() + " midi --out-dir " + folder + "/out";
  for (int i = 0; i < 1000; ++i) {
    const std::string path = folder + "/song" + std::to_string(i) + ".sly";
    std::ofstream out(path, std::ios::binary);
    out << "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:120\r\n";
    for (const auto& line : BarSong(40)) out << line << "\r\n";
    command += " " + path;
  }
  int status = 0;
  auto childCpu = [] {
    rusage u{};
    getrusage(RUSAGE_CHILDREN, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
  };
  const double cpuBefore = childCpu();
  for (auto _ : state) status = std::system(command.c_str());
  if (status != 0) state.SkipWithError("strumbly-cli failed");
  // The converter's own processor time per run (the wall time includes the disk).
  state.counters["cli_cpu_s"] = (childCpu() - cpuBefore) / static_cast<double>(state.iterations());
  state.counters["files"] = static_cast<double>(QDir(dir.path() + "/out").entryList(QDir::Files).size());
}
BENCHMARK(BM_CliMidiThousandSongs)->Unit(benchmark::kMillisecond);

}  // namespace

STRUMBLY_BENCH_MAIN()
