#include "platform/midi/wav_file_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace strumbly {

namespace {

constexpr int kChannels = 2;
constexpr int kBytesPerSample = 2;
constexpr int kHeaderBytes = 44;
// The RIFF size field holds 32 bits: a recording stops growing before it.
constexpr std::int64_t kMaxDataBytes = 0xFFFFFFFFll - kHeaderBytes;

void Put16(unsigned char* p, std::uint16_t v) {
  p[0] = static_cast<unsigned char>(v);
  p[1] = static_cast<unsigned char>(v >> 8);
}
void Put32(unsigned char* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

bool WriteAll(int fd, const unsigned char* data, std::size_t size, off_t at) {
  while (size > 0) {
    const ssize_t n = pwrite(fd, data, size, at);
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
    at += n;
  }
  return true;
}

std::int16_t ToPcm(float v) {
  const float clamped = std::clamp(v, -1.0f, 1.0f);
  return static_cast<std::int16_t>(std::lrint(clamped * 32767.0f));
}

}  // namespace

bool WavFileWriter::Open(const std::string& path, int sampleRate) {
  Close();
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd_ < 0) return false;
  frames_ = 0;
  unsigned char h[kHeaderBytes] = {};
  std::memcpy(h, "RIFF", 4);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  Put32(h + 16, 16);
  Put16(h + 20, 1);  // PCM
  Put16(h + 22, kChannels);
  Put32(h + 24, static_cast<std::uint32_t>(sampleRate));
  Put32(h + 28, static_cast<std::uint32_t>(sampleRate * kChannels * kBytesPerSample));
  Put16(h + 32, kChannels * kBytesPerSample);
  Put16(h + 34, 8 * kBytesPerSample);
  std::memcpy(h + 36, "data", 4);
  if (!WriteAll(fd_, h, sizeof h, 0) || !WriteSizes()) {
    Close();
    return false;
  }
  return true;
}

bool WavFileWriter::WriteSizes() {
  const auto data = static_cast<std::uint32_t>(frames_ * kChannels * kBytesPerSample);
  unsigned char riff[4], chunk[4];
  Put32(riff, data + kHeaderBytes - 8);
  Put32(chunk, data);
  return WriteAll(fd_, riff, 4, 4) && WriteAll(fd_, chunk, 4, 40);
}

bool WavFileWriter::Append(const float* left, const float* right, int frames) {
  if (fd_ < 0 || frames <= 0) return fd_ >= 0;
  const std::int64_t room = kMaxDataBytes / (kChannels * kBytesPerSample) - frames_;
  if (room <= 0) return false;
  frames = static_cast<int>(std::min<std::int64_t>(frames, room));
  std::vector<unsigned char> bytes(static_cast<std::size_t>(frames) * kChannels * kBytesPerSample);
  for (int i = 0; i < frames; ++i) {
    Put16(&bytes[static_cast<std::size_t>(i) * 4], static_cast<std::uint16_t>(ToPcm(left[i])));
    Put16(&bytes[static_cast<std::size_t>(i) * 4 + 2], static_cast<std::uint16_t>(ToPcm(right[i])));
  }
  const off_t at = kHeaderBytes + static_cast<off_t>(frames_) * kChannels * kBytesPerSample;
  if (!WriteAll(fd_, bytes.data(), bytes.size(), at)) return false;
  frames_ += frames;
  return WriteSizes();
}

void WavFileWriter::Close() {
  if (fd_ < 0) return;
  ::close(fd_);
  fd_ = -1;
}

}  // namespace strumbly
