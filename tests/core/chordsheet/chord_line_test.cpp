#include "core/chordsheet/chord_line.h"

#include <gtest/gtest.h>

#include "core/chordsheet/integer_text.h"

using namespace strumbly;

namespace {
struct Parsed {
  ChordRecord r;
  std::string error;
};
Parsed Parse(std::string_view text, int index = 0) {
  Parsed p;
  p.error = ParseChordText(text, index, p.r);
  return p;
}
}  // namespace

TEST(ChordLine, CMajorParsesStringOneFirst) {
  auto p = Parse("C, x, 3, 2, 0, 1, 0, Q");
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.r.Name, "C");
  EXPECT_EQ(p.r.Frets, (std::array<std::int32_t, 6>{0, 1, 0, 2, 3, -1}));
  EXPECT_EQ(p.r.Pitches, (std::array<std::uint8_t, 6>{64, 60, 55, 52, 48, 255}));
  EXPECT_EQ(p.r.Duration, "Q");
  EXPECT_EQ(KindOf(p.r, p.error), RecordKind::Chord);
  EXPECT_EQ(FormatChordLine(p.r), "C, x, 3, 2, 0, 1, 0, Q");
}

TEST(ChordLine, FormatNormalisesSpacingAndKeepsCase) {
  auto p = Parse("  G6,3,2,0,0,0,0,.h  ");
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(FormatChordLine(p.r), "G6, 3, 2, 0, 0, 0, 0, .h");
  p = Parse("Rest , x, x, x, x, x, x, Q");
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(FormatChordLine(p.r), "Rest, x, x, x, x, x, x, Q");
}

TEST(ChordLine, LineKinds) {
  auto p = Parse(" * Title: Blues");
  EXPECT_EQ(p.error, "Line 1    Not enough commas.");
  p = Parse("* Title: Blues");
  EXPECT_EQ(p.error, "");
  EXPECT_EQ(p.r.Name, "* Title: Blues");
  EXPECT_EQ(KindOf(p.r, p.error), RecordKind::Comment);

  p = Parse("  *A, 0, 0, 2, 2, 2, 0, Q");
  EXPECT_EQ(p.error, "");
  EXPECT_EQ(p.r.Name, "*A");
  EXPECT_EQ(KindOf(p.r, p.error), RecordKind::Comment);

  for (const char* blank : {"", "   ", "\t\r"}) {
    p = Parse(blank);
    EXPECT_EQ(p.error, "");
    EXPECT_EQ(p.r.Name, " ");
    EXPECT_EQ(KindOf(p.r, p.error), RecordKind::Blank);
  }
  EXPECT_EQ(KindOf(p.r, "Line 1    x"), RecordKind::Bad);
}

TEST(ChordLine, CommaCountsAndNames) {
  EXPECT_EQ(Parse("A,1,2,3,4,5,6,Q,", 2).error, "Line 3    Too many commas.");
  EXPECT_EQ(Parse("A,1,2,3,4,5,Q").error, "Line 1    Not enough commas.");
  EXPECT_EQ(Parse(" ,1,2,3,4,5,6,Q").error, "Line 1    Chord name required.");
  EXPECT_EQ(Parse("7,1,2,3,4,5,6,Q").error, "Line 1    Number not allowed for chord name.");
  EXPECT_EQ(Parse("$A,1,2,3,4,5,6,Q").error, "Line 1    Number not allowed for chord name.");
  EXPECT_EQ(Parse("-12,1,2,3,4,5,6,Q").error, "Line 1    Number not allowed for chord name.");
  EXPECT_EQ(Parse("2147483647,1,2,3,4,5,6,Q").error, "");
  EXPECT_EQ(Parse("-2147483648,1,2,3,4,5,6,Q").error, "");  // out of range: not a number, so a name
  // Six commas and a bad name: the commas are reported.
  EXPECT_EQ(Parse("7,1,2,3,4,5,Q").error, "Line 1    Not enough commas.");
}

TEST(ChordLine, LongNamesAndCommentsAreCut) {
  const std::string longName(100, 'N');
  auto p = Parse(longName + ", x, 3, 2, 0, 1, 0, Q");
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.r.Name, std::string(79, 'N'));
  p = Parse("*" + std::string(100, 'c'));
  EXPECT_EQ(p.r.Name.size(), 80u);
  // Multi-byte characters are never cut in half.
  std::string umlauts;
  for (int i = 0; i < 90; ++i) umlauts += "\xC3\xA4";
  p = Parse(umlauts + ",x,x,x,x,x,x,Q");
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.r.Name.size(), 158u);
  // A name cut where blanks follow ends without them, so the line written
  // back reads the same; found by fuzzing.
  p = Parse("5" + std::string(78, ' ') + "and more, x, 3, 2, 0, 1, 0, Q");
  EXPECT_EQ(p.error, "Line 1    Number not allowed for chord name.");
  p = Parse("Am" + std::string(78, '\0') + "7, x, 0, 2, 2, 1, 0, Q");
  ASSERT_EQ(p.error, "");
  EXPECT_EQ(p.r.Name, "Am");
  EXPECT_EQ(Parse(FormatChordLine(p.r)).error, "");
}

TEST(ChordLine, FretFields) {
  EXPECT_EQ(Parse("A, -1, x, X, 0, 0, 0, Q").error, "");
  EXPECT_EQ(Parse("A, -2, 0, 0, 0, 0, 0, Q").error,
            "Line 1    Fret number for Low E string (\"-2\") must be higher than -2.");
  EXPECT_EQ(Parse("A, 0, 0, 0, 0, 19, 0, Q", 1).error,
            "Line 2    Fret Number for B string (\"19\") must be lower than 19.");
  EXPECT_EQ(Parse("A, 0, 0, 0, 0, 0, 18, Q").error, "");
  auto p = Parse("A, $C, 0, 0, 0, 0, 0, Q");
  EXPECT_EQ(p.r.Frets[5], 12);
  EXPECT_EQ(Parse("A, 2147483647, 0, 0, 0, 0, 0, Q").error,
            "Line 1    Fret number for Low E string (\"2147483647\") not a number.");
  EXPECT_EQ(Parse("A, 0,, 0, 0, 0, 0, Q").error, "Line 1    Fret number for A string (\"\") not a number.");
  EXPECT_EQ(Parse("A, q, 0, 0, 0, 0, 0, Q", 6).error, "Line 7    Fret number for Low E string (\"q\") not a number.");
  EXPECT_EQ(Parse("A, 0, 0, 0, 0, 0, 1 2, Q").error, "Line 1    Fret number for High E string (\"1 2\") not a number.");
  // Fret fields are checked left to right and before the duration.
  EXPECT_EQ(Parse("A, 0, z, 0, 0, y, 0, ZZ").error, "Line 1    Fret number for A string (\"z\") not a number.");
}

TEST(ChordLine, DurationField) {
  auto p = Parse("A,0,0,0,0,0,0, q ");
  EXPECT_EQ(p.error, "");
  EXPECT_EQ(p.r.Duration, "q");
  EXPECT_EQ(Parse("A,0,0,0,0,0,0,.q").error, "");
  EXPECT_EQ(Parse("A,0,0,0,0,0,0,Q Q", 4).error, "Line 5    \"Q Q\" invalid. (W)hole,(H)alf,Q,E,S,T,F");
  EXPECT_EQ(Parse("A,0,0,0,0,0,0,QQ").error, "Line 1    \"QQ\" invalid. (W)hole,(H)alf,Q,E,S,T,F");
  EXPECT_EQ(Parse("A,0,0,0,0,0,0,. Q").error, "Line 1    \". Q\" invalid. (W)hole,(H)alf,Q,E,S,T,F");
  EXPECT_EQ(Parse("A,0,0,0,0,0,0,XXXXXXX").error, "Line 1    \"XXXXX\" invalid. (W)hole,(H)alf,Q,E,S,T,F");
  EXPECT_EQ(Parse("A,0,0,0,0,0,0,").error, "Line 1    \"\" invalid. (W)hole,(H)alf,Q,E,S,T,F");
}

TEST(ChordLine, DurationValues) {
  EXPECT_EQ(DurationValue(".E", 2000), 375);
  EXPECT_EQ(DurationValue("W", 1000), 1000);
  EXPECT_EQ(DurationValue("", 1000), 0);
  const std::pair<const char*, int> table[] = {{"W", 1000}, {".W", 1500}, {"H", 500},  {".H", 750}, {"Q", 250},
                                               {".Q", 375}, {"E", 125},   {".E", 187}, {"S", 62},   {".S", 93},
                                               {"T", 31},   {".T", 46},   {"F", 15},   {".F", 22}};
  for (auto [code, value] : table) {
    EXPECT_EQ(DurationValue(code, 1000), value) << code;
  }
  EXPECT_EQ(DurationValue("q", 1000), 250);
  EXPECT_EQ(DurationValue("QQ", 1000), 0);
  EXPECT_EQ(DurationValue("Q.", 1000), 0);
  EXPECT_EQ(DurationValue("..Q", 1000), 0);
}

TEST(IntegerText, Syntax) {
  EXPECT_EQ(ReadInteger("  +17"), 17);
  EXPECT_EQ(ReadInteger("-0"), 0);
  EXPECT_EQ(ReadInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ReadInteger("$ff"), 255);
  EXPECT_EQ(ReadInteger("$100000000"), std::nullopt);
  EXPECT_EQ(ReadInteger("-$1"), std::nullopt);
  EXPECT_EQ(ReadInteger("2147483647"), 2147483647);
  EXPECT_EQ(ReadInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ReadInteger("-2147483648"), std::nullopt);
  EXPECT_EQ(ReadInteger("12 "), std::nullopt);
  EXPECT_EQ(ReadInteger(""), std::nullopt);
  EXPECT_EQ(ReadInteger("+"), std::nullopt);
  EXPECT_EQ(ReadInteger("$"), std::nullopt);
  EXPECT_EQ(ReadInteger("99999999999999999999999"), std::nullopt);
  EXPECT_EQ(ReadChordInteger("$7FFFFFFF"), std::nullopt);
}

TEST(ChordLine, AnyBytesAreSafe) {
  std::string junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
  ChordRecord r;
  for (std::size_t len = 0; len < junk.size(); len += 97) (void)ParseChordText(junk.substr(0, len), 0, r);
  std::string nul("A,0,0,0,0,0,0,Q");
  nul[0] = '\0';
  // NUL counts as whitespace and is trimmed away.
  EXPECT_EQ(ParseChordText(nul, 0, r), "Line 1    Chord name required.");
}
