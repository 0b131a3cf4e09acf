// strumbly-cli import: a ChordPro chord sheet read into a song file, as
// File / Import / ChordPro reads it, with fingerings from the sheet, then the
// user's chord dictionary, then the shipped one.
#include <QDir>
#include <QStandardPaths>
#include <QString>
#include <filesystem>
#include <iostream>

#include "cli/cli_command.h"
#include "cli/conversion.h"
#include "cli/output_files.h"
#include "core/app/settings.h"
#include "core/app/song_file.h"
#include "core/app/song_state.h"
#include "core/chordsheet/chordpro.h"
#include "core/tab/tab_titles.h"
#include "platform/command_error.h"
#include "platform/dictionary_file.h"
#include "platform/settings_store.h"
#include "platform/song_io.h"

namespace strumbly::cli {

namespace {

int Usage(const std::string& problem) {
  std::cerr << "strumbly-cli import: " << problem << "\n" << UsageText();
  return kFailed;
}

QString ProgramFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? QString() : QString::fromStdString(exe.parent_path().string());
}

// The user's dictionary as the window reads it (nothing is written here),
// then the shipped one.
ShapeLookup DictionaryLookup() {
  std::vector<DictionaryEntries> dictionaries;
  IniSettingsStore store;
  std::string installDir = LoadSettings(store, "").InstallDir;
  if (installDir.empty())
    installDir = (QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Strumbly").toStdString();
  try {
    if (auto user = ReadDictionaryFile(DictionaryFileName(QString::fromStdString(installDir))))
      dictionaries.push_back(std::move(*user));
  } catch (const CommandError& e) {
    std::cerr << "strumbly-cli import: " << e.what() << "\n";
  }
  dictionaries.push_back(DefaultDictionary(ProgramFolder()));
  return DictionaryShapeLookup(dictionaries);
}

}  // namespace

int RunImport(const Args& args) {
  if (args.empty()) return Usage("no ChordPro file given");
  if (args.size() > 2) return Usage("too many arguments");
  const std::string& in = args[0];
  const bool named = args.size() == 2;
  const std::string out = named ? args[1] : WithExtension(in, ".sly");
  std::error_code ec;
  if (out != "-" && std::filesystem::equivalent(in, out, ec))
    return Usage("the song file would replace the ChordPro file");
  // A song of the same name is never replaced unless it was named.
  if (!named && std::filesystem::exists(out, ec)) {
    std::cerr << "strumbly-cli import: " << out << " exists; name the output file to replace it\n";
    return kFailed;
  }
  std::string bytes;
  try {
    bytes = ReadSongFile(QString::fromStdString(in));
  } catch (const CommandError& e) {
    std::cerr << "strumbly-cli: " << e.what() << "\n";
    return kFailed;
  }
  if (bytes.rfind("\xEF\xBB\xBF", 0) == 0) bytes.erase(0, 3);
  const ChordProImport sheet = ImportChordPro(DecodeSongText(bytes), DictionaryLookup());
  bool anyChord = !sheet.unfingered.empty();
  for (const std::string& line : sheet.lines) {
    ChordRecord r;
    if (ParseChordText(line, 0, r).empty() && KindOf(r, {}) == RecordKind::Chord) anyChord = true;
  }
  if (!anyChord) {
    std::cerr << "Can't import " << in << ". No chords found.\n";
    return kRefused;
  }
  const std::string song = FormatSongFile(sheet.lines, kDefaultPatch, kStandardTuningTag,
                                          TempoFromInfo(sheet.tempo.value_or(kDefaultTempo)));
  if (!sheet.unfingered.empty()) std::cerr << UnfingeredMessage(sheet.unfingered) << "\n";
  if (out == "-") return WriteStandardOutput(song) ? kOk : kFailed;
  OutputFiles files;
  if (!files.Write(out, song)) {
    std::cerr << "Cannot create file " << out << "\n";
    return kFailed;
  }
  if (!files.Sync()) {
    std::cerr << "strumbly-cli: the written files could not be saved to disk\n";
    return kFailed;
  }
  return kOk;
}

}  // namespace strumbly::cli
