// The settings dialog: making it at start-up, and opening it from File /
// Settings and confirming with OK (loading every page, storing and applying).
#include <QAction>
#include <QComboBox>
#include <QPushButton>

#include "bench_window.h"
#include "support/recording_midi_output.h"
#include "ui/app/options_dialog.h"

namespace strumbly::bench {
namespace {

void BM_CreateOptionsDialog(benchmark::State& state) {
  Settings settings;
  for (auto _ : state) {
    TfrmOptions dialog(settings, OptionsHost{});
    benchmark::DoNotOptimize(dialog.cboPatch->count());
  }
}
BENCHMARK(BM_CreateOptionsDialog)->Unit(benchmark::kMillisecond);

// From the menu item to the window applied, as a user's OK without changes,
// and with a new instrument and tuning.
void BM_OpenSettingsAndOk(benchmark::State& state) {
  test::RecordingMidiOutput device;
  device.deviceNames = {"Port A", "Port B", "Port C"};
  BenchWindow bench(&device);
  const bool change = state.range(0) != 0;
  int round = 0;
  bench.dialogs->onExec = [&](QDialog& shown) {
    auto& d = static_cast<TfrmOptions&>(shown);
    if (change) {
      d.cboPatch->setCurrentIndex(round % 128);
      d.cboStr[0]->setCurrentIndex(round % 9);
    }
    d.btnOK->click();
  };
  for (auto _ : state) {
    bench.window->action("Options1")->trigger();
    ++round;
  }
}
BENCHMARK(BM_OpenSettingsAndOk)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace strumbly::bench

STRUMBLY_BENCH_MAIN()
