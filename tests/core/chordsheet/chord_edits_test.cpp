#include "core/chordsheet/chord_edits.h"

#include <gtest/gtest.h>

using namespace strumbly;

namespace {
using Frets = std::array<std::int32_t, 6>;
ChordRecord Parse(std::string_view text) {
  ChordRecord r;
  EXPECT_EQ(ParseChordText(text, 0, r), "");
  return r;
}
}  // namespace

TEST(ChordEdits, TemplateLines) {
  EXPECT_EQ(TemplateLine("Rest", " Q"), "Rest , x, x, x, x, x, x, Q");
  EXPECT_EQ(TemplateLine("Chord", " .E"), "Chord , x, x, x, x, x, x, .E");
  // The template parses as a chord with no string played.
  const ChordRecord r = Parse(TemplateLine("Chord", " .E"));
  EXPECT_EQ(r.Frets, (Frets{-1, -1, -1, -1, -1, -1}));
}

TEST(ChordEdits, ShiftingCMajorBothWays) {
  ChordRecord c = Parse("C, x, 3, 2, 0, 1, 0, Q");
  c.Frets = ShiftedFrets(c.Frets, +1);
  EXPECT_EQ(c.Frets, (Frets{1, 2, 1, 3, 4, -1}));
  ChordRecord d = Parse("C, x, 3, 2, 0, 1, 0, Q");
  d.Frets = ShiftedFrets(d.Frets, -1);
  EXPECT_EQ(d.Frets, (Frets{-1, 0, -1, 1, 2, -1}));  // open strings drop out
  // Shifting back does not bring a string that dropped out back.
  EXPECT_EQ(ShiftedFrets(d.Frets, +1), (Frets{-1, 1, -1, 2, 3, -1}));
  EXPECT_EQ(ShiftedFrets(Frets{18, 17, -1, 0, 5, 18}, +1), (Frets{-1, 18, -1, 1, 6, -1}));
}

TEST(ChordEdits, SetFretKeepsPitchesInStep) {
  ChordRecord r = Parse("C, x, 3, 2, 0, 1, 0, Q");
  SetFret(r, 5, 0);
  EXPECT_EQ(r.Pitches[5], 40);
  SetFret(r, 0, NotPlayed);
  EXPECT_EQ(r.Pitches[0], 255);
  EXPECT_EQ(FormatChordLine(r), "C, 0, 3, 2, 0, 1, x, Q");
}

TEST(ChordEdits, DurationCodesAndRetiming) {
  EXPECT_EQ(DurationCode('E', true), " .E");
  EXPECT_EQ(DurationCode('W', false), " W");
  EXPECT_EQ(RetimedLine("C, x, 3, 2, 0, 1, 0, Q", " .E"), "C, x, 3, 2, 0, 1, 0, .E");
  // The rest of the line keeps its own spacing.
  EXPECT_EQ(RetimedLine("C,x,3,2,0,1,0,  .h  ", " S"), "C,x,3,2,0,1,0, S");
  EXPECT_EQ(RetimedLine("no comma", " S"), "no comma");
}

TEST(ChordEdits, RenamingKeepsTheFretsAndTakesTheNameAsTyped) {
  EXPECT_EQ(RenamedLine("C, x, 3, 2, 0, 1, 0, Q", "Cmaj"), "Cmaj, x, 3, 2, 0, 1, 0, Q");
  EXPECT_EQ(RenamedLine("  C  , x, 3, 2, 0, 1, 0, Q  ", " C add9 "), " C add9 , x, 3, 2, 0, 1, 0, Q");
  // A number is written; the parser reports it later.
  const std::string seven = RenamedLine("C, x, 3, 2, 0, 1, 0, Q", "7");
  ChordRecord r;
  EXPECT_EQ(ParseChordText(seven, 4, r), "Line 5    Number not allowed for chord name.");
}

TEST(ChordEdits, SingleNotes) {
  EXPECT_EQ(SingleNotePitches(0, 3), (std::array<std::uint8_t, 6>{67, 255, 255, 255, 255, 255}));
  EXPECT_EQ(SingleNotePitches(5, 0), (std::array<std::uint8_t, 6>{255, 255, 255, 255, 255, 40}));
}
