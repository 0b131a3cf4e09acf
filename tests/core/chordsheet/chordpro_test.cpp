// ChordPro chord sheets: the sheet a song makes, the song a sheet makes, and
// the chord lines surviving the way there and back.
#include "core/chordsheet/chordpro.h"

#include <gtest/gtest.h>

namespace strumbly {
namespace {

ExchangeSong Song(std::vector<std::string> lines, int tempo = 120) {
  std::string error;
  auto song = MakeExchangeSong(std::move(lines), "/songs/Blue Moon.sly", tempo, 25, kStandardTuningTag, error);
  EXPECT_TRUE(song) << error;
  return song ? *song : ExchangeSong{};
}

// Every line of the sheet after the defines, from the first grid on.
std::string GridOf(const std::string& sheet) {
  const auto at = sheet.find("{start_of_grid");
  return at == std::string::npos ? std::string() : sheet.substr(at);
}

TEST(ChordProExport, AWholeSheet) {
  const std::string sheet = ChordProText(Song(
      {
          "* Title: Evening",
          "* Sub: slow",
          "* Capo: 2",
          "C, x, 3, 2, 0, 1, 0, H",
          "C, x, 3, 5, 5, 5, 3, Q",
          "G, 3, 2, 0, 0, 0, 3, Q",
          "",
          "* Chorus & more",
          "F, 1, 3, 3, 2, 1, 1, W",
      },
      96));
  EXPECT_EQ(sheet,
            "{title: Evening}\n"
            "{subtitle: slow}\n"
            "{tempo: 96}\n"
            "{capo: 2}\n"
            "\n"
            "{define: C base-fret 1 frets x 3 2 0 1 0}\n"
            "{define: C(2) base-fret 3 frets x 1 3 3 3 1}\n"
            "{define: G base-fret 1 frets 3 2 0 0 0 3}\n"
            "{define: F base-fret 1 frets 1 3 3 2 1 1}\n"
            "\n"
            "{start_of_grid: 1x4}\n"
            "| C . C(2) G |\n"
            "{end_of_grid}\n"
            "{comment: Chorus & more}\n"
            "{start_of_grid: 1x4}\n"
            "| F . . . |\n"
            "{end_of_grid}\n");
}

TEST(ChordProExport, TheFileNameIsTheTitleWithoutTitleLines) {
  const std::string sheet = ChordProText(Song({"C, x, 3, 2, 0, 1, 0, Q"}));
  EXPECT_EQ(sheet.substr(0, sheet.find('\n')), "{title: Blue Moon}");
  EXPECT_EQ(sheet.find("{subtitle"), std::string::npos);
  EXPECT_EQ(sheet.find("{capo"), std::string::npos);
}

TEST(ChordProExport, GridCells) {
  struct Case {
    std::vector<std::string> durations;
    const char* grid;
  } cases[] = {
      {{"Q", "Q", "Q", "Q"}, "| C C C C |"},
      {{"H", "H"}, "| C . C . |"},
      {{"E", "E", "H", "Q"}, "| C~C C . C |"},
      {{".Q", "E", "H"}, "| C .~C C . |"},
      {{"E", "S", "S", ".H"}, "| C~.~C~C C . . |"},
      {{"S", "S", "S", "S", "Q"}, "| C~C~C~C C |"},
      {{".H"}, "| C . . |"},
      {{"W", "Q"}, "| C . . . C |"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> lines;
    for (const std::string& d : c.durations) lines.push_back("C, x, 3, 2, 0, 1, 0, " + d);
    const std::string grid = GridOf(ChordProText(Song(lines)));
    EXPECT_EQ(grid.substr(grid.find('\n') + 1, grid.find(" |\n") + 2 - grid.find('\n') - 1), c.grid)
        << c.durations.size() << " chords, first " << c.durations[0];
  }
}

TEST(ChordProExport, NamesThatWouldBreakAGridToken) {
  const std::string sheet = ChordProText(Song(
      {"A min, x, 0, 2, 2, 1, 0, Q", "C(2), x, 3, 2, 0, 1, 0, Q", "C, x, 3, 2, 0, 1, 0, Q", "C, x, 3, 5, 5, 5, 3, Q"}));
  EXPECT_NE(sheet.find("{define: A_min base-fret"), std::string::npos);
  // The song's own C(2) keeps its name; the second C shape takes the next.
  EXPECT_NE(sheet.find("{define: C(3) base-fret 3"), std::string::npos);
  EXPECT_NE(sheet.find("| A_min C(2) C C(3) |"), std::string::npos);
}

std::optional<Frets> Dictionary(std::string_view name) {
  if (name == "Am") return Frets{0, 1, 2, 2, 0, NotPlayed};
  return std::nullopt;
}

TEST(ChordProImport, Sheets) {
  struct Case {
    const char* name;
    const char* sheet;
    std::vector<std::string> lines;
  } cases[] = {
      {"titles, capo and comments",
       "{t: Moon}\n{st:Slow}\n{capo: 3}\n{c: Intro}\n# a note\n{start_of_chorus}\n",
       {"* Title: Moon", "* Sub: Slow", "* Capo: 3", "* Intro", "* # a note", "* {start_of_chorus}"}},
      {"lyrics: words above their chords, a bar per line",
       "{define: G base-fret 3 frets 1 3 3 2 1 1}\n"
       "[G]Twinkle, [Am]little [*softly]star\n"
       "\n"
       "[Am]\n",
       {"* Twinkle, little [*softly]star", "G, 3, 5, 5, 4, 3, 3, Q", "Am, x, 0, 2, 2, 1, 0, Q", "",
        "Am, x, 0, 2, 2, 1, 0, Q"}},
      {"chords without fingering never stop the import",
       "[Hm]la [Am]la [Hm]la\n",
       {"* la la la", "* [Hm] has no fingering", "Am, x, 0, 2, 2, 1, 0, Q", "* [Hm] has no fingering"}},
      {"grids: beats, shared cells, continuation and repeats",
       "{chord: D base-fret 1 frets x x 0 2 3 2}\n"
       "{sog}\n"
       "A || D . Am~D / | % | D .~Am . . |. end\n"
       "{eog}\n",
       {"* A end", "D, x, x, 0, 2, 3, 2, H", "Am, x, 0, 2, 2, 1, 0, E", "D, x, x, 0, 2, 3, 2, E",
        "D, x, x, 0, 2, 3, 2, Q", "", "D, x, x, 0, 2, 3, 2, H", "Am, x, 0, 2, 2, 1, 0, E", "D, x, x, 0, 2, 3, 2, E",
        "D, x, x, 0, 2, 3, 2, Q", "", "D, x, x, 0, 2, 3, 2, .Q",
        // Five eighths have no one code: a half and an eighth.
        "Am, x, 0, 2, 2, 1, 0, H", "Am, x, 0, 2, 2, 1, 0, E"}},
      {"a third of a beat takes the nearest code; five beats two lines",
       "{sog}\n| Am~Am~Am Am . . . . |\n{eog}\n",
       {"Am, x, 0, 2, 2, 1, 0, .S", "Am, x, 0, 2, 2, 1, 0, .S", "Am, x, 0, 2, 2, 1, 0, .S", "Am, x, 0, 2, 2, 1, 0, W",
        "Am, x, 0, 2, 2, 1, 0, Q"}},
      {"a sheet's own fingering wins over the dictionary; bad defines stay as comments",
       "{define: Am base-fret 5 frets 1 3 3 1 1 1}\n{define: E base-fret 1 frets 0 2 2}\n[Am][E]\n",
       {"* {define: E base-fret 1 frets 0 2 2}", "Am, 5, 7, 7, 5, 5, 5, Q", "* [E] has no fingering"}},
  };
  for (const Case& c : cases) {
    const ChordProImport got = ImportChordPro(c.sheet, Dictionary);
    EXPECT_EQ(got.lines, c.lines) << c.name;
  }
}

TEST(ChordProImport, TempoAndTheUnfingeredList) {
  const ChordProImport got = ImportChordPro("{tempo: 90}\r\n[X] [Y] [X]\r\n", Dictionary);
  EXPECT_EQ(got.tempo, 90);
  EXPECT_EQ(got.unfingered, (std::vector<std::string>{"X", "Y"}));
  EXPECT_EQ(UnfingeredMessage(got.unfingered), "No fingering was found for these chords: X, Y.");
  EXPECT_FALSE(ImportChordPro("{tempo: fast}", Dictionary).tempo);
}

TEST(ChordProImport, DictionariesAreSearchedInOrder) {
  const ShapeLookup lookup = DictionaryShapeLookup(
      {{"* mine", "C, x, 3, 5, 5, 5, 3, Q", "bad line"}, {"C, x, 3, 2, 0, 1, 0, Q", "G, 3, 2, 0, 0, 0, 3, Q"}});
  EXPECT_EQ(lookup("C"), (Frets{3, 5, 5, 5, 3, NotPlayed}));
  EXPECT_EQ(lookup("G"), (Frets{3, 0, 0, 0, 2, 3}));
  EXPECT_FALSE(lookup("D"));
}

// The chord lines of a song as name, frets and length.
std::vector<std::string> ChordLines(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    ChordRecord r;
    if (!ParseChordText(line, 0, r).empty() || KindOf(r, {}) != RecordKind::Chord) continue;
    out.push_back(r.Name + " " + std::to_string(r.Frets[0]) + std::to_string(r.Frets[5]) + " " +
                  std::to_string(DurationValue(r.Duration, 384)));
  }
  return out;
}

TEST(ChordPro, RoundTripKeepsTheChordLines) {
  const std::vector<std::vector<std::string>> songs = {
      {"* Title: Waltz", "D, x, x, 0, 2, 3, 2, H", "D, x, x, 0, 2, 3, 2, Q", "", "G, 3, 2, 0, 0, 0, 3, .H"},
      {"C, x, 3, 2, 0, 1, 0, .Q", "C, x, 3, 5, 5, 5, 3, E", "Rest, x, x, x, x, x, x, H", "",
       "C(2), 1, 1, 1, 1, 1, 1, W"},
      {"A, x, 0, 2, 2, 2, 0, S", "A, x, 0, 2, 2, 2, 0, .E", "E, 0, 2, 2, 1, 0, 0, T", "E, 0, 2, 2, 1, 0, 0, .T",
       "E, 0, 2, 2, 1, 0, 0, F", "E, 0, 2, 2, 1, 0, 0, .F", "E, 0, 2, 2, 1, 0, 0, .F", "E, 0, 2, 2, 1, 0, 0, .S",
       "E, 0, 2, 2, 1, 0, 0, F", "* between", "G, 3, 2, 0, 0, 0, 3, .W"},
  };
  for (const auto& lines : songs) {
    const std::string sheet = ChordProText(Song(lines));
    const ChordProImport back = ImportChordPro(sheet, nullptr);
    EXPECT_EQ(ChordLines(back.lines), ChordLines(lines)) << sheet;
    EXPECT_TRUE(back.unfingered.empty());
  }
}

}  // namespace
}  // namespace strumbly
