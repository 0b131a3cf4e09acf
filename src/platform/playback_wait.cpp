#include "platform/playback_wait.h"

#include <QEventLoop>
#include <QTimer>
#include <thread>

namespace strumbly {

bool PlaybackWait::WaitUntil(Clock::time_point deadline, bool processEvents) {
  if (!processEvents) {
    std::this_thread::sleep_until(deadline);
    return true;
  }
  const auto remaining = deadline - Clock::now();
  if (remaining <= Clock::duration::zero()) return true;
  const auto loopPart = std::chrono::duration_cast<std::chrono::milliseconds>(remaining - kSleepPart);
  if (loopPart.count() > 0) {
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&timer, &QTimer::timeout, &loop, [&] {
      timedOut = true;
      loop.quit();
    });
    QEventLoop* outer = loop_;
    loop_ = &loop;
    interrupted_ = false;
    timer.start(loopPart);
    loop.exec();
    loop_ = outer;
    if (interrupted_) {
      // A wait nested in another ends both; the flag stays for the outer one.
      if (outer)
        outer->quit();
      else
        interrupted_ = false;
      return false;
    }
    // Neither the timer nor Interrupt: the application is quitting.
    if (!timedOut) return false;
  }
  std::this_thread::sleep_until(deadline);
  return true;
}

void PlaybackWait::Interrupt() {
  if (!loop_) return;
  interrupted_ = true;
  loop_->quit();
}

}  // namespace strumbly
