#include "platform/midi/wav_file_writer.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/audio_analysis.h"

using namespace strumbly;

namespace {
std::uint32_t FieldAt(const std::string& bytes, std::size_t at) {
  std::uint32_t v;
  std::memcpy(&v, bytes.data() + at, 4);
  return v;
}
std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
}  // namespace

// The file is a complete WAV file after every append, before any close: a
// program killed while recording leaves a file that every player reads.
TEST(WavFileWriter, HeaderIsCompleteAtEveryMoment) {
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/rec.wav").toStdString();
  WavFileWriter writer;
  ASSERT_TRUE(writer.Open(path, 48000));
  std::string bytes = Bytes(path);
  ASSERT_EQ(bytes.size(), 44u);
  EXPECT_EQ(FieldAt(bytes, 4), 36u);
  EXPECT_EQ(FieldAt(bytes, 40), 0u);

  std::vector<float> left(1000, 0.5f), right(1000, -2.0f);  // right beyond full scale
  ASSERT_TRUE(writer.Append(left.data(), right.data(), 1000));
  ASSERT_TRUE(writer.Append(left.data(), right.data(), 500));
  bytes = Bytes(path);
  ASSERT_EQ(bytes.size(), 44u + 1500 * 4);
  EXPECT_EQ(FieldAt(bytes, 4), bytes.size() - 8);
  EXPECT_EQ(FieldAt(bytes, 40), bytes.size() - 44);
  std::int16_t r;
  std::memcpy(&r, bytes.data() + 46, 2);
  EXPECT_EQ(r, -32767);  // held at full scale, not wrapped
  auto audio = strumbly::test::ReadWav(path);
  ASSERT_TRUE(audio);
  EXPECT_EQ(audio->samples.size(), 1500u);
  EXPECT_EQ(audio->sampleRate, 48000);

  writer.Close();
  writer.Close();
  EXPECT_EQ(Bytes(path), bytes);
  EXPECT_FALSE(writer.Append(left.data(), right.data(), 10));
}

TEST(WavFileWriter, UnwritablePlaceFails) {
  WavFileWriter writer;
  EXPECT_FALSE(writer.Open("/nonexistent-folder/x.wav", 48000));
  EXPECT_FALSE(writer.IsOpen());
}
