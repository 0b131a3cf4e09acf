// The reading side of Open for a 10 MB song of ordinary chord lines: the
// file's bytes, their decoding, the info lines and the split into lines
// (what the window then puts in the editor),
// and the chord list that playing builds from them.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/app/song_file.h"
#include "core/sound/chord_list.h"
#include "platform/song_io.h"

using namespace strumbly;

namespace {

std::string TenMbSong(bool latin1) {
  std::string text =
      "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:120\r\n";
  const char* lines[] = {"G, 3, 2, 0, 0, 0, 3, Q\r\n", "Em7, 0, 2, 2, 0, 3, 3, Q\r\n", "Cadd9, x, 3, 2, 0, 3, 3, H\r\n",
                         "\r\n", "* bar comment\r\n"};
  for (std::size_t i = 0; text.size() < 10u * 1024 * 1024; ++i) text += lines[i % 5];
  if (latin1) text += "* caf\xe9\r\n";  // one byte that is not UTF-8 makes the whole file Latin-1
  return text;
}

QString WriteFile(QTemporaryDir& dir, const std::string& bytes) {
  const QString path = dir.filePath("big.sly");
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return path;
}

void ReadDecodeSplit(benchmark::State& state, bool latin1) {
  QTemporaryDir dir;
  const QString path = WriteFile(dir, TenMbSong(latin1));
  std::size_t lines = 0;
  for (auto _ : state) {
    const SongText song = ReadSongText(ReadSongFile(path));
    lines = song.lines.size();
    benchmark::DoNotOptimize(song);
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * QFile(path).size());
}

void BM_Read10MbSongUtf8(benchmark::State& state) { ReadDecodeSplit(state, false); }
BENCHMARK(BM_Read10MbSongUtf8)->Unit(benchmark::kMillisecond);

void BM_Read10MbSongLatin1(benchmark::State& state) { ReadDecodeSplit(state, true); }
BENCHMARK(BM_Read10MbSongLatin1)->Unit(benchmark::kMillisecond);

void BM_ChordListOf10MbSong(benchmark::State& state) {
  const SongText song = ReadSongText(TenMbSong(false));
  ChordList list;
  for (auto _ : state) {
    BuildChordList(song.lines, list);
    ComputeDurations(list, 2000);
  }
  state.counters["lines"] = static_cast<double>(song.lines.size());
}
BENCHMARK(BM_ChordListOf10MbSong)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
