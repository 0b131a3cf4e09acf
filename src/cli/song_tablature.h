#pragma once
// The tablature of a song as the tablature window builds it with the title
// prompt off.
#include <optional>
#include <string>

#include "cli/song_source.h"
#include "core/tab/tab_drawing.h"
#include "core/tab/tab_titles.h"

namespace strumbly::cli {

struct SongTablature {
  TabLayout layout;
  TabTitles titles;
  std::string tuningText;
  TuningTag tuning = kStandardTuningTag;
  TabDrawing Drawing(bool names = false, bool rhythm = false) const {
    TabDrawing d{&layout, tuningText, titles.title, titles.subtitle, false};
    d.showNames = names;
    d.showRhythm = rhythm;
    d.tuning = tuning;
    return d;
  }
};

// Nothing when the song is refused (messages printed after the prefix). An
// overfull bar prints the truncation warning once.
std::optional<SongTablature> BuildSongTablature(const CliSong& song, const std::string& prefix);

}  // namespace strumbly::cli
