// strumbly-cli midi: the Standard MIDI File of a song, as the Midi File
// command writes it.
#include "cli/conversion.h"
#include "core/guitar/capo.h"
#include "core/guitar/tuning.h"
#include "core/sound/midi_file.h"

namespace strumbly::cli {

int RunMidi(const Args& args) {
  const Conversion midi{
      "midi", ".mid", [](const CliSong& song, const std::string& prefix) -> std::optional<std::string> {
        ChordList list;
        if (!SongChordList(song, list, SongProduct::MidiFile, prefix)) return std::nullopt;
        ComputeDurations(list, TicksPerWholeNote);
        return MidiFileBytes(list, song.patch, song.tempo, WithCapo(TuningOffsets(song.tuning), song.capo));
      }};
  return RunConversion(midi, args);
}

}  // namespace strumbly::cli
