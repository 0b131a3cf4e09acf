#pragma once
// A converter song as the exchange formats read it.
#include <optional>
#include <string>

#include "cli/song_source.h"
#include "core/chordsheet/exchange_song.h"

namespace strumbly::cli {

// Nothing when the song is refused: a bad line (its message and then
// fixMessage) or no chord line (noChordsMessage), printed after prefix.
std::optional<ExchangeSong> ExchangeSongOf(const CliSong& song, const char* fixMessage, const char* noChordsMessage,
                                           const std::string& prefix);

}  // namespace strumbly::cli
