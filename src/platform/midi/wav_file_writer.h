#pragma once
// Writes 16-bit stereo PCM into a WAV file while it is being recorded. After
// every append the header's size fields already describe all the audio
// written, and the bytes go straight to the system, so the file is a
// complete WAV file at any moment: also when the program is killed.
#include <cstdint>
#include <string>

namespace strumbly {

class WavFileWriter {
 public:
  WavFileWriter() = default;
  ~WavFileWriter() { Close(); }
  WavFileWriter(const WavFileWriter&) = delete;
  WavFileWriter& operator=(const WavFileWriter&) = delete;

  // Creates (or truncates) the file and writes an empty recording's header.
  bool Open(const std::string& path, int sampleRate);
  bool IsOpen() const { return fd_ >= 0; }

  // Appends frames of audio; samples beyond -1..1 are held at full scale.
  // False when the file could not take them.
  bool Append(const float* left, const float* right, int frames);

  // Closing more than once does nothing. Safe to call from a signal handler
  // (only close(2) is called).
  void Close();

  std::int64_t FramesWritten() const { return frames_; }

 private:
  bool WriteSizes();
  int fd_ = -1;
  std::int64_t frames_ = 0;
};

}  // namespace strumbly
