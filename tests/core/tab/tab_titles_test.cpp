// Titles of tablature and the names of converted files.
#include "core/tab/tab_titles.h"

#include <gtest/gtest.h>

namespace strumbly {
namespace {

TEST(TabTitles, SearchFindsTheLastMatchInAnyCase) {
  EXPECT_EQ(FindTabTitle({"* Title: Blues in A"}), "Blues in A");
  EXPECT_EQ(FindTabTitle({"*title:Blues in A"}), "Blues in A");
  EXPECT_EQ(FindTabTitle({"** SONG TITLE:   Blues in A  "}), "Blues in A");
  EXPECT_EQ(FindTabTitle({"* Title: One", "C, x, 3, 2, 0, 1, 0, Q", "* Title: Two"}), "Two");
  // A matching line that gives nothing still wins.
  EXPECT_EQ(FindTabTitle({"* Title: One", "* Title:"}), "");
}

TEST(TabTitles, OnlyLinesStartingWithAStarCount) {
  EXPECT_EQ(FindTabTitle({" * Title: Blues"}), "");
  EXPECT_EQ(FindTabTitle({"Title: Blues"}), "");
}

TEST(TabTitles, SubtitleSearch) {
  EXPECT_EQ(FindTabSubtitle({"* Sub: live", "*sub:   at home "}), "at home");
  // "Subtitle:" holds "TITLE:", not "SUB:".
  EXPECT_EQ(FindTabTitle({"* Subtitle: live"}), "live");
  EXPECT_EQ(FindTabSubtitle({"* Subtitle: live"}), "");
  EXPECT_EQ(FindTabSubtitle({"* Title: Blues"}), "");
}

TEST(TabTitles, TitlesAreCutAt999Characters) {
  const std::string longTitle(1200, 'x');
  EXPECT_EQ(FindTabTitle({"*TITLE:" + longTitle}).size(), 999u);
}

TEST(TabTitles, FileNameStandsInForAMissingTitle) {
  EXPECT_EQ(SearchedTabTitles({"C, x, 3, 2, 0, 1, 0, Q"}, "/songs/Blues.sly").title, "Blues");
  EXPECT_EQ(SearchedTabTitles({"* Title:", "* Sub: slow"}, "Untitled.sly").title, "Untitled");
  EXPECT_EQ(SearchedTabTitles({"* Title:", "* Sub: slow"}, "Untitled.sly").subtitle, "slow");
  EXPECT_EQ(SearchedTabTitles({"* Title: Mine"}, "Untitled.sly").title, "Mine");
  EXPECT_EQ(SearchedTabTitles({}, "").title, "");
}

TEST(TabTitles, ReplacingExtensions) {
  EXPECT_EQ(WithExtension("songs/Blues.sly", ".tab"), "songs/Blues.tab");
  EXPECT_EQ(WithExtension("songs.v2/Blues", ".mid"), "songs.v2/Blues.mid");
  EXPECT_EQ(WithExtension("a.b.c", ".tab"), "a.b.tab");
  EXPECT_EQ(WithExtension("/x/blues.txt", ".tab"), "/x/blues.tab");
}

TEST(TabTitles, TuningPanelTexts) {
  EXPECT_EQ(TuningPanelText(555555), "Standard Tuning - E A D G B E");
  EXPECT_EQ(TuningPanelText(355433), "D Major Tuning - D A D F# A D");
  EXPECT_EQ(TuningPanelText(133565), "Custom Tuning - C G C G C E");
  // The tablature heading adds the capo, and only when there is one.
  EXPECT_EQ(TabTuningHeading(355555, 0), "Dropped D Tuning - D A D G B E");
  EXPECT_EQ(TabTuningHeading(555555, 3), "Standard Tuning - E A D G B E, Capo 3");
}

}  // namespace
}  // namespace strumbly
