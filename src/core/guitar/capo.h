#pragma once
// The capo. A song carries it as the comment line "* Capo: N", as it carries
// its titles; frets in chord lines are written relative to it, so
// everything that sounds or names a chord adds N semitones to every string.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/guitar/tuning.h"

namespace strumbly {

inline constexpr int kMaxCapo = 11;

// The number after the last "CAPO:" (any letter case) found in a comment
// line, when it is a whole number from 0 to 11; 0 when no comment line
// gives one. Later text on the line is allowed ("* Capo: 2 (live)").
int FindSongCapo(const std::vector<std::string>& lines);
// The capo one line gives, by the same rule; -1 for a line that gives none.
int LineCapo(std::string_view line);

// "* Capo: 3".
std::string CapoLine(int capo);

// The song's lines with the capo set: the line that gives the capo now is
// replaced (removed for 0), or, when none does, "* Capo: N" goes in after
// the comment lines at the top of the song. Setting the capo a song already
// has gives its lines back unchanged.
std::vector<std::string> SongLinesWithCapo(const std::vector<std::string>& lines, int capo);

// The tuning's offsets with the capo on every string.
StringOffsets WithCapo(const StringOffsets& offsets, int capo);

// The MIDI notes that sound for standard-tuning pitches under the tuning's
// offsets with a capo; unplayed strings stay 255.
std::array<int, 6> SoundingPitches(const std::array<std::uint8_t, 6>& pitches, const StringOffsets& offsets, int capo);

// "Capo 2" as headings and the status bar show it; empty for no capo.
std::string CapoText(int capo);

}  // namespace strumbly
