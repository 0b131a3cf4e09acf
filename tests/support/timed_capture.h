#pragma once
// Plays single notes through a synthesizer engine whose sound goes to a WAV
// file, each note sent by a sleeping thread with the moment it is scheduled
// for, some sends early and some late on purpose, then finds the notes in
// the file and measures how far each lies from its schedule.
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace strumbly::test {

struct TimedCapture {
  // Per note: onset found minus the frame the schedule gives it, in ms.
  std::vector<double> errorsMs;
  // Per note: the sender woke within the latency, so the note could be on
  // time; a later sender's note plays as soon as possible instead.
  std::vector<bool> sentInTime;
  // Where the first audible sample of the first note lies against the
  // start of the 64-frame block it was due in, in frames.
  std::int64_t firstSoundFromBlock = 0;
  std::size_t onsetsFound = 0;

  // The detector finds a note a little into its attack, the same for every
  // note: the median error.
  double Attack() const;
  // The largest distance of an in-time note's error from the attack.
  double MaxJitterMs() const;
  // The median error of the in-time notes among [from, to).
  double MedianMs(std::size_t from, std::size_t to) const;
};

// notes notes every spacing, each length long, key 57 on the nylon guitar;
// sends run 40 ms early, on time and 3 ms late by turns. Empty when the
// engine or the file cannot be set up.
std::optional<TimedCapture> CaptureTimedNotes(const std::string& soundFont, const std::string& wavPath, int notes,
                                              std::chrono::milliseconds spacing, std::chrono::milliseconds length);

}  // namespace strumbly::test
