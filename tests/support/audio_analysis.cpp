#include "support/audio_analysis.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <numbers>

namespace strumbly::test {

namespace {
std::uint32_t U32(const char* p) {
  std::uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}
std::uint16_t U16(const char* p) {
  std::uint16_t v;
  std::memcpy(&v, p, 2);
  return v;
}
}  // namespace

std::optional<MonoAudio> ReadWav(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0) return std::nullopt;
  int channels = 0, bits = 0;
  MonoAudio audio;
  std::size_t pos = 12;
  while (pos + 8 <= bytes.size()) {
    const std::string id = bytes.substr(pos, 4);
    std::size_t size = U32(bytes.data() + pos + 4);
    const std::size_t body = pos + 8;
    if (size > bytes.size() - body) size = bytes.size() - body;
    if (id == "fmt " && size >= 16) {
      channels = U16(bytes.data() + body + 2);
      audio.sampleRate = static_cast<int>(U32(bytes.data() + body + 4));
      bits = U16(bytes.data() + body + 14);
    } else if (id == "data") {
      if (channels <= 0 || bits != 16) return std::nullopt;
      if (size == 0) size = bytes.size() - body;
      const std::size_t frames = size / (2u * static_cast<std::size_t>(channels));
      audio.samples.resize(frames);
      for (std::size_t f = 0; f < frames; ++f) {
        float sum = 0;
        for (int c = 0; c < channels; ++c) {
          std::int16_t s;
          std::memcpy(
              &s, bytes.data() + body + (f * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)) * 2, 2);
          sum += static_cast<float>(s) / 32768.0f;
        }
        audio.samples[f] = sum / static_cast<float>(channels);
      }
      return audio;
    }
    pos = body + size + (size & 1);
  }
  return std::nullopt;
}

double ToneStrength(const std::vector<float>& samples, int sampleRate, double frequency, std::size_t begin,
                    std::size_t count) {
  if (begin >= samples.size()) return 0;
  count = std::min(count, samples.size() - begin);
  const double w = 2.0 * std::numbers::pi * frequency / sampleRate;
  const double coeff = 2.0 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (std::size_t i = 0; i < count; ++i) {
    // A Hann window keeps strong neighbouring tones from leaking in.
    const double hann =
        0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * static_cast<double>(i) / static_cast<double>(count));
    const double s0 = samples[begin + i] * hann + coeff * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
  return power / (static_cast<double>(count) * static_cast<double>(count));
}

std::vector<double> FindOnsets(const MonoAudio& audio, float threshold) {
  std::vector<double> onsets;
  const std::size_t window = static_cast<std::size_t>(audio.sampleRate / 200);
  if (window == 0) return onsets;
  bool quiet = true;
  for (std::size_t start = 0; start + window <= audio.samples.size(); start += window) {
    float peak = 0;
    std::size_t firstLoud = start;
    bool found = false;
    for (std::size_t i = start; i < start + window; ++i) {
      const float a = std::fabs(audio.samples[i]);
      if (!found && a >= threshold) {
        firstLoud = i;
        found = true;
      }
      peak = std::max(peak, a);
    }
    if (quiet && found) {
      onsets.push_back(static_cast<double>(firstLoud) / audio.sampleRate);
      quiet = false;
    } else if (!quiet && peak < threshold / 4) {
      quiet = true;
    }
  }
  return onsets;
}

}  // namespace strumbly::test
