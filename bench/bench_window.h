#pragma once
// A headless application with one main window for the benchmarks: settings
// in a temporary folder, dialogs answered by script, the window shown on
// the offscreen platform so repaints happen as they would for a user.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

#include "platform/settings_store.h"
#include "support/scripted_dialogs.h"
#include "ui/app/main_window.h"
#include "ui/app/song_files.h"
#include "ui/sound/player.h"

namespace strumbly::bench {

using Clock = std::chrono::steady_clock;

inline double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

inline double CpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
         static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

inline double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

struct BenchWindow {
  QTemporaryDir dir;
  test::DialogsScope dialogs;
  std::unique_ptr<TfrmMain> window;

  explicit BenchWindow(MidiOutputService* service) {
    window =
        std::make_unique<TfrmMain>(QStringList{}, std::make_unique<IniSettingsStore>(dir.filePath("s.conf")), service);
    window->CreateOtherWindows();
    window->show();
    QApplication::processEvents();
  }
  ~BenchWindow() {
    window->player().CloseMidiPort();
    window->song().SetModified(false);
  }
  void SetSong(const QStringList& lines, int tempo) {
    window->sheet().SetLines(lines);
    window->trackbarTempo->setValue(tempo);
    window->sheet().SelectLine(0, false);
    QApplication::processEvents();
  }
  // Runs action inside the application's own event loop.
  static void InEventLoop(std::function<void()> action) {
    QTimer::singleShot(0, [action] {
      action();
      QCoreApplication::exit(0);  // quit() would close the window
    });
    QApplication::exec();
  }
};

// Offscreen, with HOME and the XDG folders in a temporary folder.
#define STRUMBLY_BENCH_MAIN()                                       \
  int main(int argc, char** argv) {                                 \
    qputenv("QT_QPA_PLATFORM", "offscreen");                        \
    qputenv("STRUMBLY_NO_SPLASH", "1");                             \
    qputenv("STRUMBLY_NO_SYNTH_PRELOAD", "1");                      \
    QTemporaryDir home;                                             \
    qputenv("HOME", home.path().toUtf8());                          \
    qputenv("XDG_CONFIG_HOME", (home.path() + "/config").toUtf8()); \
    qputenv("XDG_DATA_HOME", (home.path() + "/data").toUtf8());     \
    QApplication app(argc, argv);                                   \
    ::benchmark::Initialize(&argc, argv);                           \
    ::benchmark::RunSpecifiedBenchmarks();                          \
    ::benchmark::Shutdown();                                        \
    return 0;                                                       \
  }

}  // namespace strumbly::bench
