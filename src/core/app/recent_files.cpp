#include "core/app/recent_files.h"

#include <algorithm>

namespace strumbly {

std::array<std::string, kRecentFileCount> RecentFiles(const Settings& settings) { return settings.RecentFiles; }

void PushRecentFile(Settings& settings, const std::string& path) {
  std::array<std::string, kRecentFileCount> list{path};
  std::size_t n = 1;
  for (const std::string& old : settings.RecentFiles)
    if (n < list.size() && !old.empty() && std::find(list.begin(), list.begin() + n, old) == list.begin() + n)
      list[n++] = old;
  settings.RecentFiles = list;
}

RecentMenu RecentMenuFor(const Settings& settings) {
  const auto files = RecentFiles(settings);
  RecentMenu menu;
  for (std::size_t i = 0; i < files.size(); ++i) {
    RecentMenuItem& item = menu.items[i];
    item.caption = files[i];
    item.visible = !files[i].empty();
    for (std::size_t above = 0; above < i && item.visible; ++above)
      if (menu.items[above].caption == files[i]) item.visible = false;
  }
  // The separator sets the list apart from Exit whenever the list shows.
  for (const RecentMenuItem& item : menu.items) menu.separatorVisible = menu.separatorVisible || item.visible;
  return menu;
}

}  // namespace strumbly
