#pragma once
// A song as the exchange formats (ChordPro, MusicXML) read it: its lines
// parsed once, its titles, tempo, instrument, tuning and capo.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/guitar/tuning.h"
#include "core/sound/chord_list.h"
#include "core/tab/tab_titles.h"

namespace strumbly {

using Frets = std::array<std::int32_t, 6>;  // string 1 first

struct ExchangeSong {
  std::vector<std::string> lines;  // the editor's lines
  ChordList list;                  // one record per line, built without error
  TabTitles titles;                // the file name's stem when the song has no title
  int tempo = 120;
  int patch = 25;  // General MIDI program counted from 0
  TuningTag tuning = kStandardTuningTag;
  int capo = 0;  // 0: none
};

// Parses the lines; nullopt (with the parser's message in error) when a line
// is bad.
std::optional<ExchangeSong> MakeExchangeSong(std::vector<std::string> lines, std::string_view fileName, int tempo,
                                             int patch, TuningTag tuning, std::string& error);

// True for the comment lines that carry a title, subtitle or capo, which the
// formats write as their own fields.
bool IsSongFieldLine(std::string_view line);

// The fret a chord diagram starts at: 1 when every fretted note lies in
// frets 1 to 4, otherwise the lowest fretted note.
int ShapeBaseFret(const std::array<std::int32_t, 6>& frets);

// A chord that no string sounds: a rest.
bool IsRestShape(const std::array<std::int32_t, 6>& frets);

}  // namespace strumbly
