#include "platform/playback_timer.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

using namespace strumbly;
using namespace std::chrono_literals;
using Clock = PlaybackTimer::Clock;

namespace {

// Runs the event loop until the timer has called back, or for at most a second.
void RunUntilDue(PlaybackTimer& timer, QEventLoop& loop) {
  QTimer::singleShot(1000, &loop, &QEventLoop::quit);
  if (timer.Pending()) loop.exec();
}

}  // namespace

// The call comes at the moment, never before it, and the event loop runs
// meanwhile; a moment already past is called from the loop, not inside Start.
TEST(PlaybackTimer, CallsBackAtTheMomentWithTheLoopRunningMeanwhile) {
  QEventLoop loop;
  int calls = 0;
  Clock::time_point calledAt{};
  PlaybackTimer timer([&] {
    ++calls;
    calledAt = Clock::now();
    loop.quit();
  });
  bool handled = false;
  QTimer::singleShot(10, [&] { handled = true; });
  for (auto wait : {60ms, 3ms, 1ms}) {
    calls = 0;
    const auto at = Clock::now() + wait;
    timer.Start(at);
    EXPECT_EQ(calls, 0);
    RunUntilDue(timer, loop);
    ASSERT_EQ(calls, 1) << wait.count();
    EXPECT_GE(calledAt, at);
    EXPECT_LT(calledAt - at, 20ms);  // generous: the tests share the machine
  }
  EXPECT_TRUE(handled);

  calls = 0;
  timer.Start(Clock::now() - 1s);
  EXPECT_EQ(calls, 0);
  RunUntilDue(timer, loop);
  EXPECT_EQ(calls, 1);
  EXPECT_FALSE(timer.Pending());
}

// Stop drops the pending moment; a new Start replaces it.
TEST(PlaybackTimer, StopAndRestart) {
  QEventLoop loop;
  int calls = 0;
  PlaybackTimer timer([&] {
    ++calls;
    loop.quit();
  });
  timer.Start(Clock::now() + 20ms);
  timer.Stop();
  EXPECT_FALSE(timer.Pending());
  QTimer::singleShot(60, &loop, &QEventLoop::quit);
  loop.exec();
  EXPECT_EQ(calls, 0);

  const auto start = Clock::now();
  timer.Start(start + 500ms);
  timer.Start(start + 30ms);
  RunUntilDue(timer, loop);
  EXPECT_EQ(calls, 1);
  EXPECT_LT(Clock::now() - start, 300ms);
}
