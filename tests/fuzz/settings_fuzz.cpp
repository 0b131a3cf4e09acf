// A settings file's text through the lenient reader and every setting read
// from it. What is written back must read again without a bad line, with the
// same values, and write the same text. Saving the settings unchanged keeps
// the file's values.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/app/ini_file.h"
#include "core/app/settings.h"
#include "fuzz_check.h"

using namespace strumbly;

namespace {
class IniStore : public SettingsStore {
 public:
  explicit IniStore(IniFile& ini) : ini_(ini) {}
  std::optional<std::string> Read(const std::string& s, const std::string& n) override { return ini_.Get(s, n); }
  void Write(const std::string& s, const std::string& n, const std::string& v) override { ini_.Set(s, n, v); }

 private:
  IniFile& ini_;
};
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  IniFile ini = IniFile::Parse(text);
  IniStore store(ini);
  const Settings settings = LoadSettings(store, "/install");

  const std::string written = ini.Format();
  const IniFile back = IniFile::Parse(written);
  FUZZ_CHECK(back.badLines().empty());
  FUZZ_CHECK(back.valueCount() == ini.valueCount());
  FUZZ_CHECK(back.Format() == written);
  IniFile copy = back;
  IniStore again(copy);
  const Settings reread = LoadSettings(again, "/install");
  FUZZ_CHECK(reread.LastDir == settings.LastDir && reread.MarkerColor == settings.MarkerColor &&
             reread.MenuPatchName == settings.MenuPatchName && reread.Prompts == settings.Prompts);

  // Saved unchanged, the settings keep every value the file held as it was
  // and only fill in the missing ones.
  const IniFile before = ini;
  SaveSettings(store, settings);
  for (const SettingEntry& entry : SettingsTable()) {
    const auto held = before.Get(entry.section, entry.name);
    FUZZ_CHECK(held ? ini.Get(entry.section, entry.name) == held
                    : ini.Get(entry.section, entry.name).has_value() || !entry.storedEmpty);
  }
  FUZZ_CHECK(IniFile::Parse(ini.Format()).badLines().empty());
  return 0;
}
