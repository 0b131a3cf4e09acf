#pragma once
// Renders a song with the built-in synthesizer's sound into an audio file,
// offline: as fast as the machine can, not in real time. Each chord starts
// on the frame its place in the song gives it, and the last chord rings out
// to silence before the file ends.
#include <array>
#include <functional>
#include <string>

#include "core/app/song_file.h"
#include "core/sound/chord_list.h"

namespace strumbly {

enum class AudioFileFormat { Wav, Flac, Ogg };

// The format named by the path's extension (.wav, .flac, .ogg, in any case);
// false when the extension names none of them.
bool AudioFormatForPath(const std::string& path, AudioFileFormat* format);

struct AudioExportJob {
  ChordList chords;                                    // as BuildChordList gives it; durations are worked out here
  int program = kDefaultPatch;                         // 0-based General MIDI program
  int tempo = 120;                                     // quarter notes per minute
  std::array<int, 6> tuningOffsets{0, 0, 0, 0, 0, 0};  // string 1 first
  std::string soundFontSetting;                        // the user's soundfont, empty for the usual
  std::string path;                                    // the file to write; its extension gives the format
};

struct AudioExportResult {
  bool ok = false;
  bool cancelled = false;
  std::string error;   // why it failed, for the user
  double seconds = 0;  // length of the audio written
};

// Told the part done so far (0..1) now and then; giving back false cancels
// the export.
using AudioExportProgress = std::function<bool(double done)>;

inline constexpr int kAudioExportSampleRate = 48000;

// Writes the file. A cancelled or failed export leaves no file behind, and
// a file that was there before stays as it was.
AudioExportResult ExportAudio(const AudioExportJob& job, const AudioExportProgress& progress = {});

}  // namespace strumbly
