#include "core/chordsheet/dictionary.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace strumbly;
using ::testing::ElementsAre;

TEST(Dictionary, FileTextKeepsEveryLineBlankOnesIncluded) {
  EXPECT_THAT(ParseDictionaryText("C, x, 3, 2, 0, 1, 0, Q\r\n\r\nG, 3, 2, 0, 0, 0, 3, Q\r\n"),
              ElementsAre("C, x, 3, 2, 0, 1, 0, Q", "", "G, 3, 2, 0, 0, 0, 3, Q"));
  // Files written elsewhere may end lines in LF alone and miss the last break.
  EXPECT_THAT(ParseDictionaryText("A\nB\rC"), ElementsAre("A", "B", "C"));
  EXPECT_THAT(ParseDictionaryText(""), ElementsAre());
  EXPECT_THAT(ParseDictionaryText("\r\n"), ElementsAre(""));
  // A Latin-1 byte becomes its UTF-8 character.
  EXPECT_THAT(ParseDictionaryText("Caf\xE9\r\n"), ElementsAre("Caf\xC3\xA9"));

  EXPECT_EQ(FormatDictionaryText({"A", "", "B"}), "A\r\n\r\nB\r\n");
  EXPECT_EQ(FormatDictionaryText({}), "");
  const DictionaryEntries round = {"Am, x, 0, 2, 2, 1, 0, Q", "", "", "* comment"};
  EXPECT_EQ(ParseDictionaryText(FormatDictionaryText(round)), round);
}

TEST(Dictionary, SortingIgnoresLetterCaseAndStaysSorted) {
  DictionaryEntries e = {"b", "C", "a", "B", "", "A#"};
  SortDictionary(e);
  EXPECT_THAT(e, ElementsAre("", "a", "A#", "b", "B", "C"));
  EXPECT_TRUE(DictionaryLess("a", "B"));
  EXPECT_FALSE(DictionaryLess("B", "b"));
  EXPECT_TRUE(DictionaryLess("Am", "am7"));

  AddDictionaryEntry(e, "Bb", true);
  AddDictionaryEntry(e, "aa", true);
  AddDictionaryEntry(e, "z", true);
  AddDictionaryEntry(e, "", true);
  EXPECT_THAT(e, ElementsAre("", "", "a", "A#", "aa", "b", "B", "Bb", "C", "z"));
  // An entry equal but for case goes after the ones already there.
  EXPECT_EQ(SortedInsertIndex(e, "B"), 7u);
  AddDictionaryEntry(e, "0", false);
  EXPECT_EQ(e.back(), "0");
}

TEST(Dictionary, ReplacingFromASongOfTenLines) {
  const std::vector<std::string> song = {
      "* Verse",                    // comment: skipped
      "C, x, 3, 2, 0, 1, 0, Q",     //
      "G, 3, 2, 0, 0, 0, 3, Q",     //
      "",                           // blank: an empty entry
      "Am, x, 0, 2, 2, 1, 0, h",    //
      "F, 1, 3, 3, 2, 1, 1",        // error: skipped
      "*Chorus",                    // comment
      "Dm, x, x, 0, 2, 3, 1, Q",    //
      "  *A, 0, 0, 2, 2, 2, 0, Q",  // a chord line whose name starts with '*'
      "E7,0,2,0,1,0,0,.q",          // kept as typed
  };
  const auto entries = DictionaryFromSong(song, false);
  EXPECT_THAT(entries, ElementsAre("C, x, 3, 2, 0, 1, 0, Q", "G, 3, 2, 0, 0, 0, 3, Q", "", "Am, x, 0, 2, 2, 1, 0, h",
                                   "Dm, x, x, 0, 2, 3, 1, Q", "  *A, 0, 0, 2, 2, 2, 0, Q", "E7,0,2,0,1,0,0,.q"));
  EXPECT_THAT(DictionaryFromSong(song, true),
              ElementsAre("", "  *A, 0, 0, 2, 2, 2, 0, Q", "Am, x, 0, 2, 2, 1, 0, h", "C, x, 3, 2, 0, 1, 0, Q",
                          "Dm, x, x, 0, 2, 3, 1, Q", "E7,0,2,0,1,0,0,.q", "G, 3, 2, 0, 0, 0, 3, Q"));
  EXPECT_THAT(DictionaryFromSong({}, true), ElementsAre());
}

TEST(Dictionary, PickedChordGoesBelowTheCurrentLine) {
  EXPECT_EQ(DictionaryInsertLine(2, 5), 3);  // caret on line 3 of five: new line 4
  EXPECT_EQ(DictionaryInsertLine(0, 0), 0);  // empty editor
  EXPECT_EQ(DictionaryInsertLine(5, 5), 5);  // caret after the last line
  EXPECT_EQ(DictionaryInsertLine(4, 5), 5);
}

TEST(Dictionary, ErrorNamesTheReasonWithoutTheLineNumber) {
  EXPECT_EQ(DictionaryChordError("Line 4    Not enough commas."), "Error in dictionary chord: Not enough commas.");
  EXPECT_EQ(DictionaryChordError("Line 1234    Fret number for B string (\"q\") not a number."),
            "Error in dictionary chord: Fret number for B string (\"q\") not a number.");
  EXPECT_EQ(DictionaryChordError("Line 1    \"Z\" invalid. (W)hole,(H)alf,Q,E,S,T,F"),
            "Error in dictionary chord: \"Z\" invalid. (W)hole,(H)alf,Q,E,S,T,F");
}
