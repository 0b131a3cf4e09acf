// strumbly-cli tab: the ASCII tablature of a song, as the ASCII tablature
// window shows and saves it.
#include "cli/conversion.h"
#include "cli/song_tablature.h"
#include "core/tab/ascii_tab.h"

namespace strumbly::cli {

int RunTab(const Args& args) {
  // --names: a line of chord names above each row and the string names at
  // its start; without it the format is the plain one scripts read.
  AsciiTabOptions options;
  Args rest;
  for (const std::string& a : args) {
    if (a == "--names")
      options.names = true;
    else
      rest.push_back(a);
  }
  const Conversion tab{
      "tab", ".tab", [&options](const CliSong& song, const std::string& prefix) -> std::optional<std::string> {
        const auto t = BuildSongTablature(song, prefix);
        if (!t) return std::nullopt;
        AsciiTabOptions o = options;
        o.tuning = t->tuning;
        return AsciiTabFileText(AsciiTabLines(t->layout, t->tuningText, t->titles.title, t->titles.subtitle, o));
      }};
  return RunConversion(tab, rest);
}

}  // namespace strumbly::cli
