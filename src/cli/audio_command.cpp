#include "cli/audio_command.h"

#include "cli/song_source.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "core/app/song_file.h"
#include "core/app/song_state.h"
#include "core/guitar/capo.h"
#include "core/guitar/tuning.h"
#include "core/sound/chord_list.h"
#include "platform/midi/audio_export.h"
#include "platform/midi/song_audio.h"

namespace strumbly {

namespace {

constexpr const char* kAudioUsage =
    "Usage: strumbly-cli audio SONG OUT [--soundfont SF2]\n"
    "  Renders the song file SONG (.sly) with its instrument, tuning and tempo\n"
    "  into the audio file OUT; OUT's extension chooses the format: .wav\n"
    "  (16-bit), .flac or .ogg. --soundfont uses SF2 instead of the usual\n"
    "  General MIDI soundfont.\n";

int UsageError(const std::string& text) {
  std::cerr << "strumbly-cli audio: " << text << "\n" << kAudioUsage;
  return 2;
}

}  // namespace

int RunAudioCommand(int argc, char** argv) {
  std::string song, out, soundFont;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--soundfont") {
      if (i + 1 >= argc) return UsageError("--soundfont needs a file");
      soundFont = argv[++i];
    } else if (arg == "--help" || arg == "-h") {
      std::cout << kAudioUsage;
      return 0;
    } else if (song.empty()) {
      song = arg;
    } else if (out.empty()) {
      out = arg;
    } else {
      return UsageError("too many arguments");
    }
  }
  if (song.empty() || out.empty()) return UsageError("a song file and an audio file are needed");
  if (!AudioFormatForPath(out, nullptr)) return UsageError("the audio file name must end in .wav, .flac or .ogg");

  struct stat songFile {
  }, outFile{};
  if (::stat(song.c_str(), &songFile) == 0 && ::stat(out.c_str(), &outFile) == 0 && songFile.st_dev == outFile.st_dev &&
      songFile.st_ino == outFile.st_ino) {
    std::cerr << "strumbly-cli audio: the output " << out << " is the song file itself; nothing is written.\n";
    return 2;
  }
  // Read as Open reads a song: regular files only, within the size limit.
  const std::optional<cli::CliSong> loaded = cli::LoadSong(song);
  if (!loaded) return 2;
  SongAudio audio;
  if (!cli::SongChordList(*loaded, audio.chords, SongProduct::AudioFile, song + ": ")) return 1;
  audio.patch = PatchFromInfo(loaded->patch);
  audio.tempo = loaded->tempo;
  audio.tuning = loaded->tuning;
  audio.capo = loaded->capo;
  audio.soundFontSetting = soundFont;
  const AudioExportResult result = ExportSongAudio(audio, out);
  if (!result.ok) {
    std::cerr << "strumbly-cli: " << result.error << "\n";
    return 1;
  }
  std::printf("%s: %.1f s of audio\n", out.c_str(), result.seconds);
  return 0;
}

}  // namespace strumbly
