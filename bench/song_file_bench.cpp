// Opening and saving large songs through the main window's commands.
#include <QFile>

#include "bench_window.h"

using namespace strumbly;
using strumbly::bench::BenchWindow;

namespace {

QString WriteBytes(BenchWindow& b, const QString& name, const std::string& bytes) {
  const QString path = b.dir.filePath(name);
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return path;
}

// A song of n lines, about 30 bytes each: chords with a bar comment every four.
QString WriteSong(BenchWindow& b, int lines) {
  std::string text =
      "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:120\r\n";
  for (int i = 0; i < lines; ++i)
    text +=
        (i % 4 == 3) ? "* ---------------- bar " + std::to_string(i / 4) + "\r\n" : "Cmaj7, x, 3, 2, 0, 0, 0, .E\r\n";
  return WriteBytes(b, QString("song%1.sly").arg(lines), text);
}

// Open: read the file, load the editor, apply the info lines, show line 0
// and paint the window.
void OpenAndShow(benchmark::State& state, BenchWindow& b, const QString& path) {
  for (auto _ : state) {
    b.window->songFiles().OpenSong(path);
    QApplication::processEvents();
  }
  state.counters["lines"] = b.window->sheet().LineCount();
  state.counters["bytes"] = static_cast<double>(QFile(path).size());
}

void BM_Open100kLineSong(benchmark::State& state) {
  BenchWindow b(nullptr);
  OpenAndShow(state, b, WriteSong(b, 100000));
}
BENCHMARK(BM_Open100kLineSong)->Unit(benchmark::kMillisecond);

void BM_Save100kLineSong(benchmark::State& state) {
  BenchWindow b(nullptr);
  b.window->songFiles().OpenSong(WriteSong(b, 100000));
  const QString out = b.dir.filePath("saved.sly");
  b.window->song().AdoptFileName(out.toStdString(), NameSource::Saved);
  for (auto _ : state) b.window->songFiles().SaveSong();
  state.counters["bytes"] = static_cast<double>(QFile(out).size());
}
BENCHMARK(BM_Save100kLineSong)->Unit(benchmark::kMillisecond);

// Open of a 10 MB song of ordinary chord lines (about 350,000 lines): the
// whole command, reading and the editor together.
void BM_Open10MbChordSong(benchmark::State& state) {
  BenchWindow b(nullptr);
  OpenAndShow(state, b, WriteSong(b, 350000));
}
BENCHMARK(BM_Open10MbChordSong)->Unit(benchmark::kMillisecond)->Iterations(2);

// Files that must open without hanging, once each.
void BM_OpenSingle10MbLine(benchmark::State& state) {
  BenchWindow b(nullptr);
  OpenAndShow(state, b, WriteBytes(b, "line.sly", std::string(10 * 1024 * 1024, 'a')));
}
BENCHMARK(BM_OpenSingle10MbLine)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Open50MbSong(benchmark::State& state) {
  BenchWindow b(nullptr);
  std::string text;
  while (text.size() < 50u * 1024 * 1024) text += "G, 3, 2, 0, 0, 0, 3, Q\r\n";
  OpenAndShow(state, b, WriteBytes(b, "fifty.sly", text));
}
BENCHMARK(BM_Open50MbSong)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

STRUMBLY_BENCH_MAIN()
