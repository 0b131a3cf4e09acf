#include "cli/song_source.h"

#include <QString>
#include <iostream>

#include "core/app/song_file.h"
#include "core/app/song_state.h"
#include "core/guitar/capo.h"
#include "core/guitar/tuning.h"
#include "platform/command_error.h"
#include "platform/song_io.h"

namespace strumbly::cli {

std::optional<CliSong> LoadSong(const std::string& path) {
  std::string bytes;
  try {
    bytes = ReadSongFile(QString::fromStdString(path));
  } catch (const CommandError& e) {
    std::cerr << "strumbly-cli: " << e.what() << "\n";
    return std::nullopt;
  }
  SongText text = ReadSongText(bytes);
  CliSong song;
  song.path = path;
  song.lines = std::move(text.lines);
  song.patch = text.patch ? PatchFromInfo(*text.patch) : kDefaultPatch;
  song.tuning = text.tuning ? NormalizeTuningTag(*text.tuning) : kStandardTuningTag;
  song.tempo = text.tempo ? TempoFromInfo(*text.tempo) : kDefaultTempo;
  song.capo = FindSongCapo(song.lines);
  song.infoLines = text.allFourInfo;
  return song;
}

bool SongChordList(const CliSong& song, ChordList& list, SongProduct product, const std::string& prefix) {
  const SongChordListResult result = BuildSongChordList(song.lines, list, product);
  if (result.ok) return true;
  if (result.badLine >= 0) std::cerr << prefix << result.lineError << "\n";
  std::cerr << prefix << result.message << "\n";
  return false;
}

}  // namespace strumbly::cli
