#pragma once
// One FluidSynth synthesizer with a General MIDI soundfont. It can render
// into buffers (for tests and offline use) or play through an audio output:
// the desktop's sound server, or a WAV file written in real time.
//
// Notes can be given the moment they are meant to sound. The engine keeps
// them in a queue and starts each one on the frame of the output that plays
// at that moment, a fixed latency of two audio periods later, so a sender
// that wakes up a little late still puts its note exactly in time.
#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/sound/midi_message.h"
#include "platform/midi/peak_limiter.h"
#include "platform/midi/sample_clock.h"
#include "platform/midi/wav_file_writer.h"

namespace strumbly {

// The soundfont to load: the setting when it is set, otherwise the first of
// the usual General MIDI soundfonts that is present; empty when none is.
std::string FindSoundFont(const std::string& setting);
const std::vector<std::string>& DefaultSoundFonts();

class SynthEngine {
 public:
  using Clock = std::chrono::steady_clock;

  static constexpr int kSampleRate = 48000;
  // The synthesizer starts voices only at the start of a block of this many
  // frames; a queued note starts at the block start nearest its frame.
  static constexpr int kBlockFrames = 64;
  // 256 frames at 48 kHz: 5.3 ms.
  static constexpr int kPeriodFrames = 256;
  static constexpr int kLatencyFrames = 2 * kPeriodFrames;
  // The level of the synthesizer: a single chord sounds clearly on every
  // guitar sound. A guitar sounds at most six strings, and a string picked
  // again stops its last note: 24 voices hold the two or three latest
  // chords with their layers, and the oldest releases end first. That keeps
  // the pile-up of fast strums down (and the rendering quick); the limiter
  // on the output takes care of the rest, so nothing reaches full scale.
  static constexpr double kGain = 0.4;
  static constexpr int kPolyphony = 24;
  // What the output limiter delays the sound by: a message queued for frame
  // f is heard at frame f + kOutputDelayFrames of the output.
  static constexpr int kOutputDelayFrames = PeakLimiter::kDelayFrames;

  // Loads the soundfont; null (with the reason in error) when it cannot.
  // Samples are read from the soundfont only for the presets that channels
  // select, so memory holds what plays.
  // For offline use, cpuCores above 1 renders the voices on that many
  // threads, and another sample rate may be chosen (the output and its
  // clock keep kSampleRate).
  static std::unique_ptr<SynthEngine> Load(const std::string& soundFont, std::string* error = nullptr, int cpuCores = 1,
                                           int sampleRate = kSampleRate);
  ~SynthEngine();
  SynthEngine(const SynthEngine&) = delete;
  SynthEngine& operator=(const SynthEngine&) = delete;

  // Note-on, note-off and program change, at once; other messages are
  // ignored. Safe to call from any thread. A program change loads the
  // preset's samples in the calling thread, so it is never done by the
  // audio thread; one that selects the program the channel has does nothing.
  void Send(const ShortMessage& message);

  // Queues a note-on or note-off for the given output frame (counted from
  // the first frame rendered). A frame already rendered means as soon as
  // possible; messages for the same frame keep the order they were sent
  // in. Program changes act at once, as with Send.
  void SendAtFrame(const ShortMessage& message, std::int64_t frame);

  // Queues a message for the moment at: while the audio output runs, it
  // sounds at the frame that plays then, kLatencyFrames later. Without a
  // running output it acts at once.
  void SendAt(const ShortMessage& message, Clock::time_point at);

  // Puts another soundfont in place of the one loaded; the channels keep
  // their programs, now from the new soundfont. False (with the reason in
  // error) when it cannot be loaded; the old one then stays.
  bool ReplaceSoundFont(const std::string& soundFont, std::string* error = nullptr);

  // Renders frames of stereo audio at kSampleRate, starting the queued
  // messages on time. Not while audio runs.
  void Render(float* left, float* right, int frames);
  std::int64_t FramesRendered() const { return rendered_.load(); }
  // Queued messages not yet started.
  std::size_t Pending();

  // Starts the audio output: the WAV file when wavFile is not empty, else the
  // sound server, with an audio period of kPeriodFrames. The WAV file is
  // written in real time, one period at a time, paced by the same clock
  // that places the notes. False when no output could be opened. Once
  // started it runs until StopAudio or until the engine goes.
  bool StartAudio(const std::string& wavFile);
  bool AudioRunning() const { return running_.load(); }
  // Ends the output; a WAV file is complete afterwards.
  void StopAudio();

  // The frame that plays at moment t while the output runs (without the
  // latency); -1 when no output runs.
  std::int64_t FrameAt(Clock::time_point t) const;

 private:
  SynthEngine() : clock_(kSampleRate) {}
  void Apply(const ShortMessage& message);
  void SelectProgram(int channel, int program, bool onlyIfNone);
  void RenderPlain(float* left, float* right, int frames);
  void WriteFileLoop(Clock::time_point start);
  static int DriverCallback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

  void* settings_ = nullptr;  // fluid_settings_t
  void* synth_ = nullptr;     // fluid_synth_t
  int soundFontId_ = -1;
  void* driver_ = nullptr;  // fluid_audio_driver_t

  std::mutex programMutex_;
  std::array<int, 16> programs_{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

  std::mutex queueMutex_;
  std::multimap<std::int64_t, ShortMessage> queue_;  // by frame, then order sent
  std::atomic<std::int64_t> rendered_{0};
  SampleClock clock_;
  PeakLimiter limiter_;

  WavFileWriter wav_;
  std::thread fileThread_;
  std::atomic<bool> stopFile_{false};
  std::atomic<bool> running_{false};
};

}  // namespace strumbly
