#include "cli/exchange_song_source.h"

namespace strumbly::cli {

std::optional<ExchangeSong> ExchangeSongOf(const CliSong& song, SongProduct product, const std::string& prefix) {
  ChordList list;
  if (!SongChordList(song, list, product, prefix)) return std::nullopt;
  std::string error;
  return MakeExchangeSong(song.lines, song.path, song.tempo, song.patch, song.tuning, error);
}

}  // namespace strumbly::cli
