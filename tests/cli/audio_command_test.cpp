// strumbly-cli audio, run in-process with its arguments as the converter
// passes them.
#include "cli/audio_command.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct CommandRun {
  int status;
  std::string out, err;
};

class AudioCommand : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("strumbly-audio-" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }

  std::string Song(const std::string& name, const std::string& text) {
    const fs::path p = dir / name;
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
  }

  static CommandRun Call(std::vector<std::string> args) {
    args.insert(args.begin(), "audio");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = strumbly::RunAudioCommand(static_cast<int>(argv.size()), argv.data());
    CommandRun run{status, testing::internal::GetCapturedStdout(), testing::internal::GetCapturedStderr()};
    return run;
  }
};

bool HaveSmallSoundFont() { return fs::exists("/usr/share/sounds/sf2/TimGM6mb.sf2"); }

}  // namespace

TEST_F(AudioCommand, WritesTheSongWithItsSettings) {
  if (!HaveSmallSoundFont()) GTEST_SKIP() << "no General MIDI soundfont installed";
  const std::string song = Song("song.sly",
                                "*Info 1:\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:240\r\n"
                                "C, x, 3, 2, 0, 1, 0, Q\r\n* verse\r\nG, 3, 2, 0, 0, 0, 3, Q\r\n");
  const std::string out = (dir / "song.flac").string();
  const CommandRun run = Call({song, out, "--soundfont", "/usr/share/sounds/sf2/TimGM6mb.sf2"});
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_TRUE(fs::exists(out));
  EXPECT_GT(fs::file_size(out), 1000u);
  EXPECT_NE(run.out.find("song.flac"), std::string::npos);
}

TEST_F(AudioCommand, SongErrorsAreReportedAsForTheMidiFile) {
  const std::string bad = Song("bad.sly", "C, x, 3, 2, 0, 1, 0, Q\r\nG, 3, 2, 0, 0, 0, Q\r\n");
  const std::string out = (dir / "bad.wav").string();
  CommandRun run = Call({bad, out});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Line 2"), std::string::npos) << run.err;
  EXPECT_NE(run.err.find("Fix errors before creating an audio file."), std::string::npos) << run.err;
  EXPECT_LT(run.err.find("Line 2"), run.err.find("Fix errors"));
  EXPECT_FALSE(fs::exists(out));

  const std::string comments = Song("comments.sly", "* only a comment\r\n\r\n");
  run = Call({comments, out});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("Can't create audio file. No chords defined in editor."), std::string::npos) << run.err;
  EXPECT_FALSE(fs::exists(out));
}

TEST_F(AudioCommand, UsageErrors) {
  const std::string song = Song("s.sly", "C, x, 3, 2, 0, 1, 0, Q\r\n");
  EXPECT_EQ(Call({}).status, 2);
  EXPECT_EQ(Call({song}).status, 2);
  const CommandRun mp3 = Call({song, (dir / "s.mp3").string()});
  EXPECT_EQ(mp3.status, 2);
  EXPECT_NE(mp3.err.find(".wav, .flac or .ogg"), std::string::npos);
  EXPECT_EQ(Call({song, (dir / "s.wav").string(), "--soundfont"}).status, 2);
  EXPECT_EQ(Call({song, (dir / "s.wav").string(), "extra"}).status, 2);
  const CommandRun missing = Call({(dir / "missing.sly").string(), (dir / "s.wav").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("Cannot open file"), std::string::npos);
  EXPECT_EQ(Call({"--help"}).status, 0);
  // A soundfont that is a named pipe is refused at once.
  const std::string fifo = (dir / "pipe.sf2").string();
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const CommandRun pipe = Call({song, (dir / "s.wav").string(), "--soundfont", fifo});
  EXPECT_EQ(pipe.status, 1);
  EXPECT_NE(pipe.err.find(fifo + ": it is a named pipe, not a regular file"), std::string::npos) << pipe.err;
  // The song is never its own output.
  const std::string wav = Song("song.wav", "C, x, 3, 2, 0, 1, 0, Q\r\n");
  const CommandRun self = Call({wav, wav});
  EXPECT_EQ(self.status, 2);
  EXPECT_EQ(self.err, "strumbly-cli audio: the output " + wav + " is the song file itself; nothing is written.\n");
  EXPECT_EQ(fs::file_size(wav), 24u);
}
