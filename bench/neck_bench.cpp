// Showing a chord on the neck: setting the markers, and setting them plus the
// repaint of what changed, which must stay well under a millisecond.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QThread>
#include <array>
#include <memory>

#include "ui/guitar/neck_marker.h"
#include "ui/guitar/neck_view.h"

using namespace strumbly;

namespace {

using Frets = std::array<std::int32_t, 6>;
// C major and G major: every string changes from one to the other.
constexpr Frets kC{0, 1, 0, 2, 3, -1};
constexpr Frets kG{3, 0, 0, 0, 2, 3};

class PaintCounter : public QObject {
 public:
  long paints = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) ++paints;
    return false;
  }
};

struct ShownNeck {
  NeckView neck;
  PaintCounter counter;
  ShownNeck() {
    neck.show();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 100) {
      QApplication::processEvents(QEventLoop::AllEvents, 10);
      QThread::msleep(2);
    }
    for (auto* m : neck.findChildren<NeckMarker*>()) m->installEventFilter(&counter);
  }
};

void BM_ShowChordOnNeck(benchmark::State& state) {
  NeckView neck;
  bool flip = false;
  for (auto _ : state) {
    neck.ShowChordOnNeck(flip ? kC : kG);
    flip = !flip;
  }
}
BENCHMARK(BM_ShowChordOnNeck);

void BM_ShowChordOnNeckAndRepaint(benchmark::State& state) {
  ShownNeck shown;
  bool flip = false;
  for (auto _ : state) {
    shown.neck.ShowChordOnNeck(flip ? kC : kG);
    flip = !flip;
    // Carry out the pending repaint of the changed markers now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  }
  state.counters["marker_paints_per_chord"] =
      benchmark::Counter(static_cast<double>(shown.counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ShowChordOnNeckAndRepaint)->Unit(benchmark::kMicrosecond);

// One string moves (C to C with a G on top): two markers repaint.
void BM_OneStringChangeAndRepaint(benchmark::State& state) {
  ShownNeck shown;
  constexpr Frets kCHigh{3, 1, 0, 2, 3, -1};
  bool flip = false;
  for (auto _ : state) {
    shown.neck.ShowChordOnNeck(flip ? kC : kCHigh);
    flip = !flip;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  }
  state.counters["marker_paints_per_chord"] =
      benchmark::Counter(static_cast<double>(shown.counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_OneStringChangeAndRepaint)->Unit(benchmark::kMicrosecond);

// For comparison: repainting the whole neck.
void BM_RepaintWholeNeck(benchmark::State& state) {
  ShownNeck shown;
  for (auto _ : state) {
    shown.neck.Picture()->update();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
  }
  state.counters["marker_paints"] =
      benchmark::Counter(static_cast<double>(shown.counter.paints), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_RepaintWholeNeck)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
