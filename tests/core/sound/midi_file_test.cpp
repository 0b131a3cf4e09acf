// The Standard MIDI File bytes of a song.
#include "core/sound/midi_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace strumbly {
namespace {

std::string Hex(const std::string& bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char b : bytes) {
    if (!out.empty()) out += ' ';
    out += digits[b >> 4];
    out += digits[b & 15];
  }
  return out;
}

ChordList Song(const std::vector<std::string>& lines) {
  ChordList list;
  EXPECT_TRUE(BuildChordList(lines, list).ok);
  ComputeDurations(list, TicksPerWholeNote);
  return list;
}

constexpr StringOffsets kStandard{0, 0, 0, 0, 0, 0};

std::string NoteTrack(const std::string& file) { return Hex(file.substr(14 + 30 + 8)); }

TEST(MidiFile, OneChordGivesTheWhole87ByteFile) {
  const std::string file = MidiFileBytes(Song({"C, x, 3, 2, 0, 1, 0, Q"}), 25, 120, kStandard);
  EXPECT_EQ(file.size(), 87u);
  EXPECT_EQ(Hex(file),
            "4D 54 68 64 00 00 00 06 00 01 00 02 00 60 "
            "4D 54 72 6B 00 00 00 16 00 C0 19 00 FF 58 04 04 02 18 08 00 FF 51 03 07 A1 20 00 FF 2F 00 "
            "4D 54 72 6B 00 00 00 23 00 90 40 7F 00 3C 7F 00 37 7F 00 34 7F 00 30 7F 60 40 00 00 3C 00 00 37 00 "
            "00 34 00 00 30 00 00 FF 2F 00");
}

TEST(MidiFile, TempoBytes) {
  const ChordList song = Song({"C, x, 3, 2, 0, 1, 0, Q"});
  auto tempoBytes = [&](int tempo) { return Hex(MidiFileBytes(song, 25, tempo, kStandard).substr(37, 3)); };
  EXPECT_EQ(tempoBytes(100), "09 27 C0");
  EXPECT_EQ(tempoBytes(500), "01 D4 C0");
  EXPECT_EQ(tempoBytes(4), "E4 E1 C0");  // 15 000 000 still fits
  // Slower tempos than the field can state are written as its slowest.
  EXPECT_EQ(tempoBytes(3), "FF FF FF");
  EXPECT_EQ(tempoBytes(1), "FF FF FF");
  EXPECT_EQ(tempoBytes(0), "FF FF FF");
}

TEST(MidiFile, ProgramIsADataByte) {
  const ChordList song = Song({"C, x, 3, 2, 0, 1, 0, Q"});
  EXPECT_EQ(static_cast<unsigned char>(MidiFileBytes(song, 127, 120, kStandard)[24]), 127);
  EXPECT_EQ(static_cast<unsigned char>(MidiFileBytes(song, 200, 120, kStandard)[24]), 200 & 0x7F);
}

TEST(MidiFile, UnplayedFirstStringIsCarriedBySilentKey60) {
  const std::string file = MidiFileBytes(
      Song({"D, x, x, 0, 2, 3, x, Q", "G, 3, 2, 0, 0, 0, 3, E", "A7, x, 0, 2, 0, 2, x, Q"}), 25, 120, kStandard);
  EXPECT_EQ(NoteTrack(file),
            // D: string 1 not played, so key 60 with velocity 0 carries the length.
            "00 90 3C 00 00 3E 7F 00 39 7F 00 32 7F 60 3C 00 00 3E 00 00 39 00 00 32 00 "
            // G
            "00 43 7F 00 3B 7F 00 37 7F 00 32 7F 00 2F 7F 00 2B 7F 30 43 00 00 3B 00 00 37 00 00 32 00 00 2F 00 "
            "00 2B 00 "
            // A7: a later chord without string 1
            "00 3C 00 00 3D 7F 00 37 7F 00 34 7F 00 2D 7F 60 3C 00 00 3D 00 00 37 00 00 34 00 00 2D 00 "
            "00 FF 2F 00");
  const std::size_t length = file.size() - 52;
  EXPECT_EQ(static_cast<unsigned char>(file[51]), length);
}

TEST(MidiFile, WholeAndDottedWholeDeltas) {
  EXPECT_EQ(NoteTrack(MidiFileBytes(Song({"R, x, x, x, x, x, x, W"}), 25, 120, kStandard)),
            "00 90 3C 00 83 00 3C 00 00 FF 2F 00");
  EXPECT_EQ(NoteTrack(MidiFileBytes(Song({"R, x, x, x, x, x, x, .W"}), 25, 120, kStandard)),
            "00 90 3C 00 84 40 3C 00 00 FF 2F 00");
}

TEST(MidiFile, TuningOffsetsAreAddedToEveryKey) {
  // 355433: string 6 two semitones down, so the open low E is written as D (38).
  const std::string file = MidiFileBytes(Song({"E5, 0, x, x, x, x, 0, Q"}), 25, 120, TuningOffsets(355433));
  EXPECT_EQ(NoteTrack(file), "00 90 3E 7F 00 26 7F 60 3E 00 00 26 00 00 FF 2F 00");
}

TEST(MidiFile, CommentsAndBlanksAddNothing) {
  const ChordList plain = Song({"C, x, 3, 2, 0, 1, 0, Q"});
  const ChordList decorated = Song({"* Intro", "", "C, x, 3, 2, 0, 1, 0, Q", "", "", "* end"});
  EXPECT_EQ(MidiFileBytes(plain, 25, 120, kStandard), MidiFileBytes(decorated, 25, 120, kStandard));
  // No chord at all still gives a well-formed file with an empty note track.
  EXPECT_EQ(NoteTrack(MidiFileBytes(Song({"* only words"}), 25, 120, kStandard)), "00 FF 2F 00");
}

TEST(MidiFile, VariableLengthQuantities) {
  auto varLen = [](std::uint32_t v) {
    std::string out;
    const int n = WriteVarLen(out, v);
    EXPECT_EQ(static_cast<std::size_t>(n), out.size());
    return Hex(out);
  };
  EXPECT_EQ(varLen(0), "00");
  EXPECT_EQ(varLen(96), "60");
  EXPECT_EQ(varLen(127), "7F");
  EXPECT_EQ(varLen(128), "81 00");
  EXPECT_EQ(varLen(384), "83 00");
  EXPECT_EQ(varLen(576), "84 40");
  EXPECT_EQ(varLen(0x0FFFFFFF), "FF FF FF 7F");
}

TEST(MidiFile, ProposedFileName) {
  EXPECT_EQ(ProposedMidiFileName("Blues.sly"), "Blues.MID");
  EXPECT_EQ(ProposedMidiFileName("Untitled.sly"), "Untitled.MID");
  EXPECT_EQ(ProposedMidiFileName("/home/me/songs/Slow.Blues.sly"), "Slow.Blues.MID");
  EXPECT_EQ(ProposedMidiFileName("Riff"), "Riff.MID");
}

}  // namespace
}  // namespace strumbly
