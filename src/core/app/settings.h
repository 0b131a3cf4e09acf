#pragma once
// The user's options that survive from run to run. They are read once at
// start-up and written back, through a SettingsStore, when the settings
// dialog is confirmed and at a normal exit. Each stored setting is one field
// of Settings and one row of SettingsTable(); loading and saving walk the
// table.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>

namespace strumbly {

inline constexpr int kRecentFileCount = 3;

struct Settings {
  // Options
  bool Prompts = true;
  bool TabPrompt = true;
  bool TabFont = false;
  bool Associate = true;
  bool ShowChordName = false;
  bool ShowFretNumbers = false;
  bool SortDictionary = false;
  bool CursorPlays = false;
  std::string LastDir;
  std::string InstallDir;
  std::int32_t MarkerColor = 16776960;  // blue * 65536 + green * 256 + red: aqua
  std::uint8_t MarkerShape = 5;         // 0 rectangle, 1 square, 4 ellipse, 5 circle
  bool TabShowNames = true;             // graphic tablature: chord names above the staff
  bool TabShowRhythm = true;            // graphic tablature: the rhythm below the staff
  // Midi
  bool ExternalMIDI = false;
  std::int32_t Device = -1;
  std::int32_t Octave = 0;
  std::uint8_t Channel = 0;
  std::uint8_t Patch = 25;
  std::string MenuPatchName = "  1 Acoustic Grand";
  std::int32_t MenuPatchTag = 1;
  std::string MenuTuningName = "&Custom Tuning - C G C G C E";
  std::int32_t MenuTuningTag = 133565;
  std::string SoundFont;  // empty: the first General MIDI soundfont found
  // Recent: the newest first, stored as RecentFile0, RecentFile1, RecentFile2.
  std::array<std::string, kRecentFileCount> RecentFiles;

  // True when the store held no trace of an earlier run that wrote settings.
  bool FirstRun = true;
};

// One stored setting: its section and value name in the store, and the
// field that holds it. A std::uint8_t field keeps the low 8 bits of the
// integer read. A list field names one of its items.
struct SettingEntry {
  using Field = std::variant<bool Settings::*, std::int32_t Settings::*, std::uint8_t Settings::*,
                             std::string Settings::*, std::array<std::string, kRecentFileCount> Settings::*>;
  const char* section;
  const char* name;
  Field field;
  std::size_t item = 0;
  // False for a setting that is stored only once it has a value.
  bool storedEmpty = true;
};

// Every stored setting, in the order a new file lists them.
std::span<const SettingEntry> SettingsTable();

// The text the store holds for the entry's value.
std::string SettingText(const SettingEntry& entry, const Settings& settings);
// Sets the entry's field from a stored text; false (and the field left as
// it is) when an integer or boolean text is not a number.
bool SetSettingFromText(const SettingEntry& entry, Settings& settings, const std::string& text);

// A per-user store of text values in sections, names compared without regard
// to letter case. Implementations report failures by throwing.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> Read(const std::string& section, const std::string& name) = 0;
  virtual void Write(const std::string& section, const std::string& name, const std::string& value) = 0;
  // Writes the value unless the store holds one by that name; at the commit
  // too, so a value another run stored meanwhile is kept.
  virtual void WriteIfMissing(const std::string& section, const std::string& name, const std::string& value) {
    if (!Read(section, name)) Write(section, name, value);
  }
  // Makes the written values permanent; throws when they cannot be stored.
  virtual void Commit() {}
  // What went wrong when the stored values were read, as the text to show
  // the user; empty when nothing did. The values that could be read are
  // still given by Read.
  virtual std::string LoadProblem() const { return {}; }

  // The settings as this run last read them from the store or wrote them to
  // it (LoadSettings, SaveSettings); empty before either.
  const std::optional<Settings>& Known() const { return known_; }
  void SetKnown(const Settings& settings) { known_ = settings; }

 private:
  std::optional<Settings> known_;
};

// Text forms of stored values.
std::optional<std::int32_t> ReadSettingInteger(const std::string& text);  // decimal or 0x hex
std::optional<bool> ReadSettingBool(const std::string& text);             // any non-zero integer is true

// Reads every setting of the table; missing or unreadable values give the
// defaults. defaultInstallDir is used when InstallDir is absent.
Settings LoadSettings(SettingsStore& store, const std::string& defaultInstallDir);

// Writes back what this run changed: each setting whose value differs from
// the store's Known() one (every setting when nothing is known), so that a
// second copy of the program running meanwhile keeps the settings it
// changed. A setting the store holds no value for is filled in. Then commits.
void SaveSettings(SettingsStore& store, const Settings& settings);

}  // namespace strumbly
