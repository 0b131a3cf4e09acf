#include "cli/song_tablature.h"

#include <iostream>

#include "core/tab/ascii_tab.h"

namespace strumbly::cli {

std::optional<SongTablature> BuildSongTablature(const CliSong& song, const std::string& prefix) {
  ChordList list;
  if (!SongChordList(song, list, SongProduct::Tab, prefix)) return std::nullopt;
  SongTablature tab{BuildTabLayout(list, song.lines), SearchedTabTitles(song.lines, song.path),
                    TabTuningHeading(song.tuning, song.capo), song.tuning};
  if (tab.layout.anyTruncated) std::cerr << prefix << kTruncationWarning << "\n";
  return tab;
}

}  // namespace strumbly::cli
