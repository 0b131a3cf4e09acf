#pragma once
// A converter song as the exchange formats read it.
#include <optional>
#include <string>

#include "cli/song_source.h"
#include "core/chordsheet/exchange_song.h"

namespace strumbly::cli {

// Nothing when the song is refused: a bad line or no chord line, reported
// after prefix as the product's messages say.
std::optional<ExchangeSong> ExchangeSongOf(const CliSong& song, SongProduct product, const std::string& prefix);

}  // namespace strumbly::cli
