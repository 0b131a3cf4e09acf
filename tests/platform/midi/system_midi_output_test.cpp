#include "platform/midi/system_midi_output.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <thread>

#include "platform/midi/builtin_synth.h"
#include "support/audio_analysis.h"

using namespace strumbly;

TEST(SystemMidiOutput, DefaultDeviceIsTheBuiltInSynthesizer) {
  auto& out = SystemMidiOutput::Instance();
  EXPECT_EQ(out.DeviceName(-1), "Strumbly Synthesizer");
  const int count = out.DeviceCount();
  EXPECT_GE(count, 0);
  EXPECT_EQ(out.DeviceName(count), "");
  EXPECT_EQ(out.DeviceName(-2), "");
  for (int id = 0; id < count; ++id) EXPECT_NE(out.DeviceName(id), "");
}

TEST(SystemMidiOutput, IdsOutsideTheListAreOutOfRange) {
  auto& out = SystemMidiOutput::Instance();
  EXPECT_EQ(out.Open(out.DeviceCount()), MidiOpenResult::BadDeviceId);
  EXPECT_EQ(out.Open(out.DeviceCount() + 7), MidiOpenResult::BadDeviceId);
  EXPECT_EQ(out.Open(-2), MidiOpenResult::BadDeviceId);
  out.Send(NoteOnMessage(0, 60, 0));  // nothing open: ignored
  out.Close();
}

// The built-in synthesizer, started as the program starts it, with its
// sound going to a file: a note sent through the device is in the file.
// A first load that failed (a soundfont that is not there) does not leave
// the program without sound for good: asking again loads the good one.
TEST(SystemMidiOutput, BuiltInSynthesizerSoundsIntoTheAudioFile) {
  QTemporaryDir dir;
  const std::string wav = (dir.path() + "/out.wav").toStdString();
  setenv(BuiltinSynth::kAudioFileVariable, wav.c_str(), 1);
  auto& synth = BuiltinSynth::Instance();
  if (!synth.LoadingStarted() && std::filesystem::exists("/usr/share/sounds/sf2/TimGM6mb.sf2")) {
    synth.StartLoading("/nonexistent/none.sf2");
    EXPECT_FALSE(synth.WaitUntilReady());
    EXPECT_FALSE(synth.WaitUntilReady());  // waiting alone does not try again
    EXPECT_EQ(SystemMidiOutput::Instance().Open(-1), MidiOpenResult::NoDevice);
    synth.SelectProgram(0, 24);  // kept for the next load
  }
  BuiltinSynth::Instance().StartLoading("/usr/share/sounds/sf2/TimGM6mb.sf2");
  auto& out = SystemMidiOutput::Instance();
  if (!BuiltinSynth::Instance().WaitUntilReady()) GTEST_SKIP() << "no General MIDI soundfont installed";
  ASSERT_EQ(out.Open(-1), MidiOpenResult::Ok);
  EXPECT_EQ(out.Open(-1), MidiOpenResult::Allocated);
  out.Send(ProgramChangeMessage(0, 24));
  out.Send(NoteOnMessage(0, 57, 0));
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  out.Send(NoteOffMessage(0, 57, 0));
  out.Close();
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  // The file is still being written; what is there so far is enough.
  auto audio = strumbly::test::ReadWav(wav);
  ASSERT_TRUE(audio);
  ASSERT_GT(audio->samples.size(), static_cast<std::size_t>(audio->sampleRate / 4));
  const auto onsets = strumbly::test::FindOnsets(*audio, 0.01f);
  ASSERT_FALSE(onsets.empty());
  const std::size_t at = static_cast<std::size_t>((onsets[0] + 0.05) * audio->sampleRate);
  const std::size_t n = static_cast<std::size_t>(audio->sampleRate / 5);
  EXPECT_GT(strumbly::test::ToneStrength(audio->samples, audio->sampleRate, 220.0, at, n),
            10 * strumbly::test::ToneStrength(audio->samples, audio->sampleRate, 233.08, at, n));
}
