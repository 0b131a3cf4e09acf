#pragma once
// A song as an uncompressed MusicXML 4.0 partwise score: one guitar part on
// a six-line TAB staff, a measure per bar, every chord's notes with their
// sounding pitch, string and fret, and a chord symbol with its fret diagram
// wherever the chord's name changes.
#include <string>

#include "core/chordsheet/exchange_song.h"

namespace strumbly {

inline constexpr const char* kMusicXmlExtension = ".musicxml";
// Divisions of a quarter note: a dotted sixty-fourth is 3 of them.
inline constexpr int kMusicXmlDivisions = 32;

std::string MusicXmlText(const ExchangeSong& song);

}  // namespace strumbly
