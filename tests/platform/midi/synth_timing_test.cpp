// The built-in synthesizer places notes by the moment they were scheduled
// for, not by when they were sent: a capture of a minute of playing has every
// note where the schedule put it.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <filesystem>
#include <thread>

#include "platform/midi/synth_engine.h"
#include "support/audio_analysis.h"
#include "support/timed_capture.h"

using namespace strumbly;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

std::string TestSoundFont() {
  for (const char* p : {"/usr/share/sounds/sf2/TimGM6mb.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2"})
    if (std::filesystem::exists(p)) return p;
  return {};
}

}  // namespace

// 60 s at 120 bpm: a note every quarter (500 ms), sent 40 ms early, on
// time, or 3 ms late by turns, as a busy GUI thread would. Every onset in
// the capture lies within 1 ms of its place, and the error does not grow.
TEST(SynthTiming, CaptureKeepsTheScheduleOverAMinute) {
  const std::string sf = TestSoundFont();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  QTemporaryDir dir;
  constexpr int kNotes = 120;
  const auto capture =
      strumbly::test::CaptureTimedNotes(sf, (dir.path() + "/minute.wav").toStdString(), kNotes, 500ms, 120ms);
  ASSERT_TRUE(capture);
  ASSERT_EQ(capture->onsetsFound, static_cast<std::size_t>(kNotes));
  const double attack = capture->Attack();
  EXPECT_GE(attack, -0.7);
  EXPECT_LT(attack, 10.0);
  // The very first sound of the first note lies in the block it was due in.
  EXPECT_GE(capture->firstSoundFromBlock, 0);
  EXPECT_LT(capture->firstSoundFromBlock, 48);
  int tooLate = 0;
  for (std::size_t i = 0; i < capture->errorsMs.size(); ++i) {
    if (capture->sentInTime[i]) {
      EXPECT_NEAR(capture->errorsMs[i], attack, 1.0) << "note " << i;
    } else {
      ++tooLate;  // sounds as soon as possible: late, never early
      EXPECT_GT(capture->errorsMs[i], attack - 1.0) << "note " << i;
    }
  }
  EXPECT_LT(tooLate, kNotes / 2) << "the machine was too busy to measure";
  // No drift: the last notes lie where the first ones do. (A drift of the
  // old kind, 0.4 ms per second, would put them 24 ms apart; the detector
  // itself wavers by a few samples with the ringing of the note before.)
  EXPECT_NEAR(capture->MedianMs(kNotes - 20, kNotes), capture->MedianMs(0, 20), 0.5);
}

// A message for a moment long past sounds at once, and messages that are
// late together keep the order they were sent in: a note-off sent after its
// note-on never ends it before it began.
TEST(SynthTiming, LateMessagesKeepTheirOrder) {
  const std::string sf = TestSoundFont();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  auto synth = SynthEngine::Load(sf);
  ASSERT_NE(synth, nullptr);
  std::vector<float> l(SynthEngine::kSampleRate), r(l.size());
  synth->Render(l.data(), r.data(), static_cast<int>(l.size()));
  // Both for frames long rendered: the note starts now and ends now.
  synth->SendAtFrame(NoteOnMessage(0, 60, 0), 100);
  synth->SendAtFrame(NoteOffMessage(0, 60, 0), 50);
  synth->SendAtFrame(NoteOnMessage(0, 64, 0), synth->FramesRendered() + 4800);
  synth->Render(l.data(), r.data(), 2400);
  EXPECT_EQ(synth->Pending(), 1u);
  synth->Render(l.data(), r.data(), 4800);
  EXPECT_EQ(synth->Pending(), 0u);
  // Without an output running there is no clock: SendAt acts at once.
  EXPECT_EQ(synth->FrameAt(Clock::now()), -1);
  synth->SendAt(NoteOffMessage(0, 64, 0), Clock::now() + 1h);
  EXPECT_EQ(synth->Pending(), 0u);
}

// A queued note starts on the 64-frame block nearest its frame: the
// rendered onset moves with the frame asked for.
TEST(SynthTiming, QueuedNoteStartsOnItsFrame) {
  const std::string sf = TestSoundFont();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  for (int frame : {4800, 4800 + 640, 4800 + 6400}) {
    auto synth = SynthEngine::Load(sf);
    ASSERT_NE(synth, nullptr);
    synth->Send(ProgramChangeMessage(0, 24));
    synth->SendAtFrame(NoteOnMessage(0, 57, 0), frame);
    strumbly::test::MonoAudio audio;
    audio.sampleRate = SynthEngine::kSampleRate;
    std::vector<float> l(SynthEngine::kSampleRate / 2), r(l.size());
    synth->Render(l.data(), r.data(), static_cast<int>(l.size()));
    for (std::size_t i = 0; i < l.size(); ++i) audio.samples.push_back((l[i] + r[i]) / 2);
    std::size_t first = 0;
    while (first < audio.samples.size() && std::fabs(audio.samples[first]) < 1e-5f) ++first;
    const double at = static_cast<double>(first) - SynthEngine::kOutputDelayFrames;
    EXPECT_GE(at, frame - 1) << frame;
    EXPECT_LT(at, frame + 48) << frame;  // within 1 ms
  }
}
