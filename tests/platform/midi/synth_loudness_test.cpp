// How loud the built-in synthesizer plays: dense strums must never reach
// full scale on any instrument of the Instrument menu, and a single chord
// must still be well audible.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/chordsheet/chord_line.h"
#include "core/sound/timing.h"
#include "platform/midi/synth_engine.h"

using namespace strumbly;

namespace {

// The soundfont the program uses when the user chose none.
std::string DefaultSoundFontOrEmpty() {
  const std::string path = FindSoundFont("");
  return std::filesystem::exists(path) ? path : std::string();
}

ChordRecord Chord(const char* line) {
  ChordRecord r;
  EXPECT_EQ(ParseChordText(line, 0, r), "");
  return r;
}

// Plays the chord count times, each lengthMs long, note-ons of a chord on
// one frame, and gives back the highest sample of either channel.
float PeakOfStrums(SynthEngine& synth, int program, const ChordRecord& chord, int lengthMs, int count, int tailMs) {
  synth.Send(ProgramChangeMessage(0, program));
  const std::int64_t start = synth.FramesRendered();
  const std::int64_t length = static_cast<std::int64_t>(lengthMs) * SynthEngine::kSampleRate / 1000;
  for (int i = 0; i < count; ++i) {
    for (auto p : chord.Pitches)
      if (p != SilentPitch) synth.SendAtFrame(NoteOnMessage(0, p, 0), start + i * length);
    for (auto p : chord.Pitches)
      if (p != SilentPitch) synth.SendAtFrame(NoteOffMessage(0, p, 0), start + (i + 1) * length);
  }
  const int frames =
      static_cast<int>(count * length + static_cast<std::int64_t>(tailMs) * SynthEngine::kSampleRate / 1000);
  std::vector<float> left(static_cast<std::size_t>(frames)), right(left.size());
  synth.Render(left.data(), right.data(), frames);
  float peak = 0;
  for (std::size_t i = 0; i < left.size(); ++i) peak = std::max({peak, std::fabs(left[i]), std::fabs(right[i])});
  // Let everything die away before the next measurement.
  std::vector<float> rest(SynthEngine::kSampleRate * 3);
  std::vector<float> rest2(rest.size());
  synth.Render(rest.data(), rest2.data(), static_cast<int>(rest.size()));
  return peak;
}

// The eight guitar sounds of the menu and the default user program.
constexpr int kMenuPrograms[] = {24, 25, 26, 27, 28, 29, 30, 31, 0};

}  // namespace

// 64th notes at 500 bpm, six strings at full velocity: the densest strum
// the program can play.
TEST(SynthLoudness, DenseStrumsStayBelowFullScale) {
  const std::string sf = DefaultSoundFontOrEmpty();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  auto synth = SynthEngine::Load(sf);
  ASSERT_NE(synth, nullptr);
  const int sixtyFourth = DurationValue("F", WholeNoteMs(kMaxTempo));
  ASSERT_GT(sixtyFourth, 0);
  const ChordRecord e = Chord("E, 0, 2, 2, 1, 0, 0, F");
  for (int program : kMenuPrograms) {
    const float peak = PeakOfStrums(*synth, program, e, sixtyFourth, 2000 / sixtyFourth, 500);
    EXPECT_LT(peak, 0.9f) << "program " << program;
    RecordProperty("peak_dense_" + std::to_string(program), std::to_string(peak));
  }
}

// One quarter-note chord at 120 bpm still sounds clearly.
TEST(SynthLoudness, SingleChordIsWellAudible) {
  const std::string sf = DefaultSoundFontOrEmpty();
  if (sf.empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  auto synth = SynthEngine::Load(sf);
  ASSERT_NE(synth, nullptr);
  const int quarter = DurationValue("Q", WholeNoteMs(120));
  for (const char* line : {"E, 0, 2, 2, 1, 0, 0, Q", "C, x, 3, 2, 0, 1, 0, Q"}) {
    const ChordRecord chord = Chord(line);
    for (int program : kMenuPrograms) {
      const float peak = PeakOfStrums(*synth, program, chord, quarter, 1, 500);
      RecordProperty(std::string("peak_single_") + line[0] + "_" + std::to_string(program), std::to_string(peak));
      EXPECT_GT(peak, 0.25f) << line << " program " << program;
      EXPECT_LT(peak, 0.9f) << line << " program " << program;
    }
  }
}
