// Playback timing through the recording device in the real event loop:
// note-on accuracy, drift, CPU use while playing, and Stop latency.
#include <QPushButton>
#include <QTest>

#include "bench_window.h"
#include "platform/midi/midi_out_port.h"
#include "support/recording_midi_output.h"

using namespace strumbly;
using namespace strumbly::bench;

namespace {

// 2,000 sixteenth notes at 500 bpm: a chord every 30 ms for 60 s.
void BM_SixteenthsAt500Bpm(benchmark::State& state) {
  const int chords = static_cast<int>(state.range(0));
  for (auto _ : state) {
    test::RecordingMidiOutput device;
    device.messages.reserve(static_cast<std::size_t>(chords) * 12 + 8);
    BenchWindow bw(&device);
    QStringList lines;
    for (int i = 0; i < chords; ++i) lines << (i % 2 ? "C, x, 3, 2, 0, 1, 0, S" : "G, 3, 2, 0, 0, 0, 3, S");
    bw.SetSong(lines, 500);
    const double cpu0 = CpuSeconds();
    const auto wall0 = Clock::now();
    BenchWindow::InEventLoop([&] { bw.window->player().PlayOrStop(); });
    const double wall = Ms(Clock::now() - wall0) / 1000;
    const double cpu = CpuSeconds() - cpu0;

    // The first message is the program change, sent as the playback starts.
    const auto start = device.messages.front().at;
    std::vector<double> errors;
    int k = 0;
    bool inChord = false;
    for (const auto& m : device.messages) {
      if (m.message.Kind() == kNoteOnStatus) {
        if (!inChord) {
          const auto ideal = start + std::chrono::milliseconds(30 * k);
          errors.push_back(std::abs(Ms(m.at - ideal)));
          ++k;
        }
        inChord = true;
      } else {
        inChord = false;
      }
    }
    const double drift = Ms(device.messages.back().at - (start + std::chrono::milliseconds(30 * chords)));
    state.counters["chords"] = k;
    state.counters["worst_chord"] =
        static_cast<double>(std::max_element(errors.begin(), errors.end()) - errors.begin());
    state.counters["over_1ms"] =
        static_cast<double>(std::count_if(errors.begin(), errors.end(), [](double e) { return e > 1.0; }));
    state.counters["err_p50_ms"] = Percentile(errors, 0.50);
    state.counters["err_p99_ms"] = Percentile(errors, 0.99);
    state.counters["err_max_ms"] = Percentile(errors, 1.0);
    state.counters["end_drift_ms"] = drift;
    state.counters["cpu_pct"] = 100 * cpu / wall;
  }
}
BENCHMARK(BM_SixteenthsAt500Bpm)->Arg(2000)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// A 10 s playback of quarter notes at 120 bpm: process CPU time over wall time.
void BM_CpuWhilePlaying(benchmark::State& state) {
  for (auto _ : state) {
    test::RecordingMidiOutput device;
    BenchWindow bw(&device);
    QStringList lines;
    for (int i = 0; i < 20; ++i) lines << (i % 2 ? "C, x, 3, 2, 0, 1, 0, Q" : "G, 3, 2, 0, 0, 0, 3, Q");
    bw.SetSong(lines, 120);
    const double cpu0 = CpuSeconds();
    const auto wall0 = Clock::now();
    BenchWindow::InEventLoop([&] { bw.window->player().PlayOrStop(); });
    const double wall = Ms(Clock::now() - wall0) / 1000;
    state.counters["wall_s"] = wall;
    state.counters["cpu_pct"] = 100 * (CpuSeconds() - cpu0) / wall;
  }
}
BENCHMARK(BM_CpuWhilePlaying)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// From the press of Stop (a mouse press on btnPlay) to the last note-off.
void BM_StopToLastNoteOff(benchmark::State& state) {
  test::RecordingMidiOutput device;
  BenchWindow bw(&device);
  bw.SetSong({"A, x, 0, 2, 2, 2, 0, W", "A, x, 0, 2, 2, 2, 0, W"}, 1);
  std::vector<double> latencies;
  for (auto _ : state) {
    device.Clear();
    Clock::time_point pressed;
    QTimer::singleShot(20, [&] {
      pressed = Clock::now();
      QTest::mousePress(bw.window->btnPlay, Qt::LeftButton);
    });
    BenchWindow::InEventLoop([&] { bw.window->player().PlayOrStop(); });
    latencies.push_back(Ms(device.messages.back().at - pressed));
  }
  state.counters["p50_ms"] = Percentile(latencies, 0.5);
  state.counters["max_ms"] = Percentile(latencies, 1.0);
}
BENCHMARK(BM_StopToLastNoteOff)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

STRUMBLY_BENCH_MAIN()
