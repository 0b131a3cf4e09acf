#pragma once
// The recent-file list at the end of the File menu: the three most recently
// opened songs, kept in the settings (RecentFile0 the newest). A path stands
// in it once; should a hand-edited settings file list one twice, the menu
// hides an item that repeats an item above it.
#include <array>
#include <string>

#include "core/app/settings.h"

namespace strumbly {

// RecentFile0, RecentFile1, RecentFile2.
std::array<std::string, kRecentFileCount> RecentFiles(const Settings& settings);

// Puts path at the head of the list. An entry equal to path moves up from
// where it was; otherwise the oldest entry drops out. Repeats and gaps that
// a settings file brought are closed up.
void PushRecentFile(Settings& settings, const std::string& path);

struct RecentMenuItem {
  std::string caption;  // the full path, unchanged
  bool visible = false;
};

struct RecentMenu {
  bool separatorVisible = false;
  std::array<RecentMenuItem, kRecentFileCount> items;
};

// What the menu shows for the list: an item for every entry that is not
// empty, except one whose path equals an item's above it. The separator
// shows whenever an item does.
RecentMenu RecentMenuFor(const Settings& settings);

}  // namespace strumbly
