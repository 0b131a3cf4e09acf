#include "platform/midi/synth_engine.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "core/chordsheet/chord_line.h"
#include "platform/midi/builtin_synth.h"
#include "support/audio_analysis.h"

using namespace strumbly;
using strumbly::test::MidiKeyFrequency;
using strumbly::test::ToneStrength;

namespace {

// The smallest installed General MIDI soundfont, to keep the tests quick.
std::string TestSoundFont() {
  for (const char* p : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                        "/usr/share/sounds/sf2/default-GM.sf2"})
    if (std::filesystem::exists(p)) return p;
  return {};
}

std::vector<float> RenderMono(SynthEngine& synth, double seconds) {
  const int frames = static_cast<int>(seconds * SynthEngine::kSampleRate);
  std::vector<float> left(static_cast<std::size_t>(frames)), right(static_cast<std::size_t>(frames));
  synth.Render(left.data(), right.data(), frames);
  for (std::size_t i = 0; i < left.size(); ++i) left[i] = (left[i] + right[i]) / 2;
  return left;
}

double Strength(const std::vector<float>& audio, double f) {
  // From 50 ms in, over 400 ms: past the attack, while the chord rings.
  return ToneStrength(audio, SynthEngine::kSampleRate, f, SynthEngine::kSampleRate / 20,
                      SynthEngine::kSampleRate * 2 / 5);
}

}  // namespace

TEST(SynthEngine, SoundFontSettingComesFirst) {
  EXPECT_EQ(FindSoundFont("/somewhere/mine.sf2"), "/somewhere/mine.sf2");
  const std::string found = FindSoundFont("");
  if (!found.empty()) {
    EXPECT_TRUE(std::filesystem::exists(found));
    EXPECT_NE(std::find(DefaultSoundFonts().begin(), DefaultSoundFonts().end(), found), DefaultSoundFonts().end());
  }
  std::string error;
  EXPECT_EQ(SynthEngine::Load("", &error), nullptr);
  EXPECT_FALSE(error.empty());
  QTemporaryDir dir;
  const std::string bogus = (dir.path() + "/not-a-soundfont.sf2").toStdString();
  std::ofstream(bogus) << "nothing to hear";
  EXPECT_EQ(SynthEngine::Load(bogus, &error), nullptr);
}

TEST(SynthEngine, ASoundFontThatIsNoRegularFileIsRefusedWithoutWaiting) {
  QTemporaryDir dir;
  const std::string fifo = (dir.path() + "/pipe.sf2").toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  std::string error;
  auto load = std::async(std::launch::async, [&] { return SynthEngine::Load(fifo, &error) != nullptr; });
  if (load.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
    // The loader waits for a writer: give it one that writes nothing.
    ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
    ADD_FAILURE() << "the loader waited on the named pipe";
  }
  EXPECT_FALSE(load.get());
  EXPECT_EQ(error, "cannot load the soundfont " + fifo + ": it is a named pipe, not a regular file");
  EXPECT_EQ(SynthEngine::Load(dir.path().toStdString(), &error), nullptr);
  EXPECT_EQ(error, "cannot load the soundfont " + dir.path().toStdString() + ": it is a folder");

  const std::string sf = TestSoundFont();
  if (sf.empty()) return;
  auto engine = SynthEngine::Load(sf);
  ASSERT_TRUE(engine);
  EXPECT_FALSE(engine->ReplaceSoundFont(fifo, &error));
  EXPECT_EQ(error, "Cannot open file " + fifo + ": it is a named pipe, not a regular file.");
}

TEST(SynthEngine, RenderedChordHoldsItsPitches) {
  const std::string sf = TestSoundFont();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  auto synth = SynthEngine::Load(sf);
  ASSERT_NE(synth, nullptr);

  // A3 alone: 220 Hz stands far above the semitones next to it.
  synth->Send(ProgramChangeMessage(0, 24));
  synth->Send(NoteOnMessage(0, 57, 0));
  auto a3 = RenderMono(*synth, 0.5);
  synth->Send(NoteOffMessage(0, 57, 0));
  RenderMono(*synth, 1.5);  // let it die away
  EXPECT_GT(Strength(a3, 220.0), 10 * Strength(a3, MidiKeyFrequency(56)));
  EXPECT_GT(Strength(a3, 220.0), 10 * Strength(a3, MidiKeyFrequency(58)));

  // The A major chord x 0 2 2 2 0 sent as the program sends it, string 1
  // first: each of its fundamentals is present, a foreign pitch is not.
  ChordRecord chord;
  ASSERT_EQ(ParseChordText("A, x, 0, 2, 2, 2, 0, Q", 0, chord), "");
  for (auto p : chord.Pitches)
    if (p != SilentPitch) synth->Send(NoteOnMessage(0, p, 0));
  auto a = RenderMono(*synth, 0.5);
  for (auto p : chord.Pitches)
    if (p != SilentPitch) synth->Send(NoteOffMessage(0, p, 0));
  const double foreign = Strength(a, MidiKeyFrequency(53));  // F3, no note or overtone of the chord
  for (int key : {45, 52, 57, 61, 64}) EXPECT_GT(Strength(a, MidiKeyFrequency(key)), 10 * foreign) << key;

  // The octave shift moves the sound: key 57 shifted down is A2 at 110 Hz.
  RenderMono(*synth, 1.5);
  synth->Send(NoteOnMessage(0, 57, -12));
  auto a2 = RenderMono(*synth, 0.5);
  EXPECT_GT(Strength(a2, 110.0), 10 * Strength(a2, MidiKeyFrequency(46)));
}

// The file output keeps real time: a note sent 300 ms after the output
// started begins 300 ms into the file.
TEST(SynthEngine, AudioFileKeepsRealTime) {
  const std::string sf = TestSoundFont();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  QTemporaryDir dir;
  const std::string wav = (dir.path() + "/time.wav").toStdString();
  {
    auto synth = SynthEngine::Load(sf);
    ASSERT_NE(synth, nullptr);
    const auto t0 = std::chrono::steady_clock::now();
    ASSERT_TRUE(synth->StartAudio(wav));
    EXPECT_TRUE(synth->AudioRunning());
    std::this_thread::sleep_until(t0 + std::chrono::milliseconds(300));
    synth->Send(NoteOnMessage(0, 57, 0));
    std::this_thread::sleep_until(t0 + std::chrono::milliseconds(500));
    synth->Send(NoteOffMessage(0, 57, 0));
    std::this_thread::sleep_until(t0 + std::chrono::milliseconds(1300));
    synth->Send(NoteOnMessage(0, 64, 0));
    std::this_thread::sleep_until(t0 + std::chrono::milliseconds(1500));
  }
  auto audio = strumbly::test::ReadWav(wav);
  ASSERT_TRUE(audio);
  EXPECT_EQ(audio->sampleRate, SynthEngine::kSampleRate);
  const double seconds = static_cast<double>(audio->samples.size()) / audio->sampleRate;
  EXPECT_NEAR(seconds, 1.5, 0.1);
  const auto onsets = strumbly::test::FindOnsets(*audio, 0.01f);
  ASSERT_EQ(onsets.size(), 2u);
  EXPECT_NEAR(onsets[0], 0.300, 0.025);
  EXPECT_NEAR(onsets[1] - onsets[0], 1.000, 0.025);
}

// Waiting for the built-in synthesizer has a limit: a loader that does not
// come back (a soundfont on a disk that does not answer) leaves the caller
// free after it, and the loading ends in the background.
TEST(BuiltinSynth, WaitingForALoaderThatHangsEndsAtTheLimit) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  BuiltinSynth synth([released](const std::string&) -> std::unique_ptr<SynthEngine> {
    released.wait();
    return nullptr;
  });
  synth.StartLoading("/a/slow/disk.sf2");
  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(synth.WaitUntilReady(std::chrono::milliseconds(200)));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
  EXPECT_FALSE(synth.Ready());
  release.set_value();
  EXPECT_FALSE(synth.WaitUntilReady());  // the loader came back without an engine
}
