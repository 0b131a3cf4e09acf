#include "platform/playback_wait.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

using namespace strumbly;
using namespace std::chrono_literals;
using Clock = PlaybackWait::Clock;

TEST(PlaybackWait, EndsAtTheDeadlineAndHandlesEventsMeanwhile) {
  PlaybackWait wait;
  bool handled = false;
  QTimer::singleShot(10, [&] { handled = true; });
  const auto deadline = Clock::now() + 60ms;
  EXPECT_TRUE(wait.WaitUntil(deadline, true));
  const auto late = Clock::now() - deadline;
  EXPECT_GE(late, 0ns);
  EXPECT_LT(late, 20ms);  // generous: the tests share the machine
  EXPECT_TRUE(handled);
  EXPECT_FALSE(wait.Waiting());
}

TEST(PlaybackWait, WithoutEventsNothingIsHandled) {
  PlaybackWait wait;
  bool handled = false;
  QTimer::singleShot(0, [&] { handled = true; });
  const auto deadline = Clock::now() + 30ms;
  EXPECT_TRUE(wait.WaitUntil(deadline, false));
  EXPECT_GE(Clock::now(), deadline);
  EXPECT_FALSE(handled);
  QCoreApplication::processEvents();
  EXPECT_TRUE(handled);
}

TEST(PlaybackWait, InterruptEndsTheWaitAtOnce) {
  PlaybackWait wait;
  QTimer::singleShot(20, [&] {
    EXPECT_TRUE(wait.Waiting());
    wait.Interrupt();
  });
  const auto start = Clock::now();
  EXPECT_FALSE(wait.WaitUntil(start + 10s, true));
  EXPECT_LT(Clock::now() - start, 1s);
  // The next wait is not affected.
  EXPECT_TRUE(wait.WaitUntil(Clock::now() + 5ms, true));
  wait.Interrupt();  // nothing waits: no effect
  EXPECT_TRUE(wait.WaitUntil(Clock::now() + 5ms, true));
}

TEST(PlaybackWait, PassedDeadlineReturnsWithoutEvents) {
  PlaybackWait wait;
  bool handled = false;
  QTimer::singleShot(0, [&] { handled = true; });
  EXPECT_TRUE(wait.WaitUntil(Clock::now() - 5ms, true));
  EXPECT_FALSE(handled);
  QCoreApplication::processEvents();
}

TEST(PlaybackWait, NestedWaitInterruptedEndsTheOuterToo) {
  PlaybackWait wait;
  bool innerResult = true;
  QTimer::singleShot(5, [&] {
    QTimer::singleShot(5, [&] { wait.Interrupt(); });
    innerResult = wait.WaitUntil(Clock::now() + 10s, true);
  });
  const auto start = Clock::now();
  EXPECT_FALSE(wait.WaitUntil(start + 10s, true));
  EXPECT_FALSE(innerResult);
  EXPECT_LT(Clock::now() - start, 1s);
}

TEST(PlaybackWait, QuittingTheApplicationEndsTheWait) {
  PlaybackWait wait;
  bool result = true;
  Clock::duration took{};
  QTimer::singleShot(0, [&] {
    const auto start = Clock::now();
    result = wait.WaitUntil(start + 10s, true);
    took = Clock::now() - start;
  });
  QTimer::singleShot(20, [] { QCoreApplication::exit(0); });
  QCoreApplication::exec();
  EXPECT_FALSE(result);
  EXPECT_LT(took, 1s);
  // Later waits work as before.
  EXPECT_TRUE(wait.WaitUntil(Clock::now() + 5ms, true));
}
