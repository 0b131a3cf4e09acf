// Transposing chord lines: names, frets, the dictionary's shapes and the
// report of chords that cannot move.
#include "core/guitar/transpose.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/chordsheet/chord_line.h"
#include "core/chordsheet/dictionary.h"
#include "core/guitar/chord_naming.h"

namespace strumbly {
namespace {

std::vector<std::string> ShippedDictionary() {
  std::ifstream in(STRUMBLY_SOURCE_DIR "/resources/dictionary/CHORDS.DCT", std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return ParseDictionaryText(bytes.str());
}

TransposeResult Transpose(const std::vector<std::string>& lines, int n, const ShapeLookup& lookup = {}) {
  return TransposeLines(lines, 0, static_cast<int>(lines.size()) - 1, n, lookup);
}

TEST(Transpose, NamesKeepTheirKindAndFollowTheKey) {
  const struct {
    const char* name;
    int n;
    bool flats;
    const char* renamed;
  } cases[] = {
      {"D/F#", 2, false, "E/G#"},     {"Bm7b5", 2, false, "C#m7b5"},
      {"Asus4", 1, true, "Bbsus4"},   {"Cadd9", -1, false, "Badd9"},
      {"Ebmaj7", 3, false, "F#maj7"}, {"C#m(maj7)", 1, false, "Dm(maj7)"},
      {"C6/9", 5, true, "F6/9"},      {"Gdim7", 6, true, "Dbdim7"},
      {"A/C#", -2, false, "G/B"},     {"Rest", 3, false, "Rest"},
      {"Intro", 3, false, "Intro"},   {"Bridge", 3, false, "Bridge"},
      {"Em", 12, false, "Em"},        {"", 2, false, ""},
      {"Chorus", 1, true, "Chorus"},
  };
  for (const auto& c : cases) EXPECT_EQ(TransposeChordName(c.name, c.n, c.flats), c.renamed) << c.name;
  EXPECT_TRUE(IsFlatKey(5) && IsFlatKey(10) && IsFlatKey(3) && IsFlatKey(8) && IsFlatKey(1));
  EXPECT_FALSE(IsFlatKey(0) || IsFlatKey(7) || IsFlatKey(6) || IsFlatKey(11));
  // The first chord's key decides: G up 3 is Bb (flats); Em up 1 is Fm,
  // whose relative major Ab has flats too.
  auto r = Transpose({"G, 3, 2, 0, 0, 0, 3, Q", "D/F#, 2, x, 0, 2, 3, 2, Q"}, 3);
  EXPECT_EQ(r.lines, (std::vector<std::string>{"Bb, 6, 5, 3, 3, 3, 6, Q", "F/A, 5, x, 3, 5, 6, 5, Q"}));
  r = Transpose({"Em, 0, 2, 2, 0, 0, 0, Q", "B7, x, 2, 1, 2, 0, 2, Q"}, 1);
  EXPECT_EQ(r.lines[1], "C7, x, 3, 2, 3, 1, 3, Q");
  EXPECT_EQ(r.lines[0], "Fm, 1, 3, 3, 1, 1, 1, Q");
}

TEST(Transpose, FretsMoveOrTakeAnotherShapeOrStay) {
  const DictionaryShapes shapes({"Bb, x, 1, 3, 3, 3, 1, Q", "Bbm, x, 1, 3, 3, 2, 1, Q", "Bb7, x, 1, 3, 1, 3, 1, Q",
                                 "C#m, x, 4, 6, 6, 5, 4, Q", "C#m, x, x, 2, 1, 2, 0, Q", "F, 1, 3, 3, 2, 1, 1, Q"});
  const ShapeLookup lookup = [&shapes](std::string_view name) { return shapes.First(name); };
  // Either spelling finds the entry, the first shape of a name wins.
  EXPECT_EQ(shapes.First("A#"), shapes.First("Bb"));
  EXPECT_EQ((*shapes.First("Dbm"))[1], 5);
  EXPECT_FALSE(shapes.First("Bbsus4"));

  const std::vector<std::string> song{
      "* Title: Song",
      "C, x, 3, 2, 0, 1, 0, Q",    // down 2: open strings -> the dictionary's Bb
      "Cm, x, 3, 5, 5, 4, 3, .E",  // moves: Bbm at the first fret
      "",
      "Cmaj7, x, 3, 2, 0, 0, 0, Q",  // no Bbmaj7 entry: an octave up
      "Rest, x, x, x, x, x, x, H",
      "Csus4, x, 3, 3, 0, 1, 13, W",  // open strings and fret 13: stays
      "Intro, x, 0, 2, 2, 1, 0, Q",   // no chord name: an octave up
      "Bad line",
      "Gb7, 2, 4, 2, 3, 2, 2, Q",
  };
  const auto r = Transpose(song, -2, lookup);
  const std::vector<std::string> expected{
      "* Title: Song",
      "Bb, x, 1, 3, 3, 3, 1, Q",
      "Bbm, x, 1, 3, 3, 2, 1, .E",
      "",
      "Bbmaj7, x, 13, 12, 10, 10, 10, Q",
      "Rest, x, x, x, x, x, x, H",
      "Csus4, x, 3, 3, 0, 1, 13, W",
      "Intro, x, 10, 12, 12, 11, 10, Q",
      "Bad line",
      "E7, 0, 2, 0, 1, 0, 0, Q",
  };
  EXPECT_EQ(r.lines, expected);
  EXPECT_EQ(r.stayed, (std::vector<int>{6}));
  EXPECT_EQ(r.report, "The chord on line 7 was not transposed: no shape of the new chord lies within frets 0 to 18.");
  // A dictionary shape that does not sound the name is not taken.
  const DictionaryShapes wrong({"Bb, 0, 2, 2, 1, 0, 0, Q"});
  EXPECT_EQ(Transpose({"C, x, 3, 2, 0, 1, 0, Q"}, -2, [&](std::string_view n) { return wrong.First(n); }).lines[0],
            "Bb, x, 13, 12, 10, 11, 10, Q");
  // Only the range moves; several stayed lines share one message.
  const auto part = TransposeLines(
      {"C, 0, x, x, x, x, 18, Q", "G, 3, 2, 0, 0, 0, 3, Q", "E, 0, x, x, x, x, 18, Q", "A, x, 0, 2, 2, 2, 0, Q"}, 0, 2,
      1, {});
  EXPECT_EQ(part.first, 0);
  EXPECT_EQ(part.lines.size(), 3u);
  // The first chord (C up 1: Db) decides the key, though it stays.
  EXPECT_EQ(part.lines[1], "Ab, 4, 3, 1, 1, 1, 4, Q");
  EXPECT_EQ(part.report,
            "The chords on lines 1, 3 were not transposed: no shape of the new chord lies within frets 0 to 18.");
}

// Every chord of the shipped dictionary, moved by every step, still sounds
// its new name: the namer gives it (in either spelling) among its answers.
TEST(Transpose, TheWholeDictionaryStillSoundsItsNewNames) {
  const auto entries = ShippedDictionary();
  ASSERT_GT(entries.size(), 100u);
  const DictionaryShapes shapes(entries);
  const ShapeLookup lookup = [&shapes](std::string_view name) { return shapes.First(name); };
  int checked = 0, stayed = 0;
  for (int n = -kMaxTransposeSteps; n <= kMaxTransposeSteps; ++n) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      ChordRecord before;
      if (!ParseChordText(entries[i], 0, before).empty() || KindOf(before, {}) != RecordKind::Chord) continue;
      const auto r = Transpose({entries[i]}, n, lookup);
      if (!r.stayed.empty()) {
        ++stayed;
        continue;
      }
      ChordRecord after;
      ASSERT_EQ(ParseChordText(r.lines[0], 0, after), "");
      const auto wanted = ParseChordName(after.Name);
      ASSERT_TRUE(wanted) << after.Name;
      bool named = false;
      for (const ChordSpelling& s : NameNotes(SoundingNotes(after.Frets, TuningOffsets(kStandardTuningTag))))
        named |= s.root == wanted->root && s.kind == wanted->kind && s.bass == wanted->bass;
      EXPECT_TRUE(named) << entries[i] << " by " << n << " -> " << r.lines[0];
      ++checked;
    }
  }
  EXPECT_GT(checked, 20 * static_cast<int>(entries.size()));
  EXPECT_LT(stayed, checked / 100);
}

}  // namespace
}  // namespace strumbly
