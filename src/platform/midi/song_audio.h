#pragma once
// The audio file of a song, as the Special menu and the converter make it:
// the song's chords on its own instrument (as it sounds, its low seven
// bits), in its tuning and at its tempo, with the user's soundfont.
#include <cstdint>
#include <string>

#include "core/app/song_file.h"
#include "core/guitar/tuning.h"
#include "core/sound/chord_list.h"
#include "platform/midi/audio_export.h"

namespace strumbly {

struct SongAudio {
  ChordList chords;  // as BuildChordList gives it
  std::uint8_t patch = kDefaultPatch;
  int tempo = kDefaultTempo;
  TuningTag tuning = kStandardTuningTag;
  std::string soundFontSetting;  // empty for the usual soundfont
  int capo = 0;                  // frets are written relative to it
};

AudioExportJob SongAudioJob(const SongAudio& song, const std::string& path);

// Writes the song's audio to path, whose extension gives the format.
AudioExportResult ExportSongAudio(const SongAudio& song, const std::string& path,
                                  const AudioExportProgress& progress = {});

}  // namespace strumbly
