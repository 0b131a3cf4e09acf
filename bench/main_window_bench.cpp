// The main window: start-up time and memory, and showing the current line on
// small and large songs.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <memory>

#include "platform/settings_store.h"
#include "support/scripted_dialogs.h"
#include "ui/app/main_window.h"

using strumbly::TfrmMain;

namespace {

QTemporaryDir* settingsDir;
QElapsedTimer* sinceProcessStart;  // from main() before the application object exists

std::unique_ptr<TfrmMain> MakeWindow() {
  auto w = std::make_unique<TfrmMain>(
      QStringList{}, std::make_unique<strumbly::IniSettingsStore>(settingsDir->filePath("Strumbly.conf")));
  w->CreateOtherWindows();
  return w;
}

long ResidentKb() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n'))
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toLong();
  return -1;
}

// From nothing to the main window shown and painted.
void BM_StartUp(benchmark::State& state) {
  bool first = true;
  for (auto _ : state) {
    QElapsedTimer t;
    t.start();
    auto w = MakeWindow();
    w->show();
    QApplication::processEvents();
    state.SetIterationTime(static_cast<double>(t.nsecsElapsed()) / 1e9);
    if (first) state.counters["cold_ms"] = static_cast<double>(sinceProcessStart->nsecsElapsed()) / 1e6;
    first = false;
    w->song().SetModified(false);
    w->close();
  }
  state.counters["rss_MB"] = static_cast<double>(ResidentKb()) / 1024.0;
}
BENCHMARK(BM_StartUp)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ShowLine(benchmark::State& state) {
  auto w = MakeWindow();
  QStringList lines;
  const int count = static_cast<int>(state.range(0));
  for (int i = 0; i < count; ++i) lines << (i % 8 == 7 ? QString() : QString("C%1, x, 3, 2, 0, 1, 0, Q").arg(i));
  w->sheet().SetLines(lines);
  int n = 0;
  for (auto _ : state) {
    n = (n + 7919) % count;
    benchmark::DoNotOptimize(w->ShowLine(n));
  }
  w->song().SetModified(false);
  w->close();
}
BENCHMARK(BM_ShowLine)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

QStringList SongWithBadLines(int count) {
  QStringList lines;
  for (int i = 0; i < count; ++i)
    lines << (i % 8 == 7    ? QString()
              : i % 50 == 3 ? QString("C%1, x, 3, 2").arg(i)
                            : QString("C%1, x, 3, 2, 0, 1, 0, Q").arg(i));
  return lines;
}

// A key typed on a line of the song, up to the line shown on the neck: the
// edit, the editor's mark of that one line looked at again, and ShowLine.
void BM_KeystrokeToNeck(benchmark::State& state) {
  auto w = MakeWindow();
  const int count = static_cast<int>(state.range(0));
  // The line typed on is not the song's widest: typing that widens the
  // widest line makes the editor count the lines of the whole document for
  // its scroll bar (about 1 ms at 100,000 lines, with or without the marks).
  const int n = count / 2;
  QStringList lines = SongWithBadLines(count);
  lines[n] = "C, x, 3, 2, 0, 1, 0, Q";
  // A song with a capo line is read again for its capo at every keystroke.
  if (state.range(1)) lines[0] = "* Capo: 2";
  w->sheet().SetLines(lines);
  QApplication::processEvents();
  QTextCursor c(w->RichEdit1->document()->findBlockByNumber(n));
  c.movePosition(QTextCursor::EndOfBlock);
  bool type = true;
  for (auto _ : state) {
    if (type)
      c.insertText(" ");
    else
      c.deletePreviousChar();
    type = !type;
    benchmark::DoNotOptimize(w->ShowLine(n));
  }
  w->song().SetModified(false);
  w->close();
}
BENCHMARK(BM_KeystrokeToNeck)
    ->Args({1000, 0})
    ->Args({100000, 0})
    ->Args({100000, 1})
    ->ArgNames({"lines", "capo"})
    ->Unit(benchmark::kMicrosecond);

// A whole song put into the editor, every line marked or not on the way.
void BM_SetLinesMarked(benchmark::State& state) {
  auto w = MakeWindow();
  const QStringList lines = SongWithBadLines(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    w->sheet().SetLines(lines);
    QApplication::processEvents();
  }
  w->song().SetModified(false);
  w->close();
}
BENCHMARK(BM_SetLinesMarked)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  QElapsedTimer processStart;
  processStart.start();
  sinceProcessStart = &processStart;
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir dir;
  settingsDir = &dir;
  qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());
  qputenv("XDG_DATA_HOME", dir.filePath("data").toUtf8());
  const long before = ResidentKb();
  QApplication app(argc, argv);
  strumbly::test::DialogsScope dialogs;  // the first-run welcome is answered, not shown
  benchmark::Initialize(&argc, argv);
  benchmark::AddCustomContext("rss_before_qt_MB", std::to_string(before / 1024));
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
