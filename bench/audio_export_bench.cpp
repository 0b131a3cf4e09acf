// Offline audio export of a 60 s song at 120 bpm (eighth-note strums of a
// four-chord progression) with the default soundfont, into each format.
// The export has to take well under the song's own length: under 2 s.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <QTemporaryDir>
#include <filesystem>

#include "platform/midi/audio_export.h"
#include "platform/midi/synth_engine.h"

using namespace strumbly;

namespace {

// CPU time of the whole process, every thread counted, in seconds.
double ProcessCpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  auto s = [](const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6; };
  return s(u.ru_utime) + s(u.ru_stime);
}

AudioExportJob MinuteSong(const std::string& path) {
  // 120 bpm: an eighth is 250 ms, so 240 chords make 60 s.
  const char* chords[] = {"G, 3, 2, 0, 0, 0, 3, E", "Em, 0, 2, 2, 0, 0, 0, E", "C, x, 3, 2, 0, 1, 0, E",
                          "D, x, x, 0, 2, 3, 2, E"};
  std::vector<std::string> lines;
  for (int i = 0; i < 240; ++i) lines.push_back(chords[(i / 8) % 4]);
  AudioExportJob job;
  BuildChordList(lines, job.chords);
  job.program = 25;
  job.tempo = 120;
  job.path = path;
  return job;
}

void BM_ExportMinuteSong(benchmark::State& state, const char* extension) {
  if (FindSoundFont("").empty()) {
    state.SkipWithError("no General MIDI soundfont installed");
    return;
  }
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/minute" + extension).toStdString();
  const AudioExportJob job = MinuteSong(path);
  double seconds = 0;
  const double cpuBefore = ProcessCpuSeconds();
  for (auto _ : state) {
    const AudioExportResult result = ExportAudio(job);
    if (!result.ok) {
      state.SkipWithError(result.error.c_str());
      return;
    }
    seconds = result.seconds;
  }
  // On a machine shared with other work the wall time says little; the
  // CPU time of all threads is what the export costs.
  state.counters["all_threads_cpu_s"] = (ProcessCpuSeconds() - cpuBefore) / static_cast<double>(state.iterations());
  state.counters["audio_s"] = seconds;
  state.counters["file_kB"] = static_cast<double>(std::filesystem::file_size(path)) / 1024;
}

}  // namespace

BENCHMARK_CAPTURE(BM_ExportMinuteSong, wav, ".wav")->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportMinuteSong, flac, ".flac")->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(BM_ExportMinuteSong, ogg, ".ogg")->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
