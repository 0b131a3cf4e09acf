// Start-up and exit with a settings file of 5 MB: the store reads the file,
// the settings are read from it, and at exit written back.
#include <QFile>

#include "bench_window.h"
#include "platform/settings_store.h"

using namespace strumbly;

namespace {

// The user's settings among 5 MB of values some other tool left in the
// sections the program reads.
QString WriteLargeSettings(const QString& path) {
  std::string text = "[Options]\nPrompts=0\nMarkerColor=255\nLastDir=/home/u/songs\n";
  for (int i = 0; text.size() < 2500000; ++i) text += "Extra" + std::to_string(i) + "=some value left here\n";
  text += "[Midi]\nPatch=30\nMenuPatchName=\"  5 Rhodes\"\n";
  for (int i = 0; text.size() < 5 * 1024 * 1024; ++i) text += "extra" + std::to_string(i) + "=another value\n";
  QFile f(path);
  f.open(QIODevice::WriteOnly | QIODevice::Truncate);
  f.write(text.data(), static_cast<qint64>(text.size()));
  return path;
}

// Start-up's part: the file read and every setting taken from it.
void BM_Load5MbSettings(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteLargeSettings(dir.filePath("Strumbly.conf"));
  for (auto _ : state) {
    IniSettingsStore store(path);
    benchmark::DoNotOptimize(LoadSettings(store, "/install"));
  }
}
BENCHMARK(BM_Load5MbSettings)->Unit(benchmark::kMillisecond);

// The store alone: read, load every setting, change some as a run does,
// write back what changed, commit.
void BM_LoadAndSave5MbSettings(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteLargeSettings(dir.filePath("Strumbly.conf"));
  for (auto _ : state) {
    IniSettingsStore store(path);
    Settings s = LoadSettings(store, "/install");
    benchmark::DoNotOptimize(s);
    s.ShowChordName = !s.ShowChordName;
    s.RecentFiles = {"/home/u/songs/" + std::to_string(state.iterations()) + ".sly", s.RecentFiles[0],
                     s.RecentFiles[1]};
    SaveSettings(store, s);
  }
  state.counters["bytes"] = static_cast<double>(QFile(path).size());
}
BENCHMARK(BM_LoadAndSave5MbSettings)->Unit(benchmark::kMillisecond);

// The main window made, shown and closed again with that file.
void BM_StartUpAndExitWith5MbSettings(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteLargeSettings(dir.filePath("Strumbly.conf"));
  test::DialogsScope dialogs;
  for (auto _ : state) {
    auto window = std::make_unique<TfrmMain>(QStringList{}, std::make_unique<IniSettingsStore>(path));
    window->CreateOtherWindows();
    window->show();
    QApplication::processEvents();
    window->song().SetModified(false);
    window->close();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_StartUpAndExitWith5MbSettings)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

STRUMBLY_BENCH_MAIN()
