#include "core/app/settings.h"

#include <type_traits>

#include "core/chordsheet/integer_text.h"

namespace strumbly {

std::optional<std::int32_t> ReadSettingInteger(const std::string& text) {
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) return ReadInteger("$" + text.substr(2));
  return ReadInteger(text);
}

std::optional<bool> ReadSettingBool(const std::string& text) {
  auto v = ReadSettingInteger(text);
  if (!v) return std::nullopt;
  return *v != 0;
}

namespace {

using S = Settings;

// The order of the first rows is the order files have always been written
// in; settings added later come at the end of their section.
constexpr SettingEntry kTable[] = {
    {"Options", "Prompts", &S::Prompts},
    {"Options", "TabPrompt", &S::TabPrompt},
    {"Options", "TabFont", &S::TabFont},
    {"Options", "Associate", &S::Associate},
    {"Options", "ShowChordName", &S::ShowChordName},
    {"Options", "ShowFretNumbers", &S::ShowFretNumbers},
    {"Options", "InstallDir", &S::InstallDir},
    {"Options", "SortDictionary", &S::SortDictionary},
    {"Options", "CursorPlays", &S::CursorPlays},
    {"Options", "LastDir", &S::LastDir},
    {"Options", "MarkerColor", &S::MarkerColor},
    {"Options", "MarkerShape", &S::MarkerShape},
    {"Options", "TabShowNames", &S::TabShowNames},
    {"Options", "TabShowRhythm", &S::TabShowRhythm},
    {"Midi", "ExternalMIDI", &S::ExternalMIDI},
    {"Midi", "Device", &S::Device},
    {"Midi", "Octave", &S::Octave},
    {"Midi", "Channel", &S::Channel},
    {"Midi", "Patch", &S::Patch},
    {"Midi", "MenuPatchName", &S::MenuPatchName},
    {"Midi", "MenuPatchTag", &S::MenuPatchTag},
    {"Midi", "MenuTuningName", &S::MenuTuningName},
    {"Midi", "MenuTuningTag", &S::MenuTuningTag},
    {"Midi", "SoundFont", &S::SoundFont, 0, false},
    {"Recent", "RecentFile0", &S::RecentFiles, 0},
    {"Recent", "RecentFile1", &S::RecentFiles, 1},
    {"Recent", "RecentFile2", &S::RecentFiles, 2},
};

}  // namespace

std::span<const SettingEntry> SettingsTable() { return kTable; }

std::string SettingText(const SettingEntry& entry, const Settings& settings) {
  return std::visit(
      [&](auto field) -> std::string {
        const auto& value = settings.*field;
        using T = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>)
          return value ? "1" : "0";
        else if constexpr (std::is_same_v<T, std::string>)
          return value;
        else if constexpr (std::is_integral_v<T>)
          return std::to_string(value);
        else
          return value[entry.item];
      },
      entry.field);
}

bool SetSettingFromText(const SettingEntry& entry, Settings& settings, const std::string& text) {
  return std::visit(
      [&](auto field) -> bool {
        auto& value = settings.*field;
        using T = std::remove_cvref_t<decltype(value)>;
        if constexpr (std::is_same_v<T, bool>) {
          const auto v = ReadSettingBool(text);
          if (v) value = *v;
          return v.has_value();
        } else if constexpr (std::is_same_v<T, std::string>) {
          value = text;
          return true;
        } else if constexpr (std::is_integral_v<T>) {
          const auto v = ReadSettingInteger(text);
          if (v) value = static_cast<T>(*v);  // std::uint8_t: the low 8 bits
          return v.has_value();
        } else {
          value[entry.item] = text;
          return true;
        }
      },
      entry.field);
}

Settings LoadSettings(SettingsStore& store, const std::string& defaultInstallDir) {
  Settings s;
  s.InstallDir = defaultInstallDir;
  // InstallDir is written by every run that writes settings.
  s.FirstRun = !store.Read("Options", "InstallDir").has_value();
  for (const SettingEntry& entry : SettingsTable())
    if (const auto text = store.Read(entry.section, entry.name)) SetSettingFromText(entry, s, *text);
  store.SetKnown(s);
  return s;
}

void SaveSettings(SettingsStore& store, const Settings& s) {
  const std::optional<Settings>& known = store.Known();
  for (const SettingEntry& entry : SettingsTable()) {
    const std::string text = SettingText(entry, s);
    const bool held = store.Read(entry.section, entry.name).has_value();
    if (text.empty() && !entry.storedEmpty && !held) continue;
    if (!known || SettingText(entry, *known) != text)
      store.Write(entry.section, entry.name, text);
    else if (!held)
      store.WriteIfMissing(entry.section, entry.name, text);
  }
  store.Commit();
  store.SetKnown(s);
}

}  // namespace strumbly
