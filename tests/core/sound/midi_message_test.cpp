#include "core/sound/midi_message.h"

#include <gtest/gtest.h>

using namespace strumbly;

TEST(MidiMessage, ChannelGoesIntoTheStatusByte) {
  EXPECT_EQ(NoteOnMessage(0, 64, 0), (ShortMessage{0x90, 64, 127}));
  EXPECT_EQ(NoteOffMessage(0, 64, 0), (ShortMessage{0x80, 64, 0}));
  EXPECT_EQ(ProgramChangeMessage(0, 25), (ShortMessage{0xC0, 25, 0}));
  // Channel 9 (shown to the user as 10).
  EXPECT_EQ(NoteOnMessage(9, 60, 0).status, 0x99);
  EXPECT_EQ(NoteOffMessage(9, 60, 0).status, 0x89);
  EXPECT_EQ(ProgramChangeMessage(9, 0).status, 0xC9);
  EXPECT_EQ(NoteOnMessage(15, 60, 0).status, 0x9F);
}

TEST(MidiMessage, PackedFormHasStatusInTheLowByte) {
  EXPECT_EQ(NoteOnMessage(2, 0x40, 0).Packed(), 0x7F4092u);
  EXPECT_EQ(ProgramChangeMessage(0, 31).Packed(), 0x1FC0u);
}

TEST(MidiMessage, OctaveShiftAppliesToNoteOnAndOff) {
  EXPECT_EQ(NoteOnMessage(0, 64, -12).data1, 52);
  EXPECT_EQ(NoteOffMessage(0, 64, -12).data1, 52);
  EXPECT_EQ(NoteOnMessage(0, 64, 12).data1, 76);
  // Program changes are not shifted.
  EXPECT_EQ(ProgramChangeMessage(0, 64).data1, 64);
}

TEST(MidiMessage, ChannelAboveFifteenUsesItsLowFourBits) {
  // 19 would otherwise turn a note-on (0x90 + 19 = 0xA3) into key pressure.
  EXPECT_EQ(NoteOnMessage(19, 60, 0).status, 0x93);
  EXPECT_EQ(NoteOffMessage(255, 60, 0).status, 0x8F);
  EXPECT_EQ(ProgramChangeMessage(16, 1).status, 0xC0);
}

TEST(MidiMessage, DataBytesStayInsideSevenBits) {
  // Programs from a song file can be any byte: the low seven bits are sent.
  EXPECT_EQ(ProgramChangeMessage(0, 128).data1, 0);
  EXPECT_EQ(ProgramChangeMessage(0, 200).data1, 72);
  EXPECT_EQ(ProgramChangeMessage(0, 255).data1, 127);
  // Keys pushed out of range by a wild octave setting are clamped, so the
  // note-on and its note-off still name the same key.
  EXPECT_EQ(NoteOnMessage(0, 120, 12).data1, 127);
  EXPECT_EQ(NoteOffMessage(0, 120, 12).data1, 127);
  EXPECT_EQ(NoteOnMessage(0, 5, -12).data1, 0);
  EXPECT_EQ(NoteOnMessage(0, 60, 2147483647).data1, 127);
  EXPECT_EQ(NoteOnMessage(0, 60, -2147483647 - 1).data1, 0);
  for (int ch : {0, 9, 15, 16, 255})
    for (int key : {0, 64, 127})
      for (int shift : {-12, 0, 12}) {
        const auto m = NoteOnMessage(ch, key, shift);
        EXPECT_LE(m.data1, 127);
        EXPECT_EQ(m.Kind(), 0x90);
      }
}
