// Opening and saving large songs through the main window's commands.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "platform/settings_store.h"
#include "support/scripted_dialogs.h"
#include "ui/main_window.h"

using namespace strumbly;

namespace {

QTemporaryDir* g_dir = nullptr;

std::unique_ptr<TfrmMain> MakeWindow() {
  auto w = std::make_unique<TfrmMain>(QStringList{},
                                      std::make_unique<IniSettingsStore>(g_dir->filePath("Strumbly.conf")));
  w->setAttribute(Qt::WA_DontShowOnScreen);
  return w;
}

// A song of n lines, about 30 bytes each: chords with a bar comment every four.
QString WriteSong(int lines) {
  const QString path = g_dir->filePath(QString("song%1.sly").arg(lines));
  if (QFile::exists(path)) return path;
  std::string text = "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:120\r\n";
  for (int i = 0; i < lines; ++i)
    text += (i % 4 == 3) ? "* ---------------- bar " + std::to_string(i / 4) + "\r\n" : "Cmaj7, x, 3, 2, 0, 0, 0, .E\r\n";
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(text.data(), static_cast<qint64>(text.size()));
  return path;
}

QString WriteBytes(const char* name, const std::string& bytes) {
  const QString path = g_dir->filePath(name);
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return path;
}

// Open: read the file, load the editor, apply the info lines, show line 0.
void OpenAndShow(benchmark::State& state, const QString& path) {
  test::DialogsScope dialogs;
  auto w = MakeWindow();
  for (auto _ : state) {
    w->OpenSong(path);
    QApplication::processEvents();  // let the editor lay out what it shows
  }
  state.counters["lines"] = w->sheet().LineCount();
  state.counters["bytes"] = static_cast<double>(QFile(path).size());
}

void BM_Open100kLineSong(benchmark::State& state) { OpenAndShow(state, WriteSong(100000)); }
BENCHMARK(BM_Open100kLineSong)->Unit(benchmark::kMillisecond);

void BM_Save100kLineSong(benchmark::State& state) {
  test::DialogsScope dialogs;
  auto w = MakeWindow();
  w->OpenSong(WriteSong(100000));
  const QString out = g_dir->filePath("saved.sly");
  w->CurrentFileName = out;
  for (auto _ : state) w->SaveSong();
  state.counters["bytes"] = static_cast<double>(QFile(out).size());
}
BENCHMARK(BM_Save100kLineSong)->Unit(benchmark::kMillisecond);

void BM_OpenSingle10MbLine(benchmark::State& state) {
  OpenAndShow(state, WriteBytes("line.sly", std::string(10 * 1024 * 1024, 'a')));
}
BENCHMARK(BM_OpenSingle10MbLine)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Open50MbSong(benchmark::State& state) {
  std::string text;
  const std::string line = "G, 3, 2, 0, 0, 0, 3, Q\r\n";
  while (text.size() < 50u * 1024 * 1024) text += line;
  OpenAndShow(state, WriteBytes("fifty.sly", text));
}
BENCHMARK(BM_Open50MbSong)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir dir;
  g_dir = &dir;
  qputenv("HOME", dir.path().toUtf8());
  qputenv("XDG_CONFIG_HOME", (dir.path() + "/config").toUtf8());
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
