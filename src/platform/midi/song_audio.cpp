#include "platform/midi/song_audio.h"

namespace strumbly {

AudioExportJob SongAudioJob(const SongAudio& song, const std::string& path) {
  AudioExportJob job;
  job.chords = song.chords;
  job.program = song.patch & 0x7F;
  job.tempo = song.tempo;
  job.tuningOffsets = TuningOffsets(song.tuning);
  job.soundFontSetting = song.soundFontSetting;
  job.path = path;
  return job;
}

AudioExportResult ExportSongAudio(const SongAudio& song, const std::string& path, const AudioExportProgress& progress) {
  return ExportAudio(SongAudioJob(song, path), progress);
}

}  // namespace strumbly
