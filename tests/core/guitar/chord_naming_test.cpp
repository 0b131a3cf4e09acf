#include "core/guitar/chord_naming.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "core/chordsheet/chord_line.h"
#include "core/chordsheet/dictionary.h"

using namespace strumbly;
using ::testing::ElementsAre;

namespace {

// Frets as a chord line writes them, string 6 first: "x,3,2,0,1,0".
std::array<std::int32_t, 6> Frets(std::initializer_list<int> lowToHigh) {
  std::array<std::int32_t, 6> frets{};
  std::size_t i = 5;
  for (int f : lowToHigh) frets[i--] = f;
  return frets;
}
constexpr int x = NotPlayed;

std::string First(std::initializer_list<int> lowToHigh, TuningTag tuning = kStandardTuningTag) {
  const auto names = NameChord(Frets(lowToHigh), tuning);
  return names.empty() ? "<none>" : names.front();
}

std::vector<int> Notes(std::initializer_list<int> lowToHigh) {
  return SoundingNotes(Frets(lowToHigh), TuningOffsets(kStandardTuningTag));
}

}  // namespace

TEST(ChordNaming, HardCasesNameTheirChordFirst) {
  EXPECT_EQ(First({x, 0, 2, 2, 1, 0}), "Am");
  EXPECT_EQ(First({3, 2, 0, 0, 0, 3}), "G");
  EXPECT_EQ(First({x, x, 0, 2, 1, 2}), "D7");
  EXPECT_EQ(First({0, 2, 2, 1, 0, 0}), "E");
  EXPECT_EQ(First({x, 3, 2, 0, 1, 3}), "C");  // the high G rings on top
  EXPECT_EQ(First({x, 3, 2, 0, 3, 0}), "Cadd9");
  EXPECT_EQ(First({3, 0, 0, 2, 0, 3}), "Gadd9");
  EXPECT_EQ(First({2, x, 0, 2, 3, 2}), "D/F#");
  EXPECT_EQ(First({3, 3, 2, 0, 1, 0}), "C/G");
  EXPECT_EQ(First({x, 2, 0, 0, 0, 3}), "G/B");
  // A bass foreign to the triad under it reads as triad over bass.
  EXPECT_EQ(First({3, 0, 2, 2, 1, 0}), "Am/G");
  EXPECT_EQ(First({2, 2, 0, 0, 0, 3}), "G/F#");
}

TEST(ChordNaming, RootInTheBassDecidesBetweenNamesOfTheSameNotes) {
  // C E G A is C6 over C and Am7 over A; C E A over C is C6 without its fifth.
  EXPECT_THAT(NameChord(Frets({x, 3, 2, 2, 1, 0}), kStandardTuningTag).front(), "C6");
  EXPECT_THAT(NameChord(Frets({x, 0, 2, 0, 1, 0}), kStandardTuningTag).front(), "Am7");
  // The other reading follows as a slash chord.
  const auto c6 = NameChord(Frets({x, 3, 2, 2, 1, 0}), kStandardTuningTag);
  EXPECT_NE(std::find(c6.begin(), c6.end(), "Am/C"), c6.end());
  EXPECT_EQ(First({x, x, 0, 2, 3, 0}), "Dsus2");
  EXPECT_EQ(First({x, 0, 0, 2, 3, 0}), "Asus4");
  EXPECT_EQ(First({x, 0, 0, 2, 3, 2}), "D/A");
  EXPECT_EQ(First({x, 2, 3, 1, 3, x}), "Bdim7");
  EXPECT_EQ(First({x, 3, 2, 1, 1, x}), "Caug");
  EXPECT_EQ(First({x, 2, 3, 2, 3, x}), "Bm7b5");
  EXPECT_EQ(First({5, 7, 7, x, x, x}), "A5");
}

TEST(ChordNaming, TheTuningChangesTheName) {
  // Open strings in D major tuning sound D A D F# A D.
  EXPECT_EQ(First({0, 0, 0, 0, 0, 0}, 355433), "D");
  // Dropped D: the low string sounds D under an open D chord shape.
  EXPECT_EQ(First({0, x, 0, 2, 3, 2}, 355555), "D");
  EXPECT_EQ(First({0, x, 0, 2, 3, 2}), "D/E");
  // Every string a semitone high: an E shape sounds F.
  EXPECT_EQ(First({0, 2, 2, 1, 0, 0}, 666666), "F");
  // A capo adds its frets: a C shape at capo 2 sounds D, under any tuning.
  EXPECT_EQ(NameChord({0, 1, 0, 2, 3, x}, 555555, 2).front(), "D");
  EXPECT_EQ(NameChord({0, 0, 1, 2, 2, 0}, 666666, 1).front(), "F#");
}

TEST(ChordNaming, NoNameForTooFewNotes) {
  EXPECT_THAT(NameChord(Frets({x, x, x, x, x, x}), kStandardTuningTag), ElementsAre());
  EXPECT_THAT(NameChord(Frets({0, x, x, x, x, 0}), kStandardTuningTag), ElementsAre());
  // Notes no listed chord holds: C, C# and D together.
  EXPECT_THAT(NameChord(Frets({x, 3, 4, 5, x, x}), kStandardTuningTag), ElementsAre());
}

TEST(ChordNaming, NamesAreReadAndSpelled) {
  const auto chord = ParseChordName("Bbm7b5/Ab");
  ASSERT_TRUE(chord);
  EXPECT_EQ(chord->root, 10);
  EXPECT_EQ(chord->kind, ChordKind::HalfDim);
  EXPECT_EQ(chord->bass, 8);
  EXPECT_EQ(ChordNameText(*chord), "Bbm7b5/Ab");
  EXPECT_EQ(ChordNameText(*ParseChordName("Db7sus4")), "C#7sus4");
  EXPECT_EQ(ParseChordName("Cb")->root, 11);
  EXPECT_EQ(ParseChordName("E#")->root, 5);
  for (const char* bad : {"", "Rest", "c", "H7", "Cmaj", "CM7", "C/", "C/x", "C/G#m", "C7 ", "Am7b6", "C##"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(ParseChordName(bad));
  }
}

TEST(ChordNaming, MatchingFollowsTheToneRule) {
  const auto cMajor = Notes({x, 3, 2, 0, 1, 0});
  EXPECT_TRUE(NameMatchesNotes("C", cMajor));
  EXPECT_FALSE(NameMatchesNotes("Cm", cMajor));   // the third is major
  EXPECT_FALSE(NameMatchesNotes("C7", cMajor));   // the seventh does not sound
  EXPECT_FALSE(NameMatchesNotes("Am", cMajor));   // G is outside Am
  EXPECT_FALSE(NameMatchesNotes("C/E", cMajor));  // the bass is C
  EXPECT_FALSE(NameMatchesNotes("Rest", cMajor));
  // The fifth may be left out, the third may not.
  EXPECT_TRUE(NameMatchesNotes("C7", Notes({x, 3, 2, 3, x, x})));
  EXPECT_FALSE(NameMatchesNotes("C", Notes({x, 3, 5, 5, x, x})));
  EXPECT_TRUE(NameMatchesNotes("C5", Notes({x, 3, 5, 5, x, x})));
  // An altered fifth is the chord's own tone and must sound.
  EXPECT_FALSE(NameMatchesNotes("Caug", Notes({x, 3, 2, x, 1, x})));
  EXPECT_FALSE(NameMatchesNotes("Cdim", Notes({x, 3, 1, x, 1, x})));
  // The sus tone stands for the third.
  EXPECT_TRUE(NameMatchesNotes("Dsus4", Notes({x, x, 0, 2, 3, 3})));
  EXPECT_FALSE(NameMatchesNotes("Dsus2", Notes({x, x, 0, 2, 3, 3})));
  // A slash chord's bass may lie outside the chord, but must be lowest.
  EXPECT_TRUE(NameMatchesNotes("D/C", Notes({x, 3, 0, 2, 3, 2})));
  EXPECT_TRUE(NameMatchesNotes("D7/C", Notes({x, 3, 0, 2, 3, 2})));
  EXPECT_FALSE(NameMatchesNotes("D/C", Notes({x, x, 0, 2, 3, 2})));
  EXPECT_FALSE(NameMatchesNotes("C", Notes({})));
}

// Every line of the dictionary we ship parses, is playable, fits its name and
// is named back with its own name (or another spelling of the same chord).
TEST(ChordNaming, ShippedDictionary) {
  std::ifstream in(STRUMBLY_SOURCE_DIR "/resources/dictionary/CHORDS.DCT", std::ios::binary);
  ASSERT_TRUE(in);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const auto entries = ParseDictionaryText(bytes);
  EXPECT_EQ(FormatDictionaryText(entries), bytes);  // CR LF after every line, nothing else
  ASSERT_GE(entries.size(), 150u);

  std::set<ChordKind> kinds;
  std::set<std::string> lines;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(entries[i]);
    EXPECT_TRUE(lines.insert(entries[i]).second) << "listed twice";
    ChordRecord record;
    const std::string error = ParseChordText(entries[i], static_cast<int>(i), record);
    ASSERT_EQ(error, "");
    ASSERT_EQ(KindOf(record, error), RecordKind::Chord);
    EXPECT_EQ(FormatChordLine(record), entries[i]);
    EXPECT_EQ(record.Duration, "Q");

    int low = MaxFret + 1, high = 0;
    for (int f : record.Frets) {
      if (f > 0) low = std::min(low, f), high = std::max(high, f);
    }
    if (high > 0) {
      EXPECT_LE(high - low, 4) << "too wide a stretch";
    }

    const auto notes = SoundingNotes(record.Frets, TuningOffsets(kStandardTuningTag));
    EXPECT_TRUE(NameMatchesNotes(record.Name, notes));
    const auto named = NameNotes(notes);
    ASSERT_FALSE(named.empty());
    const auto own = ParseChordName(record.Name);
    ASSERT_TRUE(own);
    kinds.insert(own->kind);
    const ChordSpelling& first = named.front();
    EXPECT_TRUE(first.root == own->root && first.kind == own->kind && first.bass == own->bass)
        << "named " << ChordNameText(first);
  }
  EXPECT_EQ(kinds.size(), static_cast<std::size_t>(kChordKindCount)) << "every kind of chord is there";
}
