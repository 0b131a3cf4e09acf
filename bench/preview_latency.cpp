// From the key release that previews a chord (cursor up/down plays chords)
// to its first note-on reaching the device: the recording device, and the
// built-in synthesizer with its soundfont loaded (sound into a WAV file).
#include <QTest>

#include "bench_window.h"
#include "platform/midi/builtin_synth.h"
#include "platform/midi/system_midi_output.h"
#include "support/recording_midi_output.h"

using namespace strumbly;
using namespace strumbly::bench;

namespace {

// Passes everything on and notes when the first note-on has been delivered.
class FirstNoteOnProbe : public MidiOutputService {
 public:
  explicit FirstNoteOnProbe(MidiOutputService& inner) : inner_(inner) {}
  Clock::time_point delivered{};
  int DeviceCount() override { return inner_.DeviceCount(); }
  std::string DeviceName(int id) override { return inner_.DeviceName(id); }
  MidiOpenResult Open(int id) override { return inner_.Open(id); }
  void Close() override { inner_.Close(); }
  void Send(const ShortMessage& m) override {
    inner_.Send(m);
    if (m.Kind() == kNoteOnStatus && delivered == Clock::time_point{}) delivered = Clock::now();
  }

 private:
  MidiOutputService& inner_;
};

void Measure(benchmark::State& state, MidiOutputService& device) {
  FirstNoteOnProbe probe(device);
  BenchWindow bw(&probe);
  bw.window->settings().CursorPlays = true;
  bw.SetSong({"C, x, 3, 2, 0, 1, 0, Q", "G, 3, 2, 0, 0, 0, 3, Q"}, 120);
  std::vector<double> latencies;
  for (auto _ : state) {
    bw.window->sheet().SelectLine(0, false);
    probe.delivered = {};
    const auto pressed = Clock::now();
    QTest::keyRelease(bw.window->RichEdit1, Qt::Key_Up);
    if (probe.delivered == Clock::time_point{}) {
      state.SkipWithError("no note-on reached the device");
      return;
    }
    latencies.push_back(Ms(probe.delivered - pressed));
    // The preview sounds out before the next press, as a user's would.
    while (bw.window->player().IsSounding()) QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  state.counters["p50_ms"] = Percentile(latencies, 0.5);
  state.counters["max_ms"] = Percentile(latencies, 1.0);
}

void BM_PreviewToNoteOn_RecordingDevice(benchmark::State& state) {
  test::RecordingMidiOutput device;
  Measure(state, device);
}
BENCHMARK(BM_PreviewToNoteOn_RecordingDevice)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PreviewToNoteOn_BuiltInSynth(benchmark::State& state) {
  QTemporaryDir dir;
  if (!qEnvironmentVariableIsSet(BuiltinSynth::kAudioFileVariable))
    qputenv(BuiltinSynth::kAudioFileVariable, dir.filePath("preview.wav").toUtf8());
  BuiltinSynth::Instance().StartLoading({});
  if (!BuiltinSynth::Instance().WaitUntilReady()) {
    state.SkipWithError("the built-in synthesizer has no soundfont or no audio output");
    return;
  }
  Measure(state, SystemMidiOutput::Instance());
}
BENCHMARK(BM_PreviewToNoteOn_BuiltInSynth)->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

STRUMBLY_BENCH_MAIN()
