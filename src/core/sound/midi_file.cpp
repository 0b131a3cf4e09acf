#include "core/sound/midi_file.h"

#include "core/app/song_names.h"

namespace strumbly {

namespace {

class ByteWriter {
 public:
  explicit ByteWriter(std::string& out) : out_(out) {}
  int Byte(std::uint32_t b) {
    out_.push_back(static_cast<char>(b & 0xFF));
    return 1;
  }
  int Word(std::uint32_t v) { return Byte(v >> 8) + Byte(v); }
  int Long(std::uint32_t v) { return Word(v >> 16) + Word(v); }
  void ChunkId(const char (&id)[5]) { out_.append(id, 4); }
  // Writes a 32-bit placeholder and gives back its position.
  std::size_t LengthField() {
    const std::size_t at = out_.size();
    Long(0);
    return at;
  }
  void FillLength(std::size_t at, std::uint32_t length) {
    for (int i = 0; i < 4; ++i)
      out_[at + static_cast<std::size_t>(i)] = static_cast<char>((length >> (24 - 8 * i)) & 0xFF);
  }
  std::string& out() { return out_; }

 private:
  std::string& out_;
};

std::uint8_t KeyOf(std::uint8_t pitch, int offset) { return static_cast<std::uint8_t>(pitch + offset); }

}  // namespace

std::uint32_t TempoMicroseconds(int tempo) {
  if (tempo < 1) tempo = 1;
  const std::uint32_t us = 60000000u / static_cast<std::uint32_t>(tempo);
  return us > kMaxTempoMicroseconds ? kMaxTempoMicroseconds : us;
}

int WriteVarLen(std::string& out, std::uint32_t value) {
  std::uint8_t groups[5];
  int n = 0;
  do {
    groups[n++] = static_cast<std::uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  for (int i = n - 1; i >= 0; --i) out.push_back(static_cast<char>(groups[i] | (i > 0 ? 0x80 : 0)));
  return n;
}

std::string MidiFileBytes(const ChordList& list, int program, int tempo, const StringOffsets& offsets) {
  std::string out;
  out.reserve(64 + list.size() * 40);
  ByteWriter w(out);

  w.ChunkId("MThd");
  w.Long(6);
  w.Word(1);
  w.Word(2);
  w.Word(kTicksPerQuarterNote);

  w.ChunkId("MTrk");
  const std::size_t setupLength = w.LengthField();
  int setup = 0;
  setup += w.Byte(0) + w.Byte(0xC0) + w.Byte(static_cast<std::uint32_t>(program) & 0x7F);
  for (const int b : {0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18, 0x08}) setup += w.Byte(static_cast<std::uint32_t>(b));
  const std::uint32_t us = TempoMicroseconds(tempo);
  setup += w.Byte(0) + w.Byte(0xFF) + w.Byte(0x51) + w.Byte(0x03);
  setup += w.Byte(us >> 16) + w.Byte(us >> 8) + w.Byte(us);
  setup += w.Byte(0) + w.Byte(0xFF) + w.Byte(0x2F) + w.Byte(0);
  w.FillLength(setupLength, static_cast<std::uint32_t>(setup));

  w.ChunkId("MTrk");
  const std::size_t noteLength = w.LengthField();
  const std::size_t noteStart = out.size();
  bool first = true;
  for (const ChordRecord& r : list) {
    if (!IsChordEntry(r)) continue;
    // String 1 carries the chord's length; an unplayed string 1 is stood in
    // for by a silent key 60.
    const std::uint8_t p = r.Pitches[0];
    const bool silent = p == SilentPitch;
    const std::uint8_t carrier = silent ? 60 : KeyOf(p, offsets[0]);
    w.Byte(0);
    if (first) w.Byte(0x90);
    first = false;
    w.Byte(carrier);
    w.Byte(silent ? 0 : 0x7F);
    for (std::size_t s = 1; s < 6; ++s)
      if (r.Pitches[s] != SilentPitch) w.Byte(0), w.Byte(KeyOf(r.Pitches[s], offsets[s])), w.Byte(0x7F);
    WriteVarLen(out, static_cast<std::uint32_t>(r.DurationMs < 0 ? 0 : r.DurationMs));
    w.Byte(carrier);
    w.Byte(0);
    for (std::size_t s = 1; s < 6; ++s)
      if (r.Pitches[s] != SilentPitch) w.Byte(0), w.Byte(KeyOf(r.Pitches[s], offsets[s])), w.Byte(0);
  }
  w.Byte(0), w.Byte(0xFF), w.Byte(0x2F), w.Byte(0);
  w.FillLength(noteLength, static_cast<std::uint32_t>(out.size() - noteStart));
  return out;
}

std::string ProposedMidiFileName(std::string_view songFileName) {
  const std::string name = FileNameOf(songFileName);
  const std::string ext = ExtensionOf(name);
  return name.substr(0, name.size() - ext.size()) + ".MID";
}

}  // namespace strumbly
