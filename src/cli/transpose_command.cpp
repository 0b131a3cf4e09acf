// strumbly-cli transpose: a song moved up or down by semitones, its chords
// renamed, as Edit / Transpose moves the whole song.
#include <QCoreApplication>
#include <iostream>

#include "cli/conversion.h"
#include "cli/output_files.h"
#include "cli/song_source.h"
#include "core/app/song_file.h"
#include "core/chordsheet/integer_text.h"
#include "core/guitar/transpose.h"
#include "platform/dictionary_file.h"

namespace strumbly::cli {

namespace {

int Usage(const std::string& problem) {
  std::cerr << "strumbly-cli transpose: " << problem << "\n" << UsageText();
  return kFailed;
}

// The song file's text again, info lines only where the song had them.
std::string SongFileText(const CliSong& song, const std::vector<std::string>& lines) {
  if (song.infoLines) return FormatSongFile(lines, song.patch, song.tuning, song.tempo);
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace

int RunTranspose(const Args& args) {
  if (args.size() < 2) return Usage("a song file and a number of semitones are needed");
  if (args.size() > 3) return Usage("too many arguments");
  const auto steps = ReadInteger(args[1]);
  if (!steps || *steps < -kMaxTransposeSteps || *steps > kMaxTransposeSteps)
    return Usage("'" + args[1] + "' is not a number of semitones from -11 to 11");
  const std::optional<CliSong> song = LoadSong(args[0]);
  if (!song) return kFailed;

  // The shipped dictionary is found beside the program.
  int argc = 1;
  char name[] = "strumbly-cli";
  char* argv[] = {name, nullptr};
  const QCoreApplication app(argc, argv);
  const DictionaryShapes shapes(DefaultDictionary());
  const TransposeResult result = TransposeLines(
      song->lines, 0, static_cast<int>(song->lines.size()) - 1, *steps,
      [&shapes](std::string_view name) { return shapes.First(name); }, song->tuning, song->capo);
  std::vector<std::string> lines = song->lines;
  std::copy(result.lines.begin(), result.lines.end(), lines.begin() + result.first);
  const std::string bytes = SongFileText(*song, lines);

  const std::string out = args.size() == 3 ? args[2] : "-";
  if (out == "-") {
    if (!WriteStandardOutput(bytes)) return kFailed;
  } else {
    OutputFiles files;
    if (!files.Write(out, bytes)) {
      std::cerr << "Cannot create file " << out << "\n";
      return kFailed;
    }
    if (!files.Sync()) {
      std::cerr << "strumbly-cli: the written files could not be saved to disk\n";
      return kFailed;
    }
  }
  if (result.report.empty()) return kOk;
  std::cerr << args[0] << ": " << result.report << "\n";
  return kRefused;
}

}  // namespace strumbly::cli
