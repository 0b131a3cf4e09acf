// A song file's bytes as Open reads them: decoded, the info lines applied,
// every line parsed into the chord list and timed. The text written back
// for the lines must read as the same lines.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/app/song_file.h"
#include "core/guitar/tuning.h"
#include "core/sound/chord_list.h"
#include "core/sound/timing.h"
#include "fuzz_check.h"

using namespace strumbly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = DecodeSongText(bytes);
  FUZZ_CHECK(IsValidUtf8(text));
  FUZZ_CHECK(DecodeSongText(text) == text);
  const SongText song = ReadSongText(text);
  FUZZ_CHECK(ReadSongText(bytes).lines == song.lines);
  const int tempo = std::clamp(song.tempo.value_or(kDefaultTempo), 1, 500);

  ChordList list;
  const ChordListResult result = BuildChordList(song.lines, list);
  FUZZ_CHECK(result.ok ? list.size() == song.lines.size() + 1
                       : list.size() == static_cast<std::size_t>(result.badLine));
  ComputeDurations(list, WholeNoteMs(tempo));
  for (const ChordRecord& r : list) FUZZ_CHECK(r.DurationMs >= 0);

  const std::string saved = FormatSongFile(song.lines, song.patch.value_or(kDefaultPatch) & 0xFF,
                                           song.tuning.value_or(kStandardTuningTag), tempo);
  const SongText back = ReadSongText(saved);
  FUZZ_CHECK(back.allFourInfo);
  FUZZ_CHECK(back.lines == song.lines);
  FUZZ_CHECK(back.tempo == tempo);
  return 0;
}
