#include "core/app/settings.h"

#include "core/chordsheet/integer_text.h"
#include "core/chordsheet/text.h"

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

class Reader {
 public:
  Reader(SettingsStore& store, const char* section) : store_(store), section_(section) {}
  bool Bool(const char* name, bool def) {
    auto t = store_.Read(section_, name);
    return t ? ReadSettingBool(*t).value_or(def) : def;
  }
  std::int32_t Int(const char* name, std::int32_t def) {
    auto t = store_.Read(section_, name);
    return t ? ReadSettingInteger(*t).value_or(def) : def;
  }
  std::uint8_t Byte(const char* name, std::int32_t def) { return static_cast<std::uint8_t>(Int(name, def) & 0xFF); }
  std::string Str(const char* name, const std::string& def) { return store_.Read(section_, name).value_or(def); }
  bool Has(const char* name) { return store_.Read(section_, name).has_value(); }

 private:
  SettingsStore& store_;
  std::string section_;
};

class Writer {
 public:
  Writer(SettingsStore& store, const char* section) : store_(store), section_(section) {}
  void Bool(const char* name, bool v) { store_.Write(section_, name, v ? "1" : "0"); }
  void Int(const char* name, std::int32_t v) { store_.Write(section_, name, std::to_string(v)); }
  void Str(const char* name, const std::string& v) { store_.Write(section_, name, v); }

 private:
  SettingsStore& store_;
  std::string section_;
};

}  // namespace

Settings LoadSettings(SettingsStore& store, const std::string& defaultInstallDir) {
  Settings s;
  Reader o(store, "Options");
  s.Prompts = o.Bool("Prompts", s.Prompts);
  s.TabPrompt = o.Bool("TabPrompt", s.TabPrompt);
  s.TabFont = o.Bool("TabFont", s.TabFont);
  s.Associate = o.Bool("Associate", s.Associate);
  s.ShowChordName = o.Bool("ShowChordName", s.ShowChordName);
  s.ShowFretNumbers = o.Bool("ShowFretNumbers", s.ShowFretNumbers);
  s.SortDictionary = o.Bool("SortDictionary", s.SortDictionary);
  s.CursorPlays = o.Bool("CursorPlays", s.CursorPlays);
  s.LastDir = o.Str("Lastdir", s.LastDir);
  s.FirstRun = !o.Has("InstallDir");
  s.InstallDir = o.Str("InstallDir", defaultInstallDir);
  s.MarkerColor = o.Int("MarkerColor", s.MarkerColor);
  s.MarkerShape = o.Byte("MarkerShape", s.MarkerShape);

  Reader m(store, "Midi");
  s.ExternalMIDI = m.Bool("ExternalMIDI", s.ExternalMIDI);
  s.Device = m.Int("Device", s.Device);
  s.Octave = m.Int("Octave", s.Octave);
  s.Channel = m.Byte("Channel", s.Channel);
  s.Patch = m.Byte("Patch", s.Patch);
  s.MenuPatchName = m.Str("MenuPatchName", s.MenuPatchName);
  s.MenuPatchTag = m.Int("MenuPatchTag", s.MenuPatchTag);
  s.MenuTuningName = m.Str("MenuTuningName", s.MenuTuningName);
  s.MenuTuningTag = m.Int("MenuTuningTag", s.MenuTuningTag);
  s.SoundFont = m.Str("SoundFont", s.SoundFont);

  Reader r(store, "Recent");
  s.RecentFile0 = r.Str("RecentFile0", s.RecentFile0);
  s.RecentFile1 = r.Str("RecentFile1", s.RecentFile1);
  s.RecentFile2 = r.Str("RecentFile2", s.RecentFile2);
  return s;
}

void SaveSettings(SettingsStore& store, const Settings& s) {
  Writer o(store, "Options");
  o.Bool("Prompts", s.Prompts);
  o.Bool("TabPrompt", s.TabPrompt);
  o.Bool("TabFont", s.TabFont);
  o.Bool("Associate", s.Associate);
  o.Bool("ShowChordName", s.ShowChordName);
  o.Bool("ShowFretNumbers", s.ShowFretNumbers);
  o.Str("InstallDir", s.InstallDir);
  o.Bool("SortDictionary", s.SortDictionary);
  o.Bool("CursorPlays", s.CursorPlays);
  o.Str("LastDir", s.LastDir);
  o.Int("MarkerColor", s.MarkerColor);
  o.Int("MarkerShape", s.MarkerShape);

  Writer m(store, "Midi");
  m.Bool("ExternalMIDI", s.ExternalMIDI);
  m.Int("Device", s.Device);
  m.Int("Octave", s.Octave);
  m.Int("Channel", s.Channel);
  m.Int("Patch", s.Patch);
  m.Str("MenuPatchName", s.MenuPatchName);
  m.Int("MenuPatchTag", s.MenuPatchTag);
  m.Str("MenuTuningName", s.MenuTuningName);
  m.Int("MenuTuningTag", s.MenuTuningTag);
  if (!s.SoundFont.empty()) m.Str("SoundFont", s.SoundFont);

  Writer r(store, "Recent");
  r.Str("RecentFile0", s.RecentFile0);
  r.Str("RecentFile1", s.RecentFile1);
  r.Str("RecentFile2", s.RecentFile2);
  store.Commit();
}

}  // namespace strumbly
