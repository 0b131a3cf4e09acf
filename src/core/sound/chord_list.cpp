#include "core/sound/chord_list.h"

#include <algorithm>

namespace strumbly {

ChordListResult BuildChordList(int lineCount, const LineTextAt& lineAt, ChordList& list) {
  list.clear();
  ChordListResult result;
  if (lineCount < 0) lineCount = 0;
  list.reserve(static_cast<std::size_t>(lineCount) + 1);
  ChordRecord record;
  for (int i = 0; i <= lineCount; ++i) {
    const std::string text = i < lineCount ? lineAt(i) : std::string();
    std::string error = ParseChordText(text, i, record);
    if (!error.empty()) {
      result.ok = false;
      result.badLine = i;
      result.error = std::move(error);
      break;
    }
    list.push_back(record);
  }
  return result;
}

ChordListResult BuildChordList(const std::vector<std::string>& lines, ChordList& list) {
  return BuildChordList(
      static_cast<int>(lines.size()), [&lines](int i) { return lines[static_cast<std::size_t>(i)]; }, list);
}

void ComputeDurations(ChordList& list, std::int32_t wholeLength) {
  for (auto& r : list)
    if (IsChordEntry(r)) r.DurationMs = DurationValue(r.Duration, wholeLength);
}

bool HasChordLine(const ChordList& list, int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, static_cast<int>(list.size()) - 1);
  for (int i = first; i <= last; ++i)
    if (IsChordEntry(list[static_cast<std::size_t>(i)])) return true;
  return false;
}

SongChordListResult BuildSongChordList(const std::vector<std::string>& lines, ChordList& list, SongProduct product) {
  struct Messages {
    const char* fix;
    const char* noChords;
  };
  static constexpr Messages kTab{"Fix errors before viewing tab.", "Can't create tab. No chords defined in editor."};
  static constexpr Messages kMidi{"Fix errors before creating a midi file.",
                                  "Can't create midi file. No chords defined in editor."};
  static constexpr Messages kAudio{"Fix errors before creating an audio file.",
                                   "Can't create audio file. No chords defined in editor."};
  static constexpr Messages kChordPro{"Fix errors before exporting a ChordPro file.",
                                      "Can't export ChordPro. No chords defined in editor."};
  static constexpr Messages kMusicXml{"Fix errors before exporting a MusicXML file.",
                                      "Can't export MusicXML. No chords defined in editor."};
  const Messages& m = product == SongProduct::Tab        ? kTab
                      : product == SongProduct::MidiFile ? kMidi
                      : product == SongProduct::ChordPro ? kChordPro
                      : product == SongProduct::MusicXml ? kMusicXml
                                                         : kAudio;
  SongChordListResult out;
  const ChordListResult built = BuildChordList(lines, list);
  if (!built.ok) {
    out.ok = false;
    out.badLine = built.badLine;
    out.lineError = built.error;
    out.message = m.fix;
  } else if (!HasChordLine(list, 0, static_cast<int>(lines.size()) - 1)) {
    out.ok = false;
    out.message = m.noChords;
  }
  return out;
}

}  // namespace strumbly
