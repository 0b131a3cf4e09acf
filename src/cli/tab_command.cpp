// strumbly-cli tab: the ASCII tablature of a song, as the ASCII tablature
// window shows and saves it.
#include "cli/conversion.h"
#include "cli/song_tablature.h"
#include "core/tab/ascii_tab.h"

namespace strumbly::cli {

int RunTab(const Args& args) {
  const Conversion tab{
      "tab", ".tab", [](const CliSong& song, const std::string& prefix) -> std::optional<std::string> {
        const auto t = BuildSongTablature(song, prefix);
        if (!t) return std::nullopt;
        return AsciiTabFileText(AsciiTabLines(t->layout, t->tuningText, t->titles.title, t->titles.subtitle));
      }};
  return RunConversion(tab, args);
}

}  // namespace strumbly::cli
