#include <QTemporaryDir>
#include <filesystem>

#include "platform/midi/builtin_synth.h"
#include "platform/settings_store.h"
#include "support/sound_window_fixture.h"

using namespace strumbly;
using strumbly::test::SoundWindowTest;

// The program loads the built-in synthesizer while it starts, with the
// soundfont of the settings, so the first chord does not wait for it.
TEST_F(SoundWindowTest, StartUpLoadsTheSynthesizerInTheBackground) {
  const char* font = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  {
    IniSettingsStore store(settingsPath());
    store.Write("Midi", "SoundFont", font);
    store.Commit();
  }
  QTemporaryDir audio;
  qputenv(BuiltinSynth::kAudioFileVariable, audio.filePath("start.wav").toUtf8());
  qunsetenv(TfrmMain::kNoPreloadVariable);
  Start();
  qputenv(TfrmMain::kNoPreloadVariable, "1");
  EXPECT_EQ(window->settings().SoundFont, font);
  EXPECT_TRUE(BuiltinSynth::Instance().LoadingStarted());
  if (!std::filesystem::exists(font)) GTEST_SKIP() << "the small soundfont is not installed";
  EXPECT_TRUE(BuiltinSynth::Instance().WaitUntilReady());
}
