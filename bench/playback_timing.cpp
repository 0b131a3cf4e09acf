// Playback timing in the real event loop: through the recording device
// (note-on accuracy as sent, drift, CPU use while playing, Stop latency) and
// through the built-in synthesizer into a WAV capture (where the notes are
// heard against the schedule, over a minute).
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "bench_window.h"
#include "platform/midi/builtin_synth.h"
#include "platform/midi/midi_out_port.h"
#include "platform/midi/system_midi_output.h"
#include "support/audio_analysis.h"
#include "support/recording_midi_output.h"

using namespace strumbly;
using namespace strumbly::bench;

namespace {

// Presses Play from the application's event loop and leaves the loop when
// the playback has ended.
void PlayInEventLoop(TfrmMain& window) {
  QObject scope;
  QObject::connect(&window.player(), &Player::playingChanged, &scope, [](bool playing) {
    if (!playing) QCoreApplication::exit(0);  // quit() would close the window
  });
  QTimer::singleShot(0, &scope, [&window] { window.player().PlayOrStop(); });
  QApplication::exec();
}

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
    PlayInEventLoop(*bw.window);
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
    PlayInEventLoop(*bw.window);
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
    PlayInEventLoop(*bw.window);
    latencies.push_back(Ms(device.messages.back().at - pressed));
  }
  state.counters["p50_ms"] = Percentile(latencies, 0.5);
  state.counters["max_ms"] = Percentile(latencies, 1.0);
}
BENCHMARK(BM_StopToLastNoteOff)->Iterations(30)->Unit(benchmark::kMillisecond)->UseRealTime();

// Passes everything on to the built-in synthesizer and keeps the moment
// each note-on was scheduled for.
class ScheduleProbe : public MidiOutputService {
 public:
  std::vector<Clock::time_point> noteOnsAt;
  int DeviceCount() override { return inner_.DeviceCount(); }
  std::string DeviceName(int id) override { return inner_.DeviceName(id); }
  MidiOpenResult Open(int id) override { return inner_.Open(id); }
  void Close() override { inner_.Close(); }
  void Send(const ShortMessage& m) override { SendAt(m, Clock::now()); }
  void SendAt(const ShortMessage& m, Clock::time_point at) override {
    if (m.Kind() == kNoteOnStatus) noteOnsAt.push_back(at);
    inner_.SendAt(m, at);
  }

 private:
  MidiOutputService& inner_ = SystemMidiOutput::Instance();
};

// A minute at 120 bpm through the player into the built-in synthesizer's
// WAV capture: a short nylon note every 500 ms (a sixteenth, then a dotted
// eighth's rest, so each note dies before the next). Every onset found is
// set against the ideal grid from the first one: the spread is the timing
// error as heard, and the first ten against the last ten is the drift.
void BM_CaptureOfAMinuteThroughThePlayer(benchmark::State& state) {
  std::string sf = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  if (!std::filesystem::exists(sf)) {
    state.SkipWithError("the small soundfont is not installed");
    return;
  }
  QTemporaryDir dir;
  const QString wav = dir.filePath("minute.wav");
  qputenv(BuiltinSynth::kAudioFileVariable, wav.toUtf8());
  BuiltinSynth::Instance().StartLoading(sf, 0, 24);
  if (!BuiltinSynth::Instance().WaitUntilReady()) {
    state.SkipWithError("the built-in synthesizer has no audio output");
    return;
  }
  constexpr int kNotes = 120;
  for (auto _ : state) {
    ScheduleProbe probe;
    BenchWindow bw(&probe);
    bw.window->song().SetPatch(24);
    QStringList lines;
    for (int i = 0; i < kNotes; ++i)
      lines << "A, x, 0, x, x, x, x, S"
            << "Rest, x, x, x, x, x, x, .E";
    bw.SetSong(lines, 120);
    PlayInEventLoop(*bw.window);
    // The WAV file is written as it plays: let the last note reach it.
    QTest::qWait(600);
    const auto audio = test::ReadWav(wav.toStdString());
    if (!audio || probe.noteOnsAt.size() != kNotes) {
      state.SkipWithError("no capture");
      return;
    }
    const std::vector<double> onsets = test::FindOnsets(*audio, 0.01f);
    if (onsets.size() != kNotes) {
      state.SkipWithError("the capture's onsets are not the song's notes");
      return;
    }
    const std::size_t base = 0;
    std::vector<double> errors;  // onset against the grid from the first note, ms
    std::vector<double> scheduled;
    for (int i = 0; i < kNotes; ++i) {
      errors.push_back((onsets[base + i] - onsets[base]) * 1000.0 - 500.0 * i);
      scheduled.push_back(Ms(probe.noteOnsAt[static_cast<std::size_t>(i)] - probe.noteOnsAt[0]) - 500.0 * i);
    }
    const double median = Percentile(errors, 0.5);
    std::vector<double> spread;
    for (double e : errors) spread.push_back(std::abs(e - median));
    auto medianOf = [&](int from, int to) {
      return Percentile(std::vector<double>(errors.begin() + from, errors.begin() + to), 0.5);
    };
    state.counters["notes"] = kNotes;
    state.counters["onset_err_p50_ms"] = Percentile(spread, 0.5);
    state.counters["onset_err_p99_ms"] = Percentile(spread, 0.99);
    state.counters["onset_err_max_ms"] = Percentile(spread, 1.0);
    state.counters["over_1.4ms"] =
        static_cast<double>(std::count_if(spread.begin(), spread.end(), [](double e) { return e > 1.4; }));
    state.counters["drift_ms"] = medianOf(kNotes - 20, kNotes) - medianOf(0, 20);
    state.counters["schedule_err_max_ms"] = std::abs(*std::max_element(
        scheduled.begin(), scheduled.end(), [](double a, double b) { return std::abs(a) < std::abs(b); }));
  }
}
BENCHMARK(BM_CaptureOfAMinuteThroughThePlayer)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

STRUMBLY_BENCH_MAIN()
