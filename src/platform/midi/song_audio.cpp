#include "platform/midi/song_audio.h"

#include "core/guitar/capo.h"

namespace strumbly {

AudioExportJob SongAudioJob(const SongAudio& song, const std::string& path) {
  AudioExportJob job;
  job.chords = song.chords;
  job.program = song.patch & 0x7F;
  job.tempo = song.tempo;
  job.tuningOffsets = WithCapo(TuningOffsets(song.tuning), song.capo);
  job.soundFontSetting = song.soundFontSetting;
  job.path = path;
  return job;
}

AudioExportResult ExportSongAudio(const SongAudio& song, const std::string& path, const AudioExportProgress& progress) {
  return ExportAudio(SongAudioJob(song, path), progress);
}

}  // namespace strumbly
