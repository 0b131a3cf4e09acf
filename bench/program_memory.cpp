// Resident memory of the real program 5 s after it starts with sound on:
// the built-in synthesizer has loaded the default soundfont and selected the
// song's instrument, and its sound goes to a WAV file (no sound card here).
// Runs the strumbly program that was built next to this benchmark, on the
// offscreen platform, with its own temporary home folder. Target: < 80 MB.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <thread>

namespace {

std::string ProgramPath() {
  return (std::filesystem::read_symlink("/proc/self/exe").parent_path() / "strumbly").string();
}

// VmRSS of the process in megabytes (1 MB = 2^20 bytes); -1 when unreadable.
double ResidentMb(qint64 pid) {
  QFile status(QString("/proc/%1/status").arg(pid));
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
  return -1;
}

void BM_ResidentMemory5sAfterStart(benchmark::State& state) {
  const std::string program = ProgramPath();
  if (!std::filesystem::exists(program)) {
    state.SkipWithError("build the strumbly target first");
    return;
  }
  double mb = 0;
  for (auto _ : state) {
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.path() + "/config");
    env.insert("XDG_DATA_HOME", home.path() + "/data");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("STRUMBLY_NO_SPLASH", "1");
    env.insert("STRUMBLY_AUDIO_FILE", home.path() + "/sound.wav");
    env.remove("STRUMBLY_NO_SYNTH_PRELOAD");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(QString::fromStdString(program), {});
    if (!process.waitForStarted()) {
      state.SkipWithError("the program did not start");
      return;
    }
    std::this_thread::sleep_for(std::chrono::seconds(5));
    mb = ResidentMb(process.processId());
    process.kill();
    process.waitForFinished();
    if (mb < 0) {
      state.SkipWithError("the program ended before 5 s");
      return;
    }
  }
  state.counters["rss_MB"] = mb;
}

}  // namespace

BENCHMARK(BM_ResidentMemory5sAfterStart)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
