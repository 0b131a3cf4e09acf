// The shell's costs: the file association each start-up writes (nothing to
// do once it is in place; the first time with the desktop's caches), and
// Find Next through a large song.
#include <QCoreApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include "bench_window.h"
#include "platform/file_association.h"
#include "ui/app/find_dialog.h"

using namespace strumbly;
using strumbly::bench::BenchWindow;

namespace {

// Every start-up with "Associate files" on: the files are compared and left
// alone.
void BM_AssociationAlreadyInPlace(benchmark::State& state) {
  QTemporaryDir dir;
  const AssociationFolders folders{dir.filePath("data"), dir.filePath("config")};
  const FileTypeInfo type = SongFileType(QCoreApplication::applicationFilePath().toStdString());
  WriteFileAssociation(type, folders);
  for (auto _ : state) benchmark::DoNotOptimize(WriteFileAssociation(type, folders));
}
BENCHMARK(BM_AssociationAlreadyInPlace)->Unit(benchmark::kMillisecond);

// The first start-up: three files written, update-mime-database and
// update-desktop-database run.
void BM_AssociationFirstTime(benchmark::State& state) {
  const FileTypeInfo type = SongFileType(QCoreApplication::applicationFilePath().toStdString());
  for (auto _ : state) {
    state.PauseTiming();
    QTemporaryDir dir;
    const AssociationFolders folders{dir.filePath("data"), dir.filePath("config")};
    state.ResumeTiming();
    WriteFileAssociation(type, folders);
  }
}
BENCHMARK(BM_AssociationFirstTime)->Unit(benchmark::kMillisecond)->Iterations(10);

// F3 from the top of a 100,000-line song to its one match on the last line.
void BM_FindNextThrough100kLines(benchmark::State& state) {
  BenchWindow b(nullptr);
  QStringList lines;
  for (int i = 0; i < 100000; ++i) lines << "Cmaj7, x, 3, 2, 0, 0, 0, .E";
  lines << "Bbm7b5, x, 1, 2, 1, 2, x, Q";
  b.SetSong(lines, 120);
  b.window->frmfind->Edit1->setText("Bbm7b5");
  for (auto _ : state) {
    b.window->sheet().SetSelection(0, 0);
    if (!b.window->frmfind->FindNextMatch()) state.SkipWithError("not found");
  }
  state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_FindNextThrough100kLines)->Unit(benchmark::kMillisecond);

}  // namespace

STRUMBLY_BENCH_MAIN()
