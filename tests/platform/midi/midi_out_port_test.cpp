#include "platform/midi/midi_out_port.h"

#include <gtest/gtest.h>

#include "support/recording_midi_output.h"

using namespace strumbly;
using strumbly::test::RecordingMidiOutput;

namespace {
struct PortFixture : ::testing::Test {
  RecordingMidiOutput device;
  Settings settings;
  MidiOutPort port{device, settings};
};
}  // namespace

TEST_F(PortFixture, SendsTheThreeMessagesOnTheSettingsChannel) {
  settings.Channel = 9;
  ASSERT_EQ(port.OpenMidiPort(), "");
  EXPECT_TRUE(port.PortOpen());
  EXPECT_EQ(device.openDevice, -1);
  port.SendProgramChange(25);
  port.SendNoteOn(64);
  port.SendNoteOff(64);
  ASSERT_EQ(device.messages.size(), 3u);
  EXPECT_EQ(device.messages[0].message, (ShortMessage{0xC9, 25, 0}));
  EXPECT_EQ(device.messages[1].message, (ShortMessage{0x99, 64, 127}));
  EXPECT_EQ(device.messages[2].message, (ShortMessage{0x89, 64, 0}));
}

TEST_F(PortFixture, SettingsAreReadWhenSending) {
  settings.Octave = -12;
  ASSERT_EQ(port.OpenMidiPort(), "");
  port.SendNoteOn(64);
  settings.Octave = 0;
  settings.Channel = 3;
  port.SendNoteOff(64);
  ASSERT_EQ(device.messages.size(), 2u);
  EXPECT_EQ(device.messages[0].message, (ShortMessage{0x90, 52, 127}));
  EXPECT_EQ(device.messages[1].message, (ShortMessage{0x83, 64, 0}));
}

TEST_F(PortFixture, ClosedPortSendsNothing) {
  port.SendNoteOn(60);
  port.SendNoteOff(60);
  port.SendProgramChange(1);
  ASSERT_EQ(port.OpenMidiPort(), "");
  port.CloseMidiPort();
  port.SendNoteOn(60);
  EXPECT_TRUE(device.messages.empty());
  EXPECT_FALSE(port.PortOpen());
}

TEST_F(PortFixture, CloseTwiceClosesOnce) {
  ASSERT_EQ(port.OpenMidiPort(), "");
  port.CloseMidiPort();
  port.CloseMidiPort();
  EXPECT_EQ(device.closes, 1);
  // Opening an open port keeps the device it has.
  ASSERT_EQ(port.OpenMidiPort(), "");
  ASSERT_EQ(port.OpenMidiPort(), "");
  EXPECT_EQ(device.opens, 2);
  EXPECT_EQ(device.openAttempts, 2);
}

TEST_F(PortFixture, FailedOpenGivesTheTextAndLeavesThePortClosed) {
  device.deviceNames = {"One", "Two", "Three"};
  settings.Device = 3;
  EXPECT_EQ(port.OpenMidiPort(), "The specified device identifier is out of range.");
  EXPECT_FALSE(port.PortOpen());
  port.SendNoteOn(60);
  EXPECT_TRUE(device.messages.empty());
  settings.Device = 2;
  EXPECT_EQ(port.OpenMidiPort(), "");
  EXPECT_EQ(device.openDevice, 2);
  port.CloseMidiPort();

  const std::pair<MidiOpenResult, const char*> texts[] = {
      {MidiOpenResult::Allocated, "The MIDI device is already in use."},
      {MidiOpenResult::NoDevice, "No MIDI port was found."},
      {MidiOpenResult::NoMemory, "The system is unable to allocate or lock memory."},
      {MidiOpenResult::InvalidParam, "The specified pointer or structure is invalid."},
      {MidiOpenResult::Error, "Error"},
  };
  for (const auto& [result, text] : texts) {
    device.openResult = result;
    EXPECT_EQ(port.OpenMidiPort(), text);
    EXPECT_FALSE(port.PortOpen());
  }
  EXPECT_EQ(device.closes, 1);
}

TEST_F(PortFixture, DeviceListComesFromTheService) {
  device.deviceNames = {"One", "Two", "Three"};
  EXPECT_EQ(port.MidiDeviceCount(), 3);
  EXPECT_EQ(port.MidiDeviceName(-1), "Test Synthesizer");
  EXPECT_EQ(port.MidiDeviceName(2), "Three");
  EXPECT_EQ(port.MidiDeviceName(5), "");
}

TEST_F(PortFixture, ChangingTheServiceClosesTheOpenDevice) {
  ASSERT_EQ(port.OpenMidiPort(), "");
  RecordingMidiOutput other;
  port.SetService(other);
  EXPECT_FALSE(port.PortOpen());
  EXPECT_EQ(device.closes, 1);
  ASSERT_EQ(port.OpenMidiPort(), "");
  port.SendNoteOn(40);
  EXPECT_EQ(other.messages.size(), 1u);
  EXPECT_TRUE(device.messages.empty());
  port.SetService(device);  // other goes before the port
  EXPECT_EQ(other.closes, 1);
}

namespace {
// A device that can place messages in time: it keeps the moment asked for.
struct TimedDevice : RecordingMidiOutput {
  std::vector<std::chrono::steady_clock::time_point> asked;
  void SendAt(const ShortMessage& m, std::chrono::steady_clock::time_point at) override {
    asked.push_back(at);
    Send(m);
  }
};
}  // namespace

// The timed sends carry the scheduled moment to the device, with the same
// messages as the plain ones; a device without timing sends them at once.
TEST(MidiOutPortTimed, ScheduledMomentReachesTheDevice) {
  Settings settings;
  settings.Channel = 2;
  settings.Octave = 12;
  const auto at = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
  TimedDevice timed;
  MidiOutPort port(timed, settings);
  port.SendNoteOn(60, at);  // closed: nothing
  EXPECT_TRUE(timed.asked.empty());
  ASSERT_EQ(port.OpenMidiPort(), "");
  port.SendProgramChange(25, at);
  port.SendNoteOn(60, at);
  port.SendNoteOff(60, at + std::chrono::milliseconds(500));
  ASSERT_EQ(timed.messages.size(), 3u);
  EXPECT_EQ(timed.messages[0].message, (ShortMessage{0xC2, 25, 0}));
  EXPECT_EQ(timed.messages[1].message, (ShortMessage{0x92, 72, 127}));
  EXPECT_EQ(timed.messages[2].message, (ShortMessage{0x82, 72, 0}));
  ASSERT_EQ(timed.asked.size(), 3u);
  EXPECT_EQ(timed.asked[1], at);
  EXPECT_EQ(timed.asked[2], at + std::chrono::milliseconds(500));

  RecordingMidiOutput plain;
  MidiOutPort plainPort(plain, settings);
  ASSERT_EQ(plainPort.OpenMidiPort(), "");
  const auto before = std::chrono::steady_clock::now();
  plainPort.SendNoteOn(60, at);
  ASSERT_EQ(plain.messages.size(), 1u);
  EXPECT_EQ(plain.messages[0].message, (ShortMessage{0x92, 72, 127}));
  EXPECT_LT(plain.messages[0].at, at);  // sent at once, not held back
  EXPECT_GE(plain.messages[0].at, before);
}
