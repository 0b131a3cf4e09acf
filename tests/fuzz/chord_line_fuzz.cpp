// One line of a song through the parser. A line that parses as a chord is
// written back and must read again as the same chord.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/chordsheet/chord_line.h"
#include "fuzz_check.h"

using namespace strumbly;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  ChordRecord record;
  const std::string error = ParseChordText(text, 0, record);
  const RecordKind kind = KindOf(record, error);
  FUZZ_CHECK(error.empty() || error.rfind("Line 1", 0) == 0);
  if (kind != RecordKind::Chord) return 0;
  for (int i = 0; i < 6; ++i) {
    const std::int32_t fret = record.Frets[static_cast<std::size_t>(i)];
    FUZZ_CHECK(fret == NotPlayed || (fret >= 0 && fret <= MaxFret));
    FUZZ_CHECK(record.Pitches[static_cast<std::size_t>(i)] == StandardPitch(i, fret));
  }
  FUZZ_CHECK(DurationValue(record.Duration, 384) >= 0);
  ChordRecord again;
  FUZZ_CHECK(ParseChordText(FormatChordLine(record), 0, again).empty());
  FUZZ_CHECK(again.Frets == record.Frets);
  FUZZ_CHECK(DurationValue(again.Duration, 384) == DurationValue(record.Duration, 384));
  return 0;
}
