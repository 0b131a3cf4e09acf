#include "core/app/ini_file.h"

#include <gtest/gtest.h>

using namespace strumbly;

TEST(IniFile, ABadLineLosesOnlyItself) {
  const IniFile ini = IniFile::Parse(
      "[Options]\r\nPrompts=0\r\n[Broken\r\nMarkerColor=255\r\nno equals sign here\r\n=7\r\n"
      "Quote=\"open\r\n[Midi]\r\nPatch=30\r\n[]\r\nChannel=3\r\n[ \t\t ]\r\nOctave=1\r\n");
  EXPECT_EQ(ini.Get("Options", "Prompts"), "0");
  // Lines after a broken header stay where they were.
  EXPECT_EQ(ini.Get("Options", "MarkerColor"), "255");
  EXPECT_EQ(ini.Get("Midi", "Patch"), "30");
  EXPECT_EQ(ini.Get("Midi", "Channel"), "3");
  // A header of blanks names nothing (found by fuzzing: it came back as "[]").
  EXPECT_EQ(ini.Get("Midi", "Octave"), "1");
  EXPECT_EQ(ini.Get("Options", "Quote"), std::nullopt);
  EXPECT_EQ(ini.badLines(), (std::vector<std::size_t>{3, 5, 6, 7, 10, 12}));
  EXPECT_EQ(ini.valueCount(), 5u);
  EXPECT_TRUE(IniFile::Parse(ini.Format()).badLines().empty());
}

TEST(IniFile, NamesMatchInAnyCaseAndAreWrittenUnderOneSpelling) {
  IniFile ini = IniFile::Parse("[options]\nlastdir=/old\nLASTDIR=/newer\n; a comment\n# another\n");
  EXPECT_TRUE(ini.badLines().empty());
  EXPECT_EQ(ini.Get("Options", "LastDir"), "/newer");  // the later line wins
  ini.Set("Options", "LastDir", "/songs");
  ini.Set("Midi", "Patch", "25");
  EXPECT_EQ(ini.Format(), "[Options]\nLastDir=/songs\n\n[Midi]\nPatch=25\n");
}

TEST(IniFile, ValuesBeforeAnySectionBelongToGeneral) {
  const IniFile ini = IniFile::Parse("Loose=1\n[Options]\nPrompts=1\n");
  EXPECT_EQ(ini.Get("General", "Loose"), "1");
  EXPECT_EQ(ini.Format(), "[General]\nLoose=1\n\n[Options]\nPrompts=1\n");
}

TEST(IniFile, AwkwardValuesComeBackUnchanged) {
  const std::string values[] = {"",
                                "  1 Acoustic Grand",
                                "&Custom Tuning - C G C G C E",
                                "/home/u/My Songs, old",
                                "a;b=c",
                                "say \"hi\"",
                                "C:\\songs\\",
                                "@Variant(text)",
                                "tab\there\nand line",
                                std::string("bell\a\x01", 6),
                                "Caf\xc3\xa9 \xe2\x99\xaa",
                                "trailing "};
  IniFile ini;
  for (std::size_t i = 0; i < std::size(values); ++i) ini.Set("S", "v" + std::to_string(i), values[i]);
  const IniFile back = IniFile::Parse(ini.Format());
  EXPECT_TRUE(back.badLines().empty());
  for (std::size_t i = 0; i < std::size(values); ++i) EXPECT_EQ(back.Get("S", "v" + std::to_string(i)), values[i]) << i;
}

TEST(IniFile, EscapedFormsOfOtherWriters) {
  EXPECT_EQ(UnescapeIniValue("\"  1 Acoustic Grand\""), "  1 Acoustic Grand");
  EXPECT_EQ(UnescapeIniValue("  plain  "), "plain");
  EXPECT_EQ(UnescapeIniValue("@@at"), "@at");
  EXPECT_EQ(UnescapeIniValue("\"@@at, quoted\""), "@at, quoted");  // found by fuzzing
  EXPECT_EQ(UnescapeIniValue("a\\x41\\x263ab"),
            "aA\xe2\x98\xba"
            "b");
  EXPECT_EQ(UnescapeIniValue("\"unclosed"), std::nullopt);
  EXPECT_EQ(EscapeIniValue("  1 Acoustic Grand"), "\"  1 Acoustic Grand\"");
  EXPECT_EQ(EscapeIniValue("@at"), "@@at");
}
