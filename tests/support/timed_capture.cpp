#include "support/timed_capture.h"

#include <algorithm>
#include <cmath>
#include <thread>

#include "platform/midi/synth_engine.h"
#include "support/audio_analysis.h"

namespace strumbly::test {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double TimedCapture::MedianMs(std::size_t from, std::size_t to) const {
  std::vector<double> v;
  for (std::size_t i = from; i < std::min(to, errorsMs.size()); ++i)
    if (sentInTime[i]) v.push_back(errorsMs[i]);
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double TimedCapture::Attack() const { return MedianMs(0, errorsMs.size()); }

double TimedCapture::MaxJitterMs() const {
  const double attack = Attack();
  double worst = 0;
  for (std::size_t i = 0; i < errorsMs.size(); ++i)
    if (sentInTime[i]) worst = std::max(worst, std::fabs(errorsMs[i] - attack));
  return worst;
}

std::optional<TimedCapture> CaptureTimedNotes(const std::string& soundFont, const std::string& wavPath, int notes,
                                              std::chrono::milliseconds spacing, std::chrono::milliseconds length) {
  TimedCapture capture;
  std::vector<std::int64_t> expected;
  // A sender must wake before the output has rendered past the note's frame.
  const auto budget =
      std::chrono::microseconds((SynthEngine::kLatencyFrames - SynthEngine::kPeriodFrames - SynthEngine::kBlockFrames) *
                                1000000LL / SynthEngine::kSampleRate);
  {
    auto synth = SynthEngine::Load(soundFont);
    if (!synth) return std::nullopt;
    synth->Send(ProgramChangeMessage(0, 24));
    if (!synth->StartAudio(wavPath)) return std::nullopt;
    const auto start = Clock::now() + 200ms;
    const std::chrono::milliseconds lateness[] = {-40ms, 0ms, 3ms};
    for (int i = 0; i < notes; ++i) {
      const auto on = start + i * spacing;
      const auto late = lateness[i % 3];
      std::this_thread::sleep_until(on + late);
      capture.sentInTime.push_back(Clock::now() - on < budget);
      synth->SendAt(NoteOnMessage(0, 57, 0), on);
      std::this_thread::sleep_until(on + length + late);
      synth->SendAt(NoteOffMessage(0, 57, 0), on + length);
      expected.push_back(synth->FrameAt(on) + SynthEngine::kLatencyFrames + SynthEngine::kOutputDelayFrames);
    }
    std::this_thread::sleep_until(start + notes * spacing + 300ms);
    synth->StopAudio();
  }
  auto audio = ReadWav(wavPath);
  if (!audio) return std::nullopt;
  const auto onsets = FindOnsets(*audio, 0.01f);
  capture.onsetsFound = onsets.size();
  for (std::size_t i = 0; i < std::min(onsets.size(), expected.size()); ++i)
    capture.errorsMs.push_back(onsets[i] * 1000.0 -
                               static_cast<double>(expected[i]) * 1000.0 / SynthEngine::kSampleRate);
  capture.sentInTime.resize(capture.errorsMs.size());
  std::size_t sound = 0;
  while (sound < audio->samples.size() && std::fabs(audio->samples[sound]) < 1e-4f) ++sound;
  const std::int64_t delay = SynthEngine::kOutputDelayFrames, block = SynthEngine::kBlockFrames;
  if (!expected.empty())
    capture.firstSoundFromBlock =
        static_cast<std::int64_t>(sound) - ((expected[0] - delay + block / 2) / block * block + delay);
  return capture;
}

}  // namespace strumbly::test
