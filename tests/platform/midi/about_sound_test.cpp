#include "platform/midi/about_sound.h"

#include <gtest/gtest.h>

#include <QTest>
#include <map>

using namespace strumbly;

TEST(AboutSound, LoopsItsPhraseAndEndsEveryNote) {
  std::vector<ShortMessage> sent;
  AboutSound sound([&](const ShortMessage& m) { sent.push_back(m); }, [] { return true; });
  sound.SetStepMs(5);
  sound.Start();
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent[0], ProgramChangeMessage(AboutSound::kChannel, AboutSound::kProgram));
  EXPECT_TRUE(sound.Playing());
  // Past the end of the phrase, so it has started again.
  const int firstKey = AboutSound::Phrase().front().key;
  auto started = [&] {
    int n = 0;
    for (const auto& m : sent) n += m.Kind() == kNoteOnStatus && m.data1 == firstKey;
    return n;
  };
  // The first key opens the phrase and sounds once more inside it.
  EXPECT_TRUE(QTest::qWaitFor([&] { return started() >= 3; }, 10000));
  sound.Stop();
  EXPECT_FALSE(sound.Playing());
  std::map<int, int> sounding;
  for (const auto& m : sent) {
    EXPECT_EQ(m.Channel(), AboutSound::kChannel);
    if (m.Kind() == kNoteOnStatus) {
      ++sounding[m.data1];
    }
    if (m.Kind() == kNoteOffStatus) --sounding[m.data1];
  }
  for (const auto& [key, count] : sounding) EXPECT_EQ(count, 0) << key;
  // Stopping again sends nothing more.
  const auto count = sent.size();
  sound.Stop();
  EXPECT_EQ(sent.size(), count);
}

TEST(AboutSound, SilentWithoutAudio) {
  std::vector<ShortMessage> sent;
  AboutSound sound([&](const ShortMessage& m) { sent.push_back(m); }, [] { return false; });
  sound.Start();
  EXPECT_FALSE(sound.Playing());
  QTest::qWait(AboutSound::kStepMs * 2);
  sound.Stop();
  EXPECT_TRUE(sent.empty());
}
