// strumbly-cli chordpro: the song as a ChordPro chord sheet, as File /
// Export / ChordPro writes it.
#include "cli/conversion.h"
#include "cli/exchange_song_source.h"
#include "core/chordsheet/chordpro.h"

namespace strumbly::cli {

int RunChordPro(const Args& args) {
  const Conversion chordpro{"chordpro", kChordProExtension,
                            [](const CliSong& song, const std::string& prefix) -> std::optional<std::string> {
                              const auto s = ExchangeSongOf(song, SongProduct::ChordPro, prefix);
                              if (!s) return std::nullopt;
                              return ChordProText(*s);
                            }};
  return RunConversion(chordpro, args);
}

}  // namespace strumbly::cli
