#pragma once
// The parsed copy of the song that playback, the MIDI file writer and the
// tablature work from: one record per line plus a blank record for the
// position after the last line, so a list index equals a line index.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/chordsheet/chord_line.h"

namespace strumbly {

using ChordList = std::vector<ChordRecord>;

// Gives the text of line i, for 0 <= i < the line count.
using LineTextAt = std::function<std::string(int)>;

struct ChordListResult {
  bool ok = true;
  int badLine = -1;   // index of the first line that does not parse
  std::string error;  // the parser's message for it
};

// Parses positions 0..lineCount (the last one reads as the empty text) into
// list, which is emptied first, and stops at the first bad line: the list
// then holds the records before it.
ChordListResult BuildChordList(int lineCount, const LineTextAt& lineAt, ChordList& list);
ChordListResult BuildChordList(const std::vector<std::string>& lines, ChordList& list);

// Fills DurationMs of every chord record from its duration code and the
// length of a whole note; comment and blank records are left alone.
void ComputeDurations(ChordList& list, std::int32_t wholeLength);

// True when a record from first to last (inclusive, clamped to the list) is a
// chord record. An empty range gives false.
bool HasChordLine(const ChordList& list, int first, int last);

// What a command makes of the whole song; it names the command's messages.
enum class SongProduct { Tab, MidiFile, AudioFile, ChordPro, MusicXml };

struct SongChordListResult {
  bool ok = true;
  int badLine = -1;       // the first line that does not parse; -1 for none
  std::string lineError;  // the parser's message for that line
  std::string message;    // the command's own: fix the errors, or no chords
};

// The chord list of every line, for a command that needs at least one chord:
// a bad line gives the parser's message and "Fix errors before ...", a song
// without a chord line "Can't create ... No chords defined in editor.".
SongChordListResult BuildSongChordList(const std::vector<std::string>& lines, ChordList& list, SongProduct product);

inline bool IsChordEntry(const ChordRecord& r) { return KindOf(r, {}) == RecordKind::Chord; }

}  // namespace strumbly
