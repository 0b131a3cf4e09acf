// strumbly-cli check, run as a user runs it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

struct CliRun {
  int status;
  std::string out;
};

CliRun RunCli(const std::string& args) {
  const char* cli = std::getenv("STRUMBLY_CLI");
  if (!cli) cli = STRUMBLY_CLI_PATH;
  const std::string command = std::string(cli) + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  CliRun run{-1, {}};
  std::array<char, 4096> buffer;
  std::size_t n;
  while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) run.out.append(buffer.data(), n);
  const int raw = pclose(pipe);
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  return run;
}

class CheckCommand : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("strumbly-cli-" + std::to_string(::getpid()));
  void SetUp() override { fs::create_directories(dir); }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  }
};

}  // namespace

TEST_F(CheckCommand, GoodSongPasses) {
  const auto song = Write("good.sly",
                          "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:25\r\n*Info 3:555555\r\n"
                          "*Info 4:120\r\n* Verse\r\nC, x, 3, 2, 0, 1, 0, Q\r\n\r\nG6,3,2,0,0,0,0,.h\r\n");
  const CliRun r = RunCli("check " + song);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "");
}

TEST_F(CheckCommand, BadLinesAreListedWithEditorLineNumbers) {
  // The four info lines are hidden in the editor, so line 3 of the editor is the file's 7th line.
  Write("blues.sly",
        "*Info 1:\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:120\r\nA, 0, 0, 2, 2, 2, 0, Q\r\n\r\n"
        "A, 0, 0, 2, 2, 2, 0, Q,\r\nA, q, 0, 2, 2, 2, 0, Q\n");
  const CliRun r = RunCli("check " + (dir / "blues.sly").string());
  EXPECT_EQ(r.status, 1);
  const std::string name = (dir / "blues.sly").string();
  EXPECT_EQ(r.out, name + ": Line 3    Too many commas.\n" + name +
                       ": Line 4    Fret number for Low E string (\"q\") not a number.\n");
}

TEST_F(CheckCommand, WithoutAllFourInfoLinesEveryLineCounts) {
  const auto song = Write("plain.sly", "*Info 1:\nE, 0, 2, 2, 1, 0, 0, Z");
  const CliRun r = RunCli("check " + song);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, song + ": Line 2    \"Z\" invalid. (W)hole,(H)alf,Q,E,S,T,F\n");
}

TEST_F(CheckCommand, UsageAndUnreadableFiles) {
  EXPECT_EQ(RunCli("").status, 2);
  EXPECT_EQ(RunCli("check").status, 2);
  EXPECT_EQ(RunCli("frobnicate x").status, 2);
  EXPECT_EQ(RunCli("check " + (dir / "missing.sly").string()).status, 2);
  const CliRun help = RunCli("--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("check SONG"), std::string::npos);
}

TEST_F(CheckCommand, AnyBytesAreHandled) {
  std::string junk;
  for (int i = 0; i < 1 << 16; ++i) junk += static_cast<char>((i * 7919) & 0xFF);
  EXPECT_EQ(RunCli("check " + Write("junk.sly", junk)).status, 1);
  std::string longLine(10 * 1024 * 1024, 'x');
  EXPECT_EQ(RunCli("check " + Write("long.sly", longLine)).status, 1);
  std::string many;
  for (int i = 0; i < 1000000; ++i) many += "C, x, 3, 2, 0, 1, 0, Q\n";
  EXPECT_EQ(RunCli("check " + Write("many.sly", many)).status, 0);
  EXPECT_EQ(RunCli("check " + Write("nul.sly", std::string("C,\0,3,2,0,1,0,Q\n", 16))).out,
            (dir / "nul.sly").string() + ": Line 1    Fret number for Low E string (\"\") not a number.\n");
}

TEST_F(CheckCommand, FoldersAndDevicesAreReportedAndTheOtherSongsStillChecked) {
  const auto bad = Write("bad.sly", "E, 0, 2, 2, 1, 0, 0, Z\n");
  const CliRun r = RunCli("check " + dir.string() + " /dev/zero " + bad);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.out, bad + ": Line 1    \"Z\" invalid. (W)hole,(H)alf,Q,E,S,T,F\n");
}
