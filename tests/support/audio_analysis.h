#pragma once
// Small tools to look into rendered audio: read a WAV file, measure the
// strength of one frequency, find where sound starts.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace strumbly::test {

struct MonoAudio {
  int sampleRate = 0;
  std::vector<float> samples;  // -1..1, channels averaged
};

// Reads a 16-bit PCM WAV file. A data chunk whose size field is not yet
// filled in (the writer is still running) is read to the end of the file.
std::optional<MonoAudio> ReadWav(const std::string& path);

// The power of one frequency in samples[begin, begin + count) (Goertzel),
// normalised by the count.
double ToneStrength(const std::vector<float>& samples, int sampleRate, double frequency, std::size_t begin,
                    std::size_t count);

// Times (in seconds) at which the loudness over 5 ms windows rises above
// threshold after having been below threshold / 4: the starts of notes.
std::vector<double> FindOnsets(const MonoAudio& audio, float threshold);

inline double MidiKeyFrequency(int key) { return 440.0 * std::pow(2.0, (key - 69) / 12.0); }

}  // namespace strumbly::test
