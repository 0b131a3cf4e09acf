// strumbly-cli musicxml: the song as a MusicXML score, as File / Export /
// MusicXML writes it.
#include "cli/conversion.h"
#include "cli/exchange_song_source.h"
#include "core/tab/musicxml.h"

namespace strumbly::cli {

int RunMusicXml(const Args& args) {
  const Conversion musicxml{"musicxml", kMusicXmlExtension,
                            [](const CliSong& song, const std::string& prefix) -> std::optional<std::string> {
                              const auto s = ExchangeSongOf(song, SongProduct::MusicXml, prefix);
                              if (!s) return std::nullopt;
                              return MusicXmlText(*s);
                            }};
  return RunConversion(musicxml, args);
}

}  // namespace strumbly::cli
