#include "core/app/recent_files.h"

#include <gtest/gtest.h>

using namespace strumbly;

namespace {

using Files = std::array<std::string, kRecentFileCount>;

// The captions of the items the menu shows, top to bottom.
std::vector<std::string> Shown(const Settings& s) {
  std::vector<std::string> out;
  for (const RecentMenuItem& item : RecentMenuFor(s).items)
    if (item.visible) out.push_back(item.caption);
  return out;
}

}  // namespace

TEST(RecentFiles, PushPutsThePathFirstAndDropsTheOldest) {
  Settings s;
  EXPECT_FALSE(RecentMenuFor(s).separatorVisible);
  EXPECT_TRUE(Shown(s).empty());

  PushRecentFile(s, "/songs/a.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/songs/a.sly", "", ""}));
  EXPECT_TRUE(RecentMenuFor(s).separatorVisible);
  PushRecentFile(s, "/songs/b.sly");
  PushRecentFile(s, "/songs/c.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/songs/c.sly", "/songs/b.sly", "/songs/a.sly"}));
  PushRecentFile(s, "/songs/d.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/songs/d.sly", "/songs/c.sly", "/songs/b.sly"}));
  EXPECT_EQ(Shown(s), (std::vector<std::string>{"/songs/d.sly", "/songs/c.sly", "/songs/b.sly"}));
}

TEST(RecentFiles, APathIsListedOnceAndMovesUpWhenOpenedAgain) {
  Settings s;
  // A, B, A gives A, B.
  PushRecentFile(s, "/A.sly");
  PushRecentFile(s, "/B.sly");
  PushRecentFile(s, "/A.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/A.sly", "/B.sly", ""}));
  PushRecentFile(s, "/A.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/A.sly", "/B.sly", ""}));
  PushRecentFile(s, "/C.sly");
  PushRecentFile(s, "/B.sly");  // from the middle to the head
  EXPECT_EQ(RecentFiles(s), (Files{"/B.sly", "/C.sly", "/A.sly"}));
  PushRecentFile(s, "/A.sly");  // from the end
  EXPECT_EQ(RecentFiles(s), (Files{"/A.sly", "/B.sly", "/C.sly"}));

  // Repeats and gaps of a hand-edited file: shown once, closed up at the
  // next push.
  s = Settings{};
  s.RecentFiles[0] = "/B.sly";
  s.RecentFiles[1] = "/A.sly";
  s.RecentFiles[2] = "/A.sly";
  EXPECT_EQ(Shown(s), (std::vector<std::string>{"/B.sly", "/A.sly"}));
  PushRecentFile(s, "/C.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/C.sly", "/B.sly", "/A.sly"}));
  s.RecentFiles = {"", "/A.sly", "/A.sly"};
  PushRecentFile(s, "/A.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/A.sly", "", ""}));
}

TEST(RecentFiles, NamesAreComparedExactly) {
  Settings s;
  s.RecentFiles[0] = "/songs/Blues.sly";
  s.RecentFiles[1] = "/songs/blues.sly";
  s.RecentFiles[2] = "/songs/Blues.sly ";
  EXPECT_EQ(Shown(s).size(), 3u);
}

TEST(RecentFiles, EmptyEntriesShowNothingAndTheSeparatorGoesWithTheItems) {
  Settings s;
  s.RecentFiles[1] = "/songs/b.sly";  // a hand-edited settings file
  const RecentMenu menu = RecentMenuFor(s);
  EXPECT_FALSE(menu.items[0].visible);
  EXPECT_TRUE(menu.items[1].visible);
  EXPECT_FALSE(menu.items[2].visible);
  EXPECT_TRUE(menu.separatorVisible);
}
