#pragma once
// The user's options that survive from run to run. They are read once at
// start-up and written once at a normal exit, through a SettingsStore.
#include <cstdint>
#include <optional>
#include <string>

namespace strumbly {

// A per-user store of text values in sections, names compared without regard
// to letter case. Implementations report failures by throwing.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  virtual std::optional<std::string> Read(const std::string& section, const std::string& name) = 0;
  virtual void Write(const std::string& section, const std::string& name, const std::string& value) = 0;
  // Makes the written values permanent; throws when they cannot be stored.
  virtual void Commit() {}
  // What went wrong when the stored values were read, as the text to show
  // the user; empty when nothing did. The values that could be read are
  // still given by Read.
  virtual std::string LoadProblem() const { return {}; }
};

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
  // Recent
  std::string RecentFile0, RecentFile1, RecentFile2;

  // True when the store held no trace of an earlier normal exit.
  bool FirstRun = true;
};

// Text forms of stored values.
std::optional<std::int32_t> ReadSettingInteger(const std::string& text);  // decimal or 0x hex
std::optional<bool> ReadSettingBool(const std::string& text);             // any non-zero integer is true

// Reads every value in the documented order; missing or unreadable values
// give the defaults. defaultInstallDir is used when InstallDir is absent.
Settings LoadSettings(SettingsStore& store, const std::string& defaultInstallDir);

// Writes every value in the documented order, then commits.
void SaveSettings(SettingsStore& store, const Settings& settings);

}  // namespace strumbly
