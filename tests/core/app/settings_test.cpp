#include "core/app/settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <vector>

using namespace strumbly;

namespace {
// An in-memory store with case-insensitive names that records write order.
class MemoryStore : public SettingsStore {
 public:
  std::map<std::string, std::string> values;  // "section/lowercase name" -> text
  std::vector<std::string> writes;
  bool failCommit = false;

  static std::string Key(const std::string& s, const std::string& n) {
    std::string k = s + "/" + n;
    std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return std::tolower(c); });
    return k;
  }
  std::optional<std::string> Read(const std::string& s, const std::string& n) override {
    auto it = values.find(Key(s, n));
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  void Write(const std::string& s, const std::string& n, const std::string& v) override {
    values[Key(s, n)] = v;
    writes.push_back(s + "/" + n);
  }
  void Commit() override {
    if (failCommit) throw std::runtime_error("Failed to set data for 'Prompts'");
  }
};
}  // namespace

TEST(Settings, EmptyStoreGivesDefaultsAndFirstRun) {
  MemoryStore store;
  const Settings s = LoadSettings(store, "/home/u/.local/share/Strumbly");
  EXPECT_TRUE(s.FirstRun);
  EXPECT_TRUE(s.Prompts);
  EXPECT_TRUE(s.TabPrompt);
  EXPECT_TRUE(s.Associate);
  EXPECT_FALSE(s.ShowChordName);
  EXPECT_FALSE(s.ShowFretNumbers);
  EXPECT_FALSE(s.SortDictionary);
  EXPECT_FALSE(s.CursorPlays);
  EXPECT_EQ(s.MarkerColor, 16776960);
  EXPECT_EQ(s.MarkerShape, 5);
  EXPECT_EQ(s.Device, -1);
  EXPECT_EQ(s.Channel, 0);
  EXPECT_EQ(s.Octave, 0);
  EXPECT_EQ(s.Patch, 25);
  EXPECT_EQ(s.MenuPatchName, "  1 Acoustic Grand");
  EXPECT_EQ(s.MenuPatchTag, 1);
  EXPECT_EQ(s.MenuTuningName, "&Custom Tuning - C G C G C E");
  EXPECT_EQ(s.MenuTuningTag, 133565);
  EXPECT_EQ(s.InstallDir, "/home/u/.local/share/Strumbly");
}

TEST(Settings, OddStoredValues) {
  MemoryStore store;
  store.values[MemoryStore::Key("Options", "MarkerColor")] = "0xFF";
  store.values[MemoryStore::Key("Options", "Prompts")] = "2";
  store.values[MemoryStore::Key("Options", "TabPrompt")] = "yes";  // not a number: default
  store.values[MemoryStore::Key("Options", "ShowChordName")] = "0";
  store.values[MemoryStore::Key("Midi", "Channel")] = "259";
  store.values[MemoryStore::Key("Options", "MarkerShape")] = "-251";
  store.values[MemoryStore::Key("Midi", "Device")] = "0x";  // too short for hex: not a number
  store.values[MemoryStore::Key("Options", "LastDir")] = "/music";
  store.values[MemoryStore::Key("Options", "InstallDir")] = "relative/dir";
  const Settings s = LoadSettings(store, "/default");
  EXPECT_EQ(s.MarkerColor, 255);
  EXPECT_TRUE(s.Prompts);
  EXPECT_TRUE(s.TabPrompt);
  EXPECT_FALSE(s.ShowChordName);
  EXPECT_EQ(s.Channel, 3);
  EXPECT_EQ(s.MarkerShape, 5);  // low 8 bits of -251
  EXPECT_EQ(s.Device, -1);
  EXPECT_EQ(s.LastDir, "/music");           // read as "Lastdir", one value whatever the case
  EXPECT_EQ(s.InstallDir, "relative/dir");  // a stored value is used as stored
  EXPECT_FALSE(s.FirstRun);
}

TEST(Settings, RoundTripAndWriteOrder) {
  MemoryStore store;
  Settings s;
  s.Prompts = false;
  s.LastDir = "/songs with blanks";
  s.InstallDir = "/inst";
  s.MarkerColor = 0x0000FF;
  s.MarkerShape = 1;
  s.Device = 2;
  s.Octave = -12;
  s.Channel = 9;
  s.Patch = 40;
  s.MenuPatchName = " 41 Violin";
  s.MenuPatchTag = 41;
  s.MenuTuningTag = 355555;
  s.RecentFiles[1] = "/a/b.sly";
  SaveSettings(store, s);
  const std::vector<std::string> expected = {"Options/Prompts",
                                             "Options/TabPrompt",
                                             "Options/TabFont",
                                             "Options/Associate",
                                             "Options/ShowChordName",
                                             "Options/ShowFretNumbers",
                                             "Options/InstallDir",
                                             "Options/SortDictionary",
                                             "Options/CursorPlays",
                                             "Options/LastDir",
                                             "Options/MarkerColor",
                                             "Options/MarkerShape",
                                             "Options/TabShowNames",
                                             "Options/TabShowRhythm",
                                             "Midi/ExternalMIDI",
                                             "Midi/Device",
                                             "Midi/Octave",
                                             "Midi/Channel",
                                             "Midi/Patch",
                                             "Midi/MenuPatchName",
                                             "Midi/MenuPatchTag",
                                             "Midi/MenuTuningName",
                                             "Midi/MenuTuningTag",
                                             "Recent/RecentFile0",
                                             "Recent/RecentFile1",
                                             "Recent/RecentFile2"};
  EXPECT_EQ(store.writes, expected);
  EXPECT_EQ(store.values[MemoryStore::Key("Options", "Prompts")], "0");
  const Settings r = LoadSettings(store, "/other");
  EXPECT_FALSE(r.Prompts);
  EXPECT_EQ(r.LastDir, s.LastDir);
  EXPECT_EQ(r.InstallDir, "/inst");
  EXPECT_EQ(r.MarkerColor, s.MarkerColor);
  EXPECT_EQ(r.MarkerShape, 1);
  EXPECT_EQ(r.Device, 2);
  EXPECT_EQ(r.Octave, -12);
  EXPECT_EQ(r.Channel, 9);
  EXPECT_EQ(r.Patch, 40);
  EXPECT_EQ(r.MenuPatchName, " 41 Violin");
  EXPECT_EQ(r.MenuTuningTag, 355555);
  EXPECT_EQ(r.RecentFiles[1], "/a/b.sly");
  EXPECT_FALSE(r.FirstRun);
}

// A second copy of the program may have changed the others meanwhile; a run
// writes back only what it changed, and fills in what the store lacks.
TEST(Settings, OnlyWhatTheRunChangedIsWrittenBack) {
  MemoryStore store;
  store.values[MemoryStore::Key("Midi", "SoundFont")] = "/fonts/a.sf2";
  store.values[MemoryStore::Key("Midi", "Channel")] = "259";
  store.values[MemoryStore::Key("Options", "TabPrompt")] = "yes";
  Settings s = LoadSettings(store, "/install");
  EXPECT_TRUE(s.TabShowNames);
  EXPECT_TRUE(s.TabShowRhythm);
  s.ShowChordName = true;
  s.SoundFont.clear();  // back to the usual soundfont
  s.RecentFiles = {"/b.sly", "/a.sly", ""};
  s.TabShowRhythm = false;
  SaveSettings(store, s);
  for (const char* changed :
       {"Options/ShowChordName", "Options/TabShowRhythm", "Midi/SoundFont", "Recent/RecentFile0", "Recent/RecentFile1"})
    EXPECT_NE(std::find(store.writes.begin(), store.writes.end(), changed), store.writes.end()) << changed;
  // Values the store held and the run left alone stay as they were stored.
  EXPECT_EQ(store.values[MemoryStore::Key("Midi", "Channel")], "259");
  EXPECT_EQ(store.values[MemoryStore::Key("Options", "TabPrompt")], "yes");
  EXPECT_EQ(store.values[MemoryStore::Key("Midi", "SoundFont")], "");
  EXPECT_EQ(store.values[MemoryStore::Key("Options", "InstallDir")], "/install");
  EXPECT_EQ(store.values[MemoryStore::Key("Options", "TabShowRhythm")], "0");
  EXPECT_EQ(store.values[MemoryStore::Key("Options", "TabShowNames")], "1");

  // Saved again unchanged (OK in the settings dialog, then the exit):
  // nothing is written, whatever another copy stored meanwhile.
  store.writes.clear();
  store.values[MemoryStore::Key("Options", "ShowChordName")] = "0";
  SaveSettings(store, s);
  EXPECT_TRUE(store.writes.empty());
  EXPECT_EQ(store.values[MemoryStore::Key("Options", "ShowChordName")], "0");

  // A save that fails to commit is tried again whole at the next save.
  store.failCommit = true;
  s.CursorPlays = true;
  EXPECT_THROW(SaveSettings(store, s), std::runtime_error);
  store.failCommit = false;
  store.writes.clear();
  SaveSettings(store, s);
  EXPECT_EQ(store.writes, std::vector<std::string>{"Options/CursorPlays"});
}

TEST(SettingsText, IntegersAndBooleans) {
  EXPECT_EQ(ReadSettingInteger("0x10"), 16);
  EXPECT_EQ(ReadSettingInteger("0XfFfFfF"), 16777215);
  EXPECT_EQ(ReadSettingInteger("-5"), -5);
  EXPECT_EQ(ReadSettingInteger("0x"), std::nullopt);
  EXPECT_EQ(ReadSettingInteger("abc"), std::nullopt);
  EXPECT_EQ(ReadSettingBool("1"), true);
  EXPECT_EQ(ReadSettingBool("-1"), true);
  EXPECT_EQ(ReadSettingBool("0"), false);
  EXPECT_EQ(ReadSettingBool("true"), std::nullopt);
}
