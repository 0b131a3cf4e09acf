#include "platform/termination_signals.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <QCoreApplication>
#include <QSignalSpy>

using namespace strumbly;

TEST(TerminationSignals, EachSignalArrivesOnTheEventLoopAndTheOldHandlingReturns) {
  struct sigaction before {};
  sigaction(SIGTERM, nullptr, &before);
  {
    TerminationSignals caught;
    QSignalSpy spy(&caught, &TerminationSignals::terminationRequested);
    for (int s : {SIGTERM, SIGINT, SIGHUP}) {
      ASSERT_EQ(raise(s), 0);  // the process goes on: the signal is caught
      // Nothing happens inside the system's handler; the event loop delivers it.
      EXPECT_EQ(spy.count(), 0);
      ASSERT_TRUE(spy.wait(2000));
      EXPECT_EQ(spy.takeFirst().at(0).toInt(), s);
    }
    // Two at once are both delivered.
    raise(SIGINT);
    raise(SIGTERM);
    for (int i = 0; i < 20 && spy.count() < 2; ++i) spy.wait(100);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), SIGINT);
    EXPECT_EQ(spy.at(1).at(0).toInt(), SIGTERM);
    EXPECT_THROW(TerminationSignals second, std::logic_error);
  }
  struct sigaction after {};
  sigaction(SIGTERM, nullptr, &after);
  EXPECT_EQ(after.sa_handler, before.sa_handler);
  // A new object may catch them again.
  TerminationSignals again;
  QSignalSpy spy(&again, &TerminationSignals::terminationRequested);
  raise(SIGHUP);
  ASSERT_TRUE(spy.wait(2000));
}
