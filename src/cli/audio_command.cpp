#include "cli/audio_command.h"

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
#include "core/guitar/tuning.h"
#include "core/sound/chord_list.h"
#include "platform/midi/audio_export.h"

namespace strumbly {

namespace {

constexpr const char* kAudioUsage =
    "Usage: strumbly-cli audio SONG OUT [--soundfont SF2]\n"
    "  Renders the song file SONG (.sly) with its instrument, tuning and tempo\n"
    "  into the audio file OUT; OUT's extension chooses the format: .wav\n"
    "  (16-bit), .flac or .ogg. --soundfont uses SF2 instead of the usual\n"
    "  General MIDI soundfont.\n";

bool ReadFile(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

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

  std::string bytes;
  if (!ReadFile(song, bytes)) {
    std::cerr << "strumbly-cli: Cannot open file " << song << ": " << std::strerror(errno) << "\n";
    return 2;
  }
  const SongText text = ReadSongText(bytes);
  AudioExportJob job;
  const ChordListResult built = BuildChordList(text.lines, job.chords);
  if (!built.ok) {
    std::cerr << song << ": " << built.error << "\nFix errors before creating an audio file.\n";
    return 1;
  }
  if (!HasChordLine(job.chords, 0, static_cast<int>(text.lines.size()) - 1)) {
    std::cerr << song << ": Can't create audio file. No chords defined in editor.\n";
    return 1;
  }
  job.program = PatchFromInfo(text.patch.value_or(kDefaultPatch)) & 0x7F;
  job.tempo = TempoFromInfo(text.tempo.value_or(kDefaultTempo));
  job.tuningOffsets = TuningOffsets(NormalizeTuningTag(text.tuning.value_or(kStandardTuningTag)));
  job.soundFontSetting = soundFont;
  job.path = out;
  const AudioExportResult result = ExportAudio(job);
  if (!result.ok) {
    std::cerr << "strumbly-cli: " << result.error << "\n";
    return 1;
  }
  std::printf("%s: %.1f s of audio\n", out.c_str(), result.seconds);
  return 0;
}

}  // namespace strumbly
