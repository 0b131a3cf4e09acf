#include "core/guitar/tuning.h"

#include <gtest/gtest.h>

#include "core/chordsheet/chord_line.h"
#include "core/guitar/capo.h"

using namespace strumbly;

TEST(Tuning, OffsetsRunStringOneFirst) {
  EXPECT_EQ(TuningOffsets(555555), (StringOffsets{0, 0, 0, 0, 0, 0}));
  // D major: strings 6..1 sound D A D F# A D.
  EXPECT_EQ(TuningOffsets(355433), (StringOffsets{-2, -2, -1, 0, 0, -2}));
  EXPECT_EQ(TuningOffsets(123456), (StringOffsets{1, 0, -1, -2, -3, -4}));
  EXPECT_EQ(TuningOffsets(999999), (StringOffsets{4, 4, 4, 4, 4, 4}));
  // A digit 0 lowers its string by five semitones.
  EXPECT_EQ(TuningOffsets(505555), (StringOffsets{0, 0, 0, 0, -5, 0}));
}

TEST(Tuning, LongTagsUseTheirFirstSixDigits) {
  EXPECT_EQ(TuningOffsets(3554331), TuningOffsets(355433));
  EXPECT_EQ(TuningOffsets(2147483647), TuningOffsets(214748));
  EXPECT_EQ(BuildCustomTuningCaption(1335659), "&Custom Tuning - C G C G C E");
}

// Tags too short to hold six digits, and negative ones, stand for standard
// tuning everywhere instead of failing half-way.
TEST(Tuning, ShortAndNegativeTagsAreStandardTuning) {
  for (TuningTag tag : {0, 5, 12345, 99999, -1, -55555, -555555, -2147483647 - 1}) {
    SCOPED_TRACE(tag);
    EXPECT_FALSE(IsReadableTuningTag(tag));
    EXPECT_EQ(NormalizeTuningTag(tag), kStandardTuningTag);
    EXPECT_EQ(TuningOffsets(tag), (StringOffsets{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(FindTuningPreset(tag), &kTuningPresets[0]);
    EXPECT_EQ(BuildCustomTuningCaption(tag), "&Custom Tuning - E A D G B E");
  }
  EXPECT_TRUE(IsReadableTuningTag(100000));
  EXPECT_EQ(TuningOffsets(100000), (StringOffsets{-5, -5, -5, -5, -5, -4}));
}

TEST(Tuning, NoteTableIsEachStringsNoteMovedBySemitones) {
  static const char* kNames[12] = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
  for (int digit = 1; digit <= 9; ++digit)
    for (int s = 0; s < 6; ++s) {
      const int pitch = StandardOpenPitch[static_cast<std::size_t>(s)] + digit - 5;
      EXPECT_STREQ(TuningNoteName(digit, s), kNames[pitch % 12]) << "digit " << digit << " string " << s + 1;
    }
  for (int s = 0; s < 6; ++s) EXPECT_STREQ(TuningNoteName(0, s), "?");
  EXPECT_STREQ(TuningNoteName(10, 0), "?");
  EXPECT_STREQ(TuningNoteName(5, 6), "?");
}

TEST(Tuning, CustomCaptionNamesStringSixFirst) {
  EXPECT_EQ(BuildCustomTuningCaption(133565), "&Custom Tuning - C G C G C E");
  EXPECT_EQ(BuildCustomTuningCaption(555555), "&Custom Tuning - E A D G B E");
  EXPECT_EQ(BuildCustomTuningCaption(505555), "&Custom Tuning - E ? D G B E");
  EXPECT_EQ(BuildCustomTuningCaption(355433), "&Custom Tuning - D A D F# A D");
  EXPECT_EQ(BuildCustomTuningCaption(kDefaultUserTuningTag), kDefaultUserTuningCaption);
  // The menu's caption: a preset's own, any other tag's notes.
  EXPECT_EQ(TuningCaption(355433), "&D Major Tuning - D A D F# A D");
  EXPECT_EQ(TuningCaption(-7), "&Standard Tuning - E A D G B E");
  EXPECT_EQ(TuningCaption(133565), kDefaultUserTuningCaption);
  // Every preset's own caption lists the same notes.
  for (const auto& preset : kTuningPresets) {
    const std::string notes = BuildCustomTuningCaption(preset.tag).substr(17);
    const std::string caption = preset.caption;
    EXPECT_EQ(caption.substr(caption.size() - notes.size()), notes) << preset.objectName;
  }
}

TEST(Tuning, PresetsAreFoundByTheirTagOnly) {
  EXPECT_EQ(FindTuningPreset(555555), &kTuningPresets[0]);
  EXPECT_EQ(FindTuningPreset(355433), &kTuningPresets[1]);
  EXPECT_EQ(FindTuningPreset(335553), &kTuningPresets[2]);
  EXPECT_EQ(FindTuningPreset(355555), &kTuningPresets[3]);
  EXPECT_EQ(FindTuningPreset(133565), nullptr);
  EXPECT_EQ(FindTuningPreset(5555555), nullptr);  // a different value, even if it sounds standard
  EXPECT_EQ(FindTuningPreset(100000), nullptr);
}

TEST(Tuning, StatusTextDropsTheFirstAmpersand) {
  EXPECT_EQ(TuningStatusText("&Standard Tuning - E A D G B E"), "Standard Tuning - E A D G B E");
  EXPECT_EQ(TuningStatusText("Dro&pped D Tuning - D A D G B E"), "Dropped D Tuning - D A D G B E");
  EXPECT_EQ(TuningStatusText("&Custom Tuning - C G C G C E"), "Custom Tuning - C G C G C E");
  EXPECT_EQ(TuningStatusText("A&&B"), "A&B");
  EXPECT_EQ(TuningStatusText("No ampersand"), "No ampersand");
  EXPECT_EQ(TuningStatusText(""), "");
  // At most 100 characters follow the ampersand.
  const std::string tail(150, 'x');
  EXPECT_EQ(TuningStatusText("ab&" + tail), "ab" + std::string(100, 'x'));
  EXPECT_EQ(TuningStatusText("&" + std::string(99, 'x') + "\xC3\xA9yz"), std::string(99, 'x') + "\xC3\xA9");
}

TEST(Tuning, SoundingPitchAddsOffsetAndSkipsSilentStrings) {
  EXPECT_EQ(SoundingPitch(64, 0), 64);
  EXPECT_EQ(SoundingPitch(40, -2), 38);
  EXPECT_EQ(SoundingPitch(45, -5), 40);
  EXPECT_EQ(SoundingPitch(SilentPitch, -2), SilentPitch);
  EXPECT_EQ(SoundingPitch(SilentPitch, 4), SilentPitch);
  // C major under D major tuning.
  const std::array<std::uint8_t, 6> cMajor{64, 60, 55, 52, 48, 255};
  EXPECT_EQ(SoundingPitches(cMajor, TuningOffsets(355433)), (std::array<int, 6>{62, 58, 54, 52, 48, 255}));
}

TEST(Tuning, TheCapoIsReadFromTheSongAndRaisesEveryString) {
  const struct {
    std::vector<std::string> lines;
    int capo;
  } songs[] = {
      {{"* Title: Song", "C, x, 3, 2, 0, 1, 0, Q"}, 0},
      {{"* Capo: 3", "C, x, 3, 2, 0, 1, 0, Q"}, 3},
      {{"*capo:11"}, 11},
      {{"* CAPO: 2 (live)", "* Capo: 5"}, 5},         // the last one counts
      {{"* Capo: 5", "* Capo: 12", "* Capo: x"}, 5},  // ... when it is one
      {{"* Capo: -1"}, 0},
      {{"* Capo: 123"}, 0},
      {{"* Capo:"}, 0},
      {{"Capo: 4, x, 3, 2, 0, 1, 0, Q"}, 0},  // not a comment line
  };
  for (const auto& s : songs) EXPECT_EQ(FindSongCapo(s.lines), s.capo) << s.lines[0];
  // Setting it: replaced where it stands, removed for 0, otherwise put in
  // after the comment lines at the top.
  const std::vector<std::string> song{"* Title: T", "* Sub: S", "C, x, 3, 2, 0, 1, 0, Q"};
  const auto capo2 = SongLinesWithCapo(song, 2);
  EXPECT_EQ(capo2, (std::vector<std::string>{"* Title: T", "* Sub: S", "* Capo: 2", "C, x, 3, 2, 0, 1, 0, Q"}));
  EXPECT_EQ(FindSongCapo(capo2), 2);
  EXPECT_EQ(SongLinesWithCapo(capo2, 4)[2], "* Capo: 4");
  EXPECT_EQ(SongLinesWithCapo(capo2, 0), song);
  EXPECT_EQ(SongLinesWithCapo(song, 0), song);
  EXPECT_EQ(SongLinesWithCapo({"* capo: 2 (live)"}, 2), (std::vector<std::string>{"* capo: 2 (live)"}));
  // C major with a capo at 2 sounds D major; unplayed strings stay silent.
  const std::array<std::uint8_t, 6> cMajor{64, 60, 55, 52, 48, 255};
  EXPECT_EQ(SoundingPitches(cMajor, TuningOffsets(555555), 2), (std::array<int, 6>{66, 62, 57, 54, 50, 255}));
  EXPECT_EQ(SoundingPitches(cMajor, TuningOffsets(355555), 0), SoundingPitches(cMajor, TuningOffsets(355555)));
  EXPECT_EQ(WithCapo(TuningOffsets(355555), 3), (StringOffsets{3, 3, 3, 3, 3, 1}));
  for (TuningTag tag : {555555, 355433, 133565, 944444}) EXPECT_EQ(TuningTagOf(TuningOffsets(tag)), tag);
  EXPECT_EQ(CapoText(0), "");
  EXPECT_EQ(CapoText(7), "Capo 7");
}
