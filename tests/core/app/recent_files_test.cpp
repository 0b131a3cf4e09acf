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

TEST(RecentFiles, RepeatedPathsStayInTheListButShowOnce) {
  Settings s;
  // A, B, A: the third item repeats the first.
  PushRecentFile(s, "/A.sly");
  PushRecentFile(s, "/B.sly");
  PushRecentFile(s, "/A.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/A.sly", "/B.sly", "/A.sly"}));
  EXPECT_EQ(Shown(s), (std::vector<std::string>{"/A.sly", "/B.sly"}));
  EXPECT_FALSE(RecentMenuFor(s).items[2].visible);

  // A twice after C: A, A, C; the second item is hidden.
  s = Settings{};
  PushRecentFile(s, "/C.sly");
  PushRecentFile(s, "/A.sly");
  PushRecentFile(s, "/A.sly");
  EXPECT_EQ(RecentFiles(s), (Files{"/A.sly", "/A.sly", "/C.sly"}));
  EXPECT_EQ(Shown(s), (std::vector<std::string>{"/A.sly", "/C.sly"}));

  // B, A, A: the third repeats the second.
  s = Settings{};
  s.RecentFiles[0] = "/B.sly";
  s.RecentFiles[1] = "/A.sly";
  s.RecentFiles[2] = "/A.sly";
  EXPECT_EQ(Shown(s), (std::vector<std::string>{"/B.sly", "/A.sly"}));

  // A hidden item shows again once the list moves on.
  s.RecentFiles[0] = "/A.sly";
  s.RecentFiles[1] = "/B.sly";
  s.RecentFiles[2] = "/A.sly";
  PushRecentFile(s, "/C.sly");
  EXPECT_EQ(Shown(s), (std::vector<std::string>{"/C.sly", "/A.sly", "/B.sly"}));
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
