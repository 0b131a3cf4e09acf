// strumbly-cli midi, tab and pdf: outputs, messages and exit statuses.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "cli_run.h"
#include "core/sound/midi_file.h"
#include "core/tab/ascii_tab.h"

namespace fs = std::filesystem;

namespace strumbly {
namespace {

using test::ReadWholeFile;
using test::RunCliCaught;

constexpr const char* kInfo =
    "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:120\r\n";

class ConvertCommands : public ::testing::Test {
 protected:
  fs::path dir = fs::temp_directory_path() / ("strumbly-convert-" + std::to_string(::getpid()));
  void SetUp() override {
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
    return (dir / name).string();
  }
  std::string Song(const std::string& name, const std::string& body) { return Write(name, kInfo + body); }
};

TEST_F(ConvertCommands, MidiOfTheOneChordSong) {
  const auto song = Song("one.sly", "C, x, 3, 2, 0, 1, 0, Q\r\n");
  const auto r = RunCliCaught("midi " + song);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const std::string file = ReadWholeFile(dir / "one.mid");
  ASSERT_EQ(file.size(), 87u);
  EXPECT_EQ(file.substr(0, 4), "MThd");
  // To standard output, the same bytes.
  EXPECT_EQ(RunCliCaught("midi " + song + " -").out, file);
}

TEST_F(ConvertCommands, MidiTakesInstrumentTuningAndTempoFromTheInfoLines) {
  const auto song =
      Write("d.sly", "*Info 1:\r\n*Info 2:30\r\n*Info 3:355433\r\n*Info 4:100\r\nE5, 0, x, x, x, x, 0, W\r\n");
  ASSERT_EQ(RunCliCaught("midi " + song + " " + (dir / "d.mid").string()).status, 0);
  ChordList list;
  BuildChordList({"E5, 0, x, x, x, x, 0, W"}, list);
  ComputeDurations(list, TicksPerWholeNote);
  EXPECT_EQ(ReadWholeFile(dir / "d.mid"), MidiFileBytes(list, 30, 100, TuningOffsets(355433)));
}

TEST_F(ConvertCommands, RefusedSongsPrintTheWindowsMessagesAndWriteNothing) {
  const auto bad = Song("bad.sly", "C, x, 3, 2, 0, 1, 0, Q\r\nG, 3, 2, 0, 0, 0, 3, Q, x\r\n");
  auto r = RunCliCaught("midi " + bad);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Line 2    Too many commas.\nFix errors before creating a midi file.\n");
  r = RunCliCaught("tab " + bad);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Line 2    Too many commas.\nFix errors before viewing tab.\n");
  const auto words = Song("words.sly", "* just words\r\n\r\n");
  r = RunCliCaught("midi " + words);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Can't create midi file. No chords defined in editor.\n");
  r = RunCliCaught("tab " + words + " -");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "Can't create tab. No chords defined in editor.\n");
  // An existing output file is left alone.
  Write("bad.tab", "old");
  RunCliCaught("tab " + bad);
  EXPECT_EQ(ReadWholeFile(dir / "bad.tab"), "old");
  EXPECT_FALSE(fs::exists(dir / "bad.mid"));
  EXPECT_FALSE(fs::exists(dir / "words.mid"));
}

TEST_F(ConvertCommands, TabTextAsTheAsciiWindowShowsIt) {
  const auto song = Song("Blues.sly",
                         "* Title: One\r\n*title: Twelve Bars\r\n* sub: slow\r\nC, x, 3, 2, 0, 1, 0, Q\r\n"
                         "G, 3, 2, 0, 0, 0, 3, Q\r\n");
  const auto r = RunCliCaught("tab " + song);
  EXPECT_EQ(r.status, 0);
  const std::string text = ReadWholeFile(dir / "Blues.tab");
  const std::string expected = AsciiTabFileText({
      "",
      "Standard Tuning - E A D G B E",
      "",
      std::string(35, ' ') + "Twelve Bars",
      std::string(38, ' ') + "slow",
      "",
      "|---------0---------3--------|",
      "|---------1---------0--------|",
      "|---------0---------0--------|",
      "|---------2---------0--------|",
      "|---------3---------2--------|",
      "|-------------------3--------|",
      "",
      "",
      "",
  });
  EXPECT_EQ(text, expected);
  EXPECT_EQ(text.substr(0, 2), "\r\n");
}

TEST_F(ConvertCommands, TabTitleFallsBackToTheFileName) {
  const auto song = Song("Slow.Blues.sly", "* Title:\r\nC, x, 3, 2, 0, 1, 0, Q\r\n");
  const auto r = RunCliCaught("tab " + song + " -");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\r\n" + std::string(35, ' ') + "Slow.Blues\r\n"), std::string::npos);
  // The tuning of the info line heads the text.
  const auto dropped = Write("dropped", std::string("*Info 1:\r\n*Info 2:25\r\n*Info 3:355555\r\n*Info 4:120\r\n") +
                                            "D5, 0, 0, 0, x, x, x, Q\r\n");
  ASSERT_EQ(RunCliCaught("tab " + dropped).status, 0);
  EXPECT_EQ(ReadWholeFile(dir / "dropped.tab").substr(0, 36), "\r\nDropped D Tuning - D A D G B E\r\n\r\n");
}

TEST_F(ConvertCommands, ACapoSoundsInTheMidiFileAndHeadsTheTablature) {
  const std::string body = "C, x, 3, 2, 0, 1, 0, Q\r\n";
  const auto plain = Song("plain.sly", body);
  const auto capo = Song("capo.sly", "* Capo: 2\r\n" + body);
  ASSERT_EQ(RunCliCaught("midi " + plain).status, 0);
  ASSERT_EQ(RunCliCaught("midi " + capo).status, 0);
  ChordList list;
  BuildChordList({body.substr(0, body.size() - 2)}, list);
  ComputeDurations(list, TicksPerWholeNote);
  // No capo line: the file of old. A capo: every note two semitones up.
  EXPECT_EQ(ReadWholeFile(dir / "plain.mid"), MidiFileBytes(list, 25, 120, TuningOffsets(555555)));
  EXPECT_EQ(ReadWholeFile(dir / "capo.mid"), MidiFileBytes(list, 25, 120, StringOffsets{2, 2, 2, 2, 2, 2}));
  const auto tab = RunCliCaught("tab " + capo + " -").out;
  const auto plainTab = RunCliCaught("tab " + plain + " -").out;
  const std::string heading = "\r\nStandard Tuning - E A D G B E, Capo 2\r\n\r\n";
  EXPECT_EQ(tab.substr(0, heading.size()), heading);
  // The frets stay as written; the title is each file's name.
  EXPECT_EQ(tab.substr(tab.find("|")), plainTab.substr(plainTab.find("|")));
}

TEST_F(ConvertCommands, TabNamesOption) {
  const auto song = Song("n.sly", "C, x, 3, 2, 0, 1, 0, Q\r\nG, 3, 2, 0, 0, 0, 3, Q\r\n");
  const auto plain = RunCliCaught("tab " + song + " -").out;
  const auto r = RunCliCaught("tab --names " + song + " -");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("\r\n          C         G\r\ne|---------0---------3--------|\r\n"), std::string::npos);
  EXPECT_NE(r.out.find("\r\nE|-------------------3--------|\r\n"), std::string::npos);
  // A names line and a letter on each of the six rows: nothing else changes.
  EXPECT_EQ(r.out.size(), plain.size() + std::string("          C         G\r\n").size() + 6);
  // The graphic tablature takes --names and --rhythm.
  EXPECT_EQ(RunCliCaught("pdf " + song + " " + (dir / "n.pdf").string() + " --names --rhythm").status, 0);
  EXPECT_EQ(ReadWholeFile(dir / "n.pdf").substr(0, 5), "%PDF-");
}

TEST_F(ConvertCommands, TransposeRenamesAndMovesTheSong) {
  const auto song = Song("t.sly",
                         "* Title: T\r\nD/F#, 2, x, 0, 2, 3, 2, Q\r\nRest, x, x, x, x, x, x, Q\r\n\r\n"
                         "Am7b5, x, 0, 1, 0, 1, x, H\r\nWide, 0, x, x, x, x, 18, Q\r\n");
  const auto out = (dir / "up.sly").string();
  auto r = RunCliCaught("transpose " + song + " 2 " + out);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, song +
                       ": The chord on line 6 was not transposed: no shape of the new chord lies within frets 0 "
                       "to 18.\n");
  EXPECT_EQ(ReadWholeFile(out), std::string(kInfo) +
                                    "* Title: T\r\nE/G#, 4, x, 2, 4, 5, 4, Q\r\nRest, x, x, x, x, x, x, Q\r\n\r\n"
                                    "Bm7b5, x, 2, 3, 2, 3, x, H\r\nWide, 0, x, x, x, x, 18, Q\r\n");
  // To standard output by default; down again gives the song back, the
  // chord that stayed (an octave up: 12, x, x, x, x, 28) included.
  r = RunCliCaught("transpose " + out + " -2");
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, ReadWholeFile(song));
  for (const char* bad :
       {"transpose", "transpose x.sly", "transpose x.sly 12", "transpose x.sly up", "transpose x.sly 1 a b"})
    EXPECT_EQ(RunCliCaught(bad).status, 2) << bad;
}

TEST_F(ConvertCommands, OverfullBarWarnsOnceAndStillSucceeds) {
  std::string body;
  for (int i = 0; i < 20; ++i) body += "C, x, 3, 2, 0, 1, 0, Q\r\n";
  body += "\r\n";
  for (int i = 0; i < 18; ++i) body += "G, 3, 2, 0, 0, 0, 3, Q\r\n";
  const auto r = RunCliCaught("tab " + Song("long.sly", body) + " -");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, std::string(kTruncationWarning) + "\n");
  EXPECT_NE(r.out.find("|"), std::string::npos);
}

TEST_F(ConvertCommands, DefaultOutputNames) {
  const std::string body = std::string(kInfo) + "C, x, 3, 2, 0, 1, 0, Q\r\n";
  fs::create_directories(dir / "v1.2");
  Write("v1.2/riff", body);
  ASSERT_EQ(RunCliCaught("midi " + (dir / "v1.2/riff").string()).status, 0);
  EXPECT_TRUE(fs::exists(dir / "v1.2/riff.mid"));
  Write("a.b.sly", body);
  ASSERT_EQ(RunCliCaught("tab " + (dir / "a.b.sly").string()).status, 0);
  EXPECT_TRUE(fs::exists(dir / "a.b.tab"));
}

TEST_F(ConvertCommands, OutputThatCannotBeCreated) {
  const auto song = Song("one.sly", "C, x, 3, 2, 0, 1, 0, Q\r\n");
  const std::string out = (dir / "missing" / "one.mid").string();
  auto r = RunCliCaught("midi " + song + " " + out);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Cannot create file " + out + ": File not found\n");
  // A read-only file is not replaced; a writable one is, keeping its mode.
  Write("locked.mid", "old");
  fs::permissions(dir / "locked.mid", fs::perms::owner_read);
  if (::geteuid() != 0) {
    r = RunCliCaught("midi " + song + " " + (dir / "locked.mid").string());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(ReadWholeFile(dir / "locked.mid"), "old");
  }
  Write("open.mid", "old");
  fs::permissions(dir / "open.mid", fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(RunCliCaught("midi " + song + " " + (dir / "open.mid").string()).status, 0);
  EXPECT_EQ(ReadWholeFile(dir / "open.mid").size(), 87u);
  EXPECT_EQ(fs::status(dir / "open.mid").permissions(), fs::perms::owner_read | fs::perms::owner_write);
  for (const auto& entry : fs::directory_iterator(dir)) EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
  r = RunCliCaught("tab " + song + " -", "> /dev/full");
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find("standard output"), std::string::npos);
}

TEST_F(ConvertCommands, OutputsThatAreNotRegularFilesAreRefusedWithTheReason) {
  const auto song = Song("one.sly", "C, x, 3, 2, 0, 1, 0, Q\r\n");
  fs::create_directories(dir / "folder.tab");
  ASSERT_EQ(::mkfifo((dir / "fifo.tab").c_str(), 0600), 0);
  std::vector<std::pair<fs::path, std::string>> cases = {{dir / "folder.tab", "it is a folder"},
                                                         {dir / "fifo.tab", "it is a named pipe, not a regular file"}};
  // A device of our own, where the system lets us make one: /dev/full's
  // numbers.
  if (::mknod((dir / "full.tab").c_str(), S_IFCHR | 0666, makedev(1, 7)) == 0)
    cases.push_back({dir / "full.tab", "it is a device, not a regular file"});
  for (const auto& [out, reason] : cases) {
    const auto status = fs::symlink_status(out).type();
    const auto r = RunCliCaught("tab " + song + " " + out.string());
    EXPECT_EQ(r.status, 2) << out;
    EXPECT_EQ(r.err, "Cannot create file " + out.string() + ": " + reason + "\n");
    EXPECT_EQ(fs::symlink_status(out).type(), status) << out;
  }
  for (const auto& entry : fs::directory_iterator(dir)) EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();

  // A full disk, where a small one can be mounted.
  fs::create_directories(dir / "small");
  if (::mount("tmpfs", (dir / "small").c_str(), "tmpfs", 0, "size=64k") != 0) {
    std::printf("[  NOTE    ] no full disk: mounting is not permitted here\n");
    return;
  }
  Write("small/filler", std::string(128 * 1024, 'x'));
  const std::string out = (dir / "small/one.tab").string();
  const auto r = RunCliCaught("tab " + song + " " + out);
  ::umount2((dir / "small").c_str(), MNT_DETACH);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "Cannot create file " + out + ": Disk full\n");
}

TEST_F(ConvertCommands, OutputsThatWouldReplaceASongOrEachOtherAreRefused) {
  const std::string c = std::string(kInfo) + "C, x, 3, 2, 0, 1, 0, Q\r\n";
  const std::string g = std::string(kInfo) + "G, 3, 2, 0, 0, 0, 3, Q\r\n";
  const auto song = Write("s.sly", c);
  auto r = RunCliCaught("tab " + song + " " + song);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "strumbly-cli tab: " + song + ": the output " + song +
                       " is the song file itself; nothing is written for it.\n");
  EXPECT_EQ(ReadWholeFile(song), c);
  // A song named like its own default output.
  const auto tabSong = Write("in.tab", c);
  r = RunCliCaught("tab " + tabSong);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(ReadWholeFile(tabSong), c);
  // An output that is another song of the run; the other song converts.
  const auto other = Write("other.mid", g);
  r = RunCliCaught("midi --out-dir " + dir.string() + " " + song + " " + (dir / "other.sly").string() + " " + other);
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(r.err.find(": the output " + dir.string() + "/other.mid would replace the song " + other +
                       "; nothing is written for it.\n"),
            std::string::npos)
      << r.err;
  EXPECT_EQ(ReadWholeFile(other), g);
  EXPECT_TRUE(fs::exists(dir / "s.mid"));

  // Two songs of one name into one folder: neither is written, the others are.
  fs::create_directories(dir / "a");
  fs::create_directories(dir / "b");
  fs::create_directories(dir / "out");
  const auto a = Write("a/x.sly", c);
  const auto b = Write("b/x.sly", g);
  const std::string out = (dir / "out").string();
  r = RunCliCaught("tab --out-dir " + out + " " + a + " " + song + " " + b);
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "strumbly-cli tab: " + out + "/x.tab would be written for each of " + a + " and " + b +
                       "; none of them is written.\n");
  EXPECT_FALSE(fs::exists(dir / "out/x.tab"));
  EXPECT_TRUE(fs::exists(dir / "out/s.tab"));
}

TEST_F(ConvertCommands, UnreadableSongsAndUsage) {
  fs::create_directories(dir / "folder");
  ASSERT_EQ(::mkfifo((dir / "fifo.sly").c_str(), 0600), 0);
  for (const std::string& song : {(dir / "missing.sly").string(), (dir / "folder").string(),
                                  (dir / "fifo.sly").string(), std::string("/dev/zero")}) {
    const auto r = RunCliCaught("midi " + song);
    EXPECT_EQ(r.status, 2) << song;
    EXPECT_EQ(r.err, "strumbly-cli: Cannot open file " + song + "\n");
  }
  EXPECT_EQ(RunCliCaught("midi").status, 2);
  EXPECT_EQ(RunCliCaught("tab a b c").status, 2);
  EXPECT_EQ(RunCliCaught("tab --out-dir").status, 2);
  EXPECT_EQ(RunCliCaught("pdf x.sly --page-size A3").status, 2);
}

TEST_F(ConvertCommands, SeveralSongsIntoAFolder) {
  const auto a = Song("a.sly", "C, x, 3, 2, 0, 1, 0, Q\r\n");
  const auto bad = Song("bad.sly", "C, x, 3, 2, 0, 1, 0\r\n");
  fs::create_directories(dir / "b");
  const auto b = Write("b/b.sly", std::string(kInfo) + "G, 3, 2, 0, 0, 0, 3, Q\r\n");
  fs::create_directories(dir / "out");
  const auto r = RunCliCaught("midi --out-dir " + (dir / "out").string() + " " + a + " " + bad + " " + b);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, bad + ": Line 1    Not enough commas.\n" + bad + ": Fix errors before creating a midi file.\n");
  EXPECT_TRUE(fs::exists(dir / "out/a.mid"));
  EXPECT_TRUE(fs::exists(dir / "out/b.mid"));
  EXPECT_FALSE(fs::exists(dir / "out/bad.mid"));
  // All good: 0.
  EXPECT_EQ(RunCliCaught("tab " + a + " --out-dir " + (dir / "out").string() + " " + b).status, 0);
  EXPECT_TRUE(fs::exists(dir / "out/b.tab"));
}

TEST_F(ConvertCommands, PdfOfTheGraphicTablature) {
  const auto song = Song("one.sly", "* Title: Blues\r\nC, x, 3, 2, 0, 1, 0, Q\r\n");
  auto r = RunCliCaught("pdf " + song + " " + (dir / "a4.pdf").string());
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  const std::string a4 = ReadWholeFile(dir / "a4.pdf");
  EXPECT_EQ(a4.substr(0, 4), "%PDF");
  EXPECT_NE(a4.find("595"), std::string::npos);  // A4 is 595 points wide
  r = RunCliCaught("pdf " + song + " " + (dir / "letter.pdf").string() + " --page-size Letter");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(ReadWholeFile(dir / "letter.pdf").find("612"), std::string::npos);
  // A song with no chords writes no PDF.
  const auto words = Song("words.sly", "* nothing\r\n");
  r = RunCliCaught("pdf " + words);
  EXPECT_EQ(r.status, 1);
  EXPECT_FALSE(fs::exists(dir / "words.pdf"));
}

}  // namespace
}  // namespace strumbly

namespace strumbly {
namespace {

// The import reads the user's dictionary: HOME and the XDG folders point
// into the test's own folder while it runs.
class ExchangeCommands : public ConvertCommands {
 protected:
  void SetUp() override {
    ConvertCommands::SetUp();
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
      const char* old = std::getenv(name);
      saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    }
    ::setenv("HOME", dir.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (dir / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (dir / "data").c_str(), 1);
  }
  void TearDown() override {
    for (const auto& [name, value] : saved)
      value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
    ConvertCommands::TearDown();
  }
  std::vector<std::pair<std::string, std::optional<std::string>>> saved;
};

TEST_F(ExchangeCommands, ChordProOutAndBackIn) {
  const std::string body =
      "* Title: Blues\r\nC, x, 3, 2, 0, 1, 0, H\r\nG, 3, 2, 0, 0, 0, 3, .Q\r\nG, 3, 2, 0, 0, 0, 3, E\r\n";
  const auto song = Write("blues.sly", "*Info 1:\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:88\r\n" + body);
  auto r = RunCliCaught("chordpro " + song);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string sheet = ReadWholeFile(dir / "blues.cho");
  EXPECT_NE(sheet.find("{tempo: 88}\n"), std::string::npos);
  EXPECT_NE(sheet.find("| C . G .~G |"), std::string::npos);
  EXPECT_EQ(RunCliCaught("chordpro " + song + " -").out, sheet);
  // The song the sheet came from is not replaced without being named.
  r = RunCliCaught("import " + (dir / "blues.cho").string());
  EXPECT_EQ(r.status, 2);
  EXPECT_NE(ReadWholeFile(dir / "blues.sly").find("*Info 4:88"), std::string::npos);
  r = RunCliCaught("import " + (dir / "blues.cho").string() + " " + (dir / "back.sly").string());
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(ReadWholeFile(dir / "back.sly"),
            "*Info 1: Strumbly Version 1.0 File Information\r\n*Info 2:25\r\n*Info 3:555555\r\n*Info 4:88\r\n" + body);
}

TEST_F(ExchangeCommands, ImportTakesTheUsersDictionaryAndListsWhatHasNoFingering) {
  fs::create_directories(dir / "data/Strumbly");
  Write("data/Strumbly/CHORDS.DCT", "Hm, x, 2, 4, 4, 3, 2, Q\r\nC, x, 3, 5, 5, 5, 3, Q\r\n");
  const auto sheet = Write("s.cho", "[Hm]one [C]two [Zz]three\n");
  const auto r = RunCliCaught("import " + sheet + " -");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "No fingering was found for these chords: Zz.\n");
  EXPECT_NE(
      r.out.find("* one two three\r\nHm, x, 2, 4, 4, 3, 2, Q\r\nC, x, 3, 5, 5, 5, 3, Q\r\n* [Zz] has no fingering\r\n"),
      std::string::npos)
      << r.out;
  // The shipped dictionary answers what the user's does not have.
  EXPECT_EQ(RunCliCaught("import " + Write("g.cho", "[G]\n") + " -").err, "");
  EXPECT_EQ(RunCliCaught("import " + Write("words.cho", "{title: Words}\nonly words\n")).status, 1);
  EXPECT_FALSE(fs::exists(dir / "words.sly"));
  EXPECT_EQ(RunCliCaught("import " + (dir / "missing.cho").string()).status, 2);
  EXPECT_EQ(RunCliCaught("import").status, 2);
}

TEST_F(ExchangeCommands, MusicXmlOfASongAndOfARefusedOne) {
  const auto song = Song("one.sly", "C, x, 3, 2, 0, 1, 0, Q\r\n");
  auto r = RunCliCaught("musicxml " + song);
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string score = ReadWholeFile(dir / "one.musicxml");
  EXPECT_EQ(score.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"", 0), 0u);
  EXPECT_NE(score.find("<fret>3</fret>"), std::string::npos);
  const auto bad = Song("bad.sly", "C, x, 3, 2, 0, 1, 0, Z\r\n");
  r = RunCliCaught("musicxml " + bad);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.err, "Line 1    \"Z\" invalid. (W)hole,(H)alf,Q,E,S,T,F\nFix errors before exporting a MusicXML file.\n");
  EXPECT_FALSE(fs::exists(dir / "bad.musicxml"));
  EXPECT_EQ(RunCliCaught("chordpro " + bad).status, 1);
  EXPECT_EQ(RunCliCaught("chordpro").status, 2);
}

}  // namespace
}  // namespace strumbly
