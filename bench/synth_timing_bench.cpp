// Timing of the built-in synthesizer in its WAV capture: 20 s of notes at
// 120 bpm (one every 500 ms), sent early, on time and late by turns with
// the moments they were scheduled for. Reports how far the notes sent in
// time stray from their schedule and whether the capture drifts.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>

#include "platform/midi/synth_engine.h"
#include "support/timed_capture.h"

namespace {

void BM_CaptureOnsetTiming(benchmark::State& state) {
  // The small soundfont's nylon note dies away between the notes, so the
  // onset detector sees each one; the usual soundfont's rings on.
  std::string sf = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  if (!std::filesystem::exists(sf)) sf = strumbly::FindSoundFont("");
  if (sf.empty()) {
    state.SkipWithError("no General MIDI soundfont installed");
    return;
  }
  constexpr int kNotes = 40;
  for (auto _ : state) {
    QTemporaryDir dir;
    const auto capture =
        strumbly::test::CaptureTimedNotes(sf, (dir.path() + "/timing.wav").toStdString(), kNotes,
                                          std::chrono::milliseconds(500), std::chrono::milliseconds(120));
    if (!capture || capture->onsetsFound != kNotes) {
      state.SkipWithError("the notes were not found in the capture");
      return;
    }
    int late = 0;
    for (bool inTime : capture->sentInTime) late += inTime ? 0 : 1;
    state.counters["max_jitter_ms"] = capture->MaxJitterMs();
    state.counters["drift_ms"] = capture->MedianMs(kNotes - 10, kNotes) - capture->MedianMs(0, 10);
    state.counters["attack_ms"] = capture->Attack();
    state.counters["sent_too_late"] = late;
  }
}

}  // namespace

BENCHMARK(BM_CaptureOnsetTiming)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

BENCHMARK_MAIN();
