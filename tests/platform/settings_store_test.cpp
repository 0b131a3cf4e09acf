#include "platform/settings_store.h"
#include "support/test_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/command_error.h"

using namespace strumbly;

namespace {

QString CommitError(IniSettingsStore& store) {
  try {
    store.Commit();
  } catch (const CommandError& e) {
    return e.text();
  }
  return {};
}

const std::string kWithBrokenLine =
    "[Options]\nPrompts=0\nMarkerColor=255\n[Broken\n[Midi]\nPatch=30\nMenuPatchName=\"  5 Rhodes\"\n";

}  // namespace

TEST(IniSettingsStore, ABrokenLineKeepsTheOtherValuesAndACopyOfTheFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Strumbly.conf");
  test::WriteFileBytes(path, kWithBrokenLine);
  IniSettingsStore store(path);
  Settings s = LoadSettings(store, "/install");
  EXPECT_FALSE(s.Prompts);
  EXPECT_EQ(s.MarkerColor, 255);
  EXPECT_EQ(s.Patch, 30);
  EXPECT_EQ(s.MenuPatchName, "  5 Rhodes");
  EXPECT_EQ(store.LoadProblem(), "Some lines of the settings file " + path.toStdString() +
                                     " could not be read (line 4). They are left out and the other settings are "
                                     "used; a copy of the file is kept as " +
                                     path.toStdString() + ".bak.");

  // Written at exit without a false error, the old text kept beside it.
  EXPECT_EQ(CommitError(store), "");
  SaveSettings(store, s);
  EXPECT_EQ(test::ReadFileBytes(path + ".bak"), kWithBrokenLine);
  IniSettingsStore again(path);
  EXPECT_EQ(again.LoadProblem(), "");
  const Settings back = LoadSettings(again, "/other");
  EXPECT_FALSE(back.Prompts);
  EXPECT_EQ(back.MarkerColor, 255);
  EXPECT_EQ(back.Patch, 30);
  EXPECT_EQ(back.InstallDir, "/install");
  // A later exit with a clean file leaves the copy alone.
  s.Patch = 40;
  SaveSettings(again, s);
  EXPECT_EQ(test::ReadFileBytes(path + ".bak"), kWithBrokenLine);
}

TEST(IniSettingsStore, ACleanFileGetsNoCopyAndNamesKeepOneSpelling) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Strumbly.conf");
  test::WriteFileBytes(path, "[options]\nlastdir=/songs\n");
  IniSettingsStore store(path);
  EXPECT_EQ(store.LoadProblem(), "");
  EXPECT_EQ(store.Read("Options", "LastDir"), "/songs");
  store.Write("Options", "LastDir", "/new songs");
  store.Commit();
  EXPECT_FALSE(QFile::exists(path + ".bak"));
  EXPECT_EQ(test::ReadFileBytes(path), "[Options]\nLastDir=/new songs\n");
}

TEST(IniSettingsStore, QSettingsReadsWhatWeWriteAndWeReadWhatItWrote) {
  QTemporaryDir dir;
  const QString ours = dir.filePath("ours.conf");
  const QString theirs = dir.filePath("theirs.conf");
  const std::string values[] = {
      "  1 Acoustic Grand", "/home/u/Songs, live", "a;b=c", "say \"hi\"", "C:\\songs\\", "@odd", "Caf\xc3\xa9", ""};
  {
    IniSettingsStore store(ours);
    QSettings qt(theirs, QSettings::IniFormat);
    for (std::size_t i = 0; i < std::size(values); ++i) {
      store.Write("Midi", "v" + std::to_string(i), values[i]);
      qt.setValue(QString("Midi/v%1").arg(i), QString::fromStdString(values[i]));
    }
    store.Commit();
  }
  QSettings qt(ours, QSettings::IniFormat);
  IniSettingsStore store(theirs);
  EXPECT_EQ(store.LoadProblem(), "");
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(qt.value(QString("Midi/v%1").arg(i)).toString().toStdString(), values[i]) << i;
    EXPECT_EQ(store.Read("Midi", "v" + std::to_string(i)), values[i]) << i;
  }
}

TEST(IniSettingsStore, AFileThatCannotBeReadIsReportedAndAWriteFailureOnlyWhenItFails) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Strumbly.conf");
  ASSERT_TRUE(QDir().mkpath(path));  // a folder where the file should be
  IniSettingsStore store(path);
  EXPECT_EQ(store.LoadProblem(), "Cannot open file " + path.toStdString());
  EXPECT_EQ(LoadSettings(store, "/i").Prompts, true);
  store.Write("Options", "Prompts", "1");
  EXPECT_EQ(CommitError(store), "Failed to set data for 'Prompts'");

  // A missing file is a first run, not a problem; its folder is made.
  const QString fresh = dir.filePath("new/Strumbly.conf");
  IniSettingsStore first(fresh);
  EXPECT_EQ(first.LoadProblem(), "");
  first.Write("Options", "Prompts", "0");
  EXPECT_EQ(CommitError(first), "");
  EXPECT_EQ(test::ReadFileBytes(fresh), "[Options]\nPrompts=0\n");
}

TEST(IniSettingsStore, ValuesAnotherRunWroteMeanwhileAreKept) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Strumbly.conf");
  test::WriteFileBytes(path, "[Options]\nPrompts=0\n");
  IniSettingsStore first(path);
  {
    IniSettingsStore second(path);
    second.Write("Midi", "SoundFont", "/fonts/a.sf2");
    second.Write("Options", "Prompts", "1");
    second.Commit();
  }
  first.Write("Options", "LastDir", "/songs");
  first.Write("Options", "Prompts", "0");
  first.Commit();
  IniSettingsStore back(path);
  EXPECT_EQ(back.Read("Midi", "SoundFont"), "/fonts/a.sf2");
  EXPECT_EQ(back.Read("Options", "LastDir"), "/songs");
  EXPECT_EQ(back.Read("Options", "Prompts"), "0");  // this run's own value wins
}

// Two copies of the program at once, each with its own store on the one
// file: neither writes its stale values over the other's changes, on a first
// run (no file yet) and later.
TEST(IniSettingsStore, TwoCopiesKeepEachOthersChanges) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Strumbly.conf");
  for (const bool firstRun : {true, false}) {
    IniSettingsStore a(path), b(path);
    Settings inA = LoadSettings(a, "/install");
    Settings inB = LoadSettings(b, "/install");
    EXPECT_EQ(inA.FirstRun, firstRun);
    inA.ShowChordName = firstRun;  // A's settings dialog, confirmed
    SaveSettings(a, inA);
    inB.LastDir = firstRun ? "/songs" : "/more songs";
    SaveSettings(b, inB);  // B's exit
    inA.CursorPlays = firstRun;
    SaveSettings(a, inA);  // A's exit

    IniSettingsStore back(path);
    const Settings both = LoadSettings(back, "/other");
    EXPECT_EQ(both.ShowChordName, firstRun);
    EXPECT_EQ(both.CursorPlays, firstRun);
    EXPECT_EQ(both.LastDir, inB.LastDir);
    EXPECT_EQ(both.InstallDir, "/install");
    EXPECT_FALSE(both.FirstRun);
  }
  // A new file lists every setting, in the order files always had.
  const std::string text = test::ReadFileBytes(path);
  EXPECT_EQ(text.substr(0, text.find("CursorPlays")),
            "[Options]\nPrompts=1\nTabPrompt=1\nTabFont=0\nAssociate=1\nShowChordName=0\nShowFretNumbers=0\n"
            "InstallDir=/install\nSortDictionary=0\n");
  EXPECT_NE(text.find("MarkerShape=5\nTabShowNames=1\nTabShowRhythm=1\n\n[Midi]\nExternalMIDI=0\n"), std::string::npos)
      << text;
  EXPECT_EQ(text.find("SoundFont"), std::string::npos);
}

TEST(IniSettingsStore, ManyBadLinesAreCountedNotAllListed) {
  QTemporaryDir dir;
  const QString path = dir.filePath("Strumbly.conf");
  std::string text = "[Options]\nPrompts=0\n";
  for (int i = 0; i < 8; ++i) text += "junk\n";
  test::WriteFileBytes(path, text);
  IniSettingsStore store(path);
  EXPECT_EQ(store.Read("Options", "Prompts"), "0");
  EXPECT_NE(store.LoadProblem().find("(lines 3, 4, 5, 6, 7 and 3 more)"), std::string::npos) << store.LoadProblem();
}
