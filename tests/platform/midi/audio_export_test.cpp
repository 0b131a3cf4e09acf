#include "platform/midi/audio_export.h"

#include <gtest/gtest.h>
#include <sndfile.h>
#include <sys/mount.h>
#include <sys/stat.h>

#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "core/sound/timing.h"
#include "support/audio_analysis.h"
#include "support/test_files.h"

using namespace strumbly;
using strumbly::test::MonoAudio;

namespace {

std::string SmallSoundFont() {
  const char* p = "/usr/share/sounds/sf2/TimGM6mb.sf2";
  return std::filesystem::exists(p) ? p : std::string();
}

AudioExportJob Job(const std::vector<std::string>& lines, const std::string& path, int tempo = 120) {
  AudioExportJob job;
  EXPECT_TRUE(BuildChordList(lines, job.chords).ok);
  job.program = 24;
  job.tempo = tempo;
  job.soundFontSetting = SmallSoundFont();
  job.path = path;
  return job;
}

// Any format libsndfile reads, channels averaged.
std::optional<MonoAudio> ReadAudio(const std::string& path, int* format = nullptr) {
  SF_INFO info{};
  SNDFILE* f = sf_open(path.c_str(), SFM_READ, &info);
  if (!f) return std::nullopt;
  std::vector<float> frames(static_cast<std::size_t>(info.frames) * static_cast<std::size_t>(info.channels));
  sf_readf_float(f, frames.data(), info.frames);
  sf_close(f);
  MonoAudio audio;
  audio.sampleRate = info.samplerate;
  for (sf_count_t i = 0; i < info.frames; ++i) {
    float sum = 0;
    for (int c = 0; c < info.channels; ++c) sum += frames[static_cast<std::size_t>(i * info.channels + c)];
    audio.samples.push_back(sum / static_cast<float>(info.channels));
  }
  if (format) *format = info.format;
  return audio;
}

// The first sample above the noise floor of 16-bit audio.
std::size_t FirstSound(const MonoAudio& audio) {
  std::size_t i = 0;
  while (i < audio.samples.size() && std::fabs(audio.samples[i]) < 1e-4f) ++i;
  return i;
}

float PeakFrom(const MonoAudio& audio, double seconds) {
  float p = 0;
  for (std::size_t i = static_cast<std::size_t>(seconds * audio.sampleRate); i < audio.samples.size(); ++i)
    p = std::max(p, std::fabs(audio.samples[i]));
  return p;
}

}  // namespace

TEST(AudioExport, FormatComesFromTheExtension) {
  AudioFileFormat f;
  ASSERT_TRUE(AudioFormatForPath("/x/song.wav", &f));
  EXPECT_EQ(f, AudioFileFormat::Wav);
  ASSERT_TRUE(AudioFormatForPath("Song.FLAC", &f));
  EXPECT_EQ(f, AudioFileFormat::Flac);
  ASSERT_TRUE(AudioFormatForPath("a.b.Ogg", &f));
  EXPECT_EQ(f, AudioFileFormat::Ogg);
  EXPECT_FALSE(AudioFormatForPath("song.mp3", &f));
  EXPECT_FALSE(AudioFormatForPath("wav", &f));
  EXPECT_FALSE(AudioFormatForPath("song.wav/", &f));
}

// The three formats are written, each readable, at 48 kHz stereo, the
// WAV with 16-bit samples, and each holds the chord's sound.
TEST(AudioExport, WritesTheThreeFormats) {
  if (SmallSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  QTemporaryDir dir;
  const std::vector<std::string> song = {"A, x, 0, 2, 2, 2, 0, H"};
  struct Case {
    const char* name;
    int major;
    int subtype;
  } cases[] = {{"a.wav", SF_FORMAT_WAV, SF_FORMAT_PCM_16},
               {"a.flac", SF_FORMAT_FLAC, SF_FORMAT_PCM_16},
               {"a.ogg", SF_FORMAT_OGG, SF_FORMAT_VORBIS}};
  for (const auto& c : cases) {
    const std::string path = (dir.path() + "/" + c.name).toStdString();
    const AudioExportResult result = ExportAudio(Job(song, path));
    ASSERT_TRUE(result.ok) << c.name << ": " << result.error;
    int format = 0;
    auto audio = ReadAudio(path, &format);
    ASSERT_TRUE(audio) << c.name;
    EXPECT_EQ(format & SF_FORMAT_TYPEMASK, c.major) << c.name;
    EXPECT_EQ(format & SF_FORMAT_SUBMASK, c.subtype) << c.name;
    EXPECT_EQ(audio->sampleRate, kAudioExportSampleRate);
    EXPECT_NEAR(result.seconds, static_cast<double>(audio->samples.size()) / audio->sampleRate, 0.01) << c.name;
    const std::size_t at = kAudioExportSampleRate / 10, n = kAudioExportSampleRate / 5;
    EXPECT_GT(strumbly::test::ToneStrength(audio->samples, audio->sampleRate, 220.0, at, n),
              10 * strumbly::test::ToneStrength(audio->samples, audio->sampleRate, 207.65, at, n))
        << c.name;
  }
}

// Single notes of one kind with rests of several lengths between them at
// tempo 137, where the chord lengths are odd milliseconds. The first note
// sounds within 1 ms of the file's start, and the others follow at exactly
// the gaps the song gives, to the frame (the onset detector meets the same
// attack in each, so its own delay cancels out).
TEST(AudioExport, OnsetsFallOnTheSchedule) {
  if (SmallSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/onsets.wav").toStdString();
  const std::vector<std::string> song = {"A, x, x, 7, x, x, x, E",
                                         "Rest, x, x, x, x, x, x, Q",
                                         "A, x, x, 7, x, x, x, E",
                                         "Rest, x, x, x, x, x, x, .Q",
                                         "* a comment",
                                         "",
                                         "A, x, x, 7, x, x, x, E",
                                         "Rest, x, x, x, x, x, x, .H",
                                         "A, x, x, 7, x, x, x, S",
                                         "Rest, x, x, x, x, x, x, H",
                                         "A, x, x, 7, x, x, x, E"};
  constexpr int kTempo = 137;
  const AudioExportJob job = Job(song, path, kTempo);
  const AudioExportResult result = ExportAudio(job);
  ASSERT_TRUE(result.ok) << result.error;
  auto audio = ReadAudio(path);
  ASSERT_TRUE(audio);
  // Where the song puts each note, in frames of the file.
  ChordList timed = job.chords;
  ComputeDurations(timed, WholeNoteMs(kTempo));
  std::vector<std::int64_t> schedule;
  std::int64_t ms = 0;
  for (const auto& r : timed) {
    if (!IsChordEntry(r)) continue;
    if (r.Pitches[3] != SilentPitch) schedule.push_back(ms * kAudioExportSampleRate / 1000);
    ms += r.DurationMs;
  }
  ASSERT_EQ(schedule.size(), 5u);
  ASSERT_NE(schedule[1] % 64, 0);  // off the synthesizer's own block grid
  const auto onsets = strumbly::test::FindOnsets(*audio, 0.01f);
  ASSERT_EQ(onsets.size(), schedule.size());
  EXPECT_LT(FirstSound(*audio), 48u);
  const double first = std::round(onsets[0] * audio->sampleRate);
  for (std::size_t i = 0; i < onsets.size(); ++i)
    EXPECT_NEAR(std::round(onsets[i] * audio->sampleRate) - first, static_cast<double>(schedule[i]), 1.0) << i;
}

// The last chord rings out after its end and the file ends only once it
// has died away; it is never cut off.
TEST(AudioExport, TailRingsOut) {
  if (SmallSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/tail.flac").toStdString();
  const AudioExportResult result = ExportAudio(Job({"E, 0, 2, 2, 1, 0, 0, Q"}, path));
  ASSERT_TRUE(result.ok) << result.error;
  auto audio = ReadAudio(path);
  ASSERT_TRUE(audio);
  const double seconds = static_cast<double>(audio->samples.size()) / audio->sampleRate;
  EXPECT_GT(seconds, 0.6);                  // longer than the chord's 500 ms
  EXPECT_GT(PeakFrom(*audio, 0.5), 0.01f);  // it sounds after its note-offs
  // It ends faded out from below -60 dB, without a click.
  EXPECT_LT(PeakFrom(*audio, seconds - 0.1), 0.001f);
  EXPECT_LT(PeakFrom(*audio, seconds - 0.002), 2.0f / 32768);
}

TEST(AudioExport, CancelLeavesNoFile) {
  if (SmallSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/cancel.ogg").toStdString();
  std::vector<std::string> song(20, "C, x, 3, 2, 0, 1, 0, W");
  std::vector<double> seen;
  const AudioExportResult result = ExportAudio(Job(song, path), [&](double done) {
    seen.push_back(done);
    return done < 0.3;
  });
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.cancelled);
  EXPECT_FALSE(std::filesystem::exists(path));
  EXPECT_TRUE(std::filesystem::is_empty(dir.path().toStdString()));  // no part left behind
  ASSERT_FALSE(seen.empty());
  EXPECT_GE(seen.back(), 0.3);
  EXPECT_LT(seen.back(), 0.4);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));

  // A file that was there before a cancelled export is kept as it was.
  const std::string older = (dir.path() + "/older.wav").toStdString();
  std::ofstream(older) << "the user's earlier file";
  EXPECT_TRUE(ExportAudio(Job(song, older), [](double done) { return done < 0.1; }).cancelled);
  std::ifstream kept(older);
  std::string text;
  std::getline(kept, text);
  EXPECT_EQ(text, "the user's earlier file");

  // Without a cancel the progress ends at 1.
  seen.clear();
  const std::string done = (dir.path() + "/done.wav").toStdString();
  ASSERT_TRUE(ExportAudio(Job({"C, x, 3, 2, 0, 1, 0, Q"}, done), [&](double d) {
                seen.push_back(d);
                return true;
              }).ok);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 1.0);
}

// The song's tuning sounds: dropped D puts the open sixth string on D2.
TEST(AudioExport, TuningAndSoundFontAreUsed) {
  if (SmallSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/drop.wav").toStdString();
  AudioExportJob job = Job({"E5, 0, x, x, x, x, x, H"}, path);
  job.tuningOffsets = {0, 0, 0, 0, 0, -2};
  ASSERT_TRUE(ExportAudio(job).ok);
  auto audio = ReadAudio(path);
  ASSERT_TRUE(audio);
  const std::size_t at = kAudioExportSampleRate / 10, n = kAudioExportSampleRate / 2;
  const double d2 = strumbly::test::ToneStrength(audio->samples, audio->sampleRate, 73.42, at, n);
  const double e2 = strumbly::test::ToneStrength(audio->samples, audio->sampleRate, 82.41, at, n);
  EXPECT_GT(d2, 10 * e2);

  // A soundfont that cannot be loaded is reported, and no file is written.
  const std::string bogus = (dir.path() + "/none.sf2").toStdString();
  job.soundFontSetting = bogus;
  job.path = (dir.path() + "/none.wav").toStdString();
  const AudioExportResult failed = ExportAudio(job);
  EXPECT_FALSE(failed.ok);
  EXPECT_NE(failed.error.find("none.sf2"), std::string::npos) << failed.error;
  EXPECT_FALSE(std::filesystem::exists(job.path));

  // A folder that does not exist cannot take the file.
  job.soundFontSetting = SmallSoundFont();
  job.path = (dir.path() + "/no/such/folder.wav").toStdString();
  const AudioExportResult noFolder = ExportAudio(job);
  EXPECT_FALSE(noFolder.ok);
  EXPECT_NE(noFolder.error.find("Cannot create file"), std::string::npos) << noFolder.error;
}

// An export is saved as every file is: a temporary file of its own, renamed
// into place when whole.
TEST(AudioExport, ExportsAreSavedSafely) {
  if (SmallSoundFont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
  QTemporaryDir dir;
  const std::string path = (dir.path() + "/out.wav").toStdString();
  const std::vector<std::string> shortSong = {"C, x, 3, 2, 0, 1, 0, Q"};
  const std::vector<std::string> longSong(8, "G, 3, 2, 0, 0, 0, 3, H");

  // A planted link where a fixed temporary name would be is not followed.
  const std::string victim = (dir.path() + "/victim.txt").toStdString();
  std::ofstream(victim) << "not yours";
  std::filesystem::create_symlink(victim, path + ".part");
  ASSERT_TRUE(ExportAudio(Job(shortSong, path)).ok);
  EXPECT_EQ(test::ReadFileBytes(QString::fromStdString(victim)), "not yours");
  std::filesystem::remove(path + ".part");

  // Two exports to one path at once: the file is one of them, whole.
  std::vector<sf_count_t> lengths;
  for (const auto& song : {shortSong, longSong}) {
    ASSERT_TRUE(ExportAudio(Job(song, path)).ok);
    lengths.push_back(static_cast<sf_count_t>(ReadAudio(path)->samples.size()));
  }
  AudioExportResult first, second;
  std::thread other([&] { first = ExportAudio(Job(shortSong, path)); });
  second = ExportAudio(Job(longSong, path));
  other.join();
  EXPECT_TRUE(first.ok && second.ok);
  const auto both = ReadAudio(path);
  ASSERT_TRUE(both);
  const auto length = static_cast<sf_count_t>(both->samples.size());
  EXPECT_TRUE(length == lengths[0] || length == lengths[1]) << length;
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir.path().toStdString()))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"out.wav", "victim.txt"}));

  // A read-only file and a named pipe are refused and stay as they were.
  const std::string locked = (dir.path() + "/locked.wav").toStdString();
  std::ofstream(locked) << "mine";
  std::filesystem::permissions(locked, std::filesystem::perms::owner_read);
  AudioExportResult refused = ExportAudio(Job(shortSong, locked));
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.error, "Cannot create file " + locked + ": File access denied.");
  EXPECT_EQ(test::ReadFileBytes(QString::fromStdString(locked)), "mine");
  const std::string fifo = (dir.path() + "/pipe.wav").toStdString();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  refused = ExportAudio(Job(shortSong, fifo));
  EXPECT_EQ(refused.error, "Cannot create file " + fifo + ": it is a named pipe, not a regular file.");
  EXPECT_TRUE(std::filesystem::is_fifo(fifo));

  // A full disk, where a small one can be mounted: the old file stays and
  // no temporary is left.
  const std::string small = (dir.path() + "/small").toStdString();
  std::filesystem::create_directory(small);
  if (::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=64k") != 0) return;
  const std::string full = small + "/full.wav";
  std::ofstream(full) << "the old take";
  const AudioExportResult noRoom = ExportAudio(Job(longSong, full));
  EXPECT_EQ(noRoom.error, "Cannot write file " + full + ": Disk full.");
  EXPECT_EQ(test::ReadFileBytes(QString::fromStdString(full)), "the old take");
  std::vector<std::string> left;
  for (const auto& e : std::filesystem::directory_iterator(small)) left.push_back(e.path().filename().string());
  ::umount2(small.c_str(), MNT_DETACH);
  EXPECT_EQ(left, std::vector<std::string>{"full.wav"});
}
