// strumbly-cli: works on song files from a terminal.
#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "cli/audio_command.h"
#include "cli/cli_command.h"
#include "cli/name_command.h"

namespace strumbly::cli {

int RunChordPro(const Args& args);
int RunImport(const Args& args);
int RunMusicXml(const Args& args);

namespace {

// The commands that take the classic argument vector.
std::vector<char*> ArgumentVector(const Args& args, const char* first) {
  std::vector<char*> argv;
  if (first) argv.push_back(const_cast<char*>(first));
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  return argv;
}

int RunName(const Args& args) {
  auto argv = ArgumentVector(args, nullptr);
  return RunNameCommand(static_cast<int>(args.size()), argv.data());
}

int RunAudio(const Args& args) {
  auto argv = ArgumentVector(args, "audio");
  return strumbly::RunAudioCommand(static_cast<int>(args.size()) + 1, argv.data());
}

// One line per command; a new command needs a line here and its own file.
const Command kCommands[] = {
    {"check",
     "  check SONG...   Parse every chord line of each song file (.sly) and print\n"
     "                  each bad line as 'SONG: Line N    reason'.\n"
     "                  Exit status: 0 all lines good, 1 a bad line was found,\n"
     "                  2 usage error or a file that cannot be read.\n",
     RunCheck},
    {"midi",
     "  midi SONG [OUT]  Write the song as a Standard MIDI File (default: SONG with\n"
     "                  the extension .mid; - writes to standard output).\n",
     RunMidi},
    {"tab",
     "  tab SONG [OUT] [--names]\n"
     "                  Write the song's ASCII tablature (default: SONG with the\n"
     "                  extension .tab; - writes to standard output). --names adds\n"
     "                  the chord names above each row and the string names.\n",
     RunTab},
    {"pdf",
     "  pdf SONG [OUT] [--page-size A4|Letter] [--names] [--rhythm]\n"
     "                  Print the song's graphic tablature to a PDF file (A4 unless\n"
     "                  told otherwise; default OUT: SONG with the extension .pdf).\n"
     "                  --names adds chord and string names, --rhythm the rhythm.\n",
     RunPdf},
    {"audio",
     "  audio SONG OUT [--soundfont SF2]\n"
     "                  Render the song with the built-in synthesizer into an audio\n"
     "                  file: .wav, .flac or .ogg by OUT's extension.\n",
     RunAudio},
    {"name", kNameCommandUsage, RunName},
    {"chordpro",
     "  chordpro SONG [OUT]\n"
     "                  Write the song as a ChordPro chord sheet (default: SONG with\n"
     "                  the extension .cho; - writes to standard output).\n",
     RunChordPro},
    {"musicxml",
     "  musicxml SONG [OUT]\n"
     "                  Write the song as a MusicXML 4.0 score with a guitar TAB staff\n"
     "                  (default: SONG with the extension .musicxml).\n",
     RunMusicXml},
    {"import",
     "  import SHEET.cho [OUT.sly]\n"
     "                  Read a ChordPro chord sheet into a song file (default: SHEET\n"
     "                  with the extension .sly, never replacing an existing song;\n"
     "                  - writes to standard output). Chords without a fingering in\n"
     "                  the sheet or the chord dictionaries are listed at the end.\n",
     RunImport},
    {"transpose",
     "  transpose SONG N [OUT]\n"
     "                  Move the song by N semitones (-11 to 11): frets move, chord\n"
     "                  names are renamed. OUT defaults to standard output (-).\n"
     "                  Exit status 1: a chord had no shape within frets 0 to 18\n"
     "                  and was left as it was (listed; the rest is written).\n",
     RunTranspose},
};

}  // namespace

std::string UsageText() {
  std::string text =
      "Usage: strumbly-cli COMMAND [ARGUMENTS]\n"
      "\n"
      "Commands:\n";
  for (const Command& c : kCommands) text += c.usage;
  text +=
      "  --help          Show this text.\n"
      "\n"
      "midi, tab and pdf also take --out-dir DIR followed by any number of songs;\n"
      "each is written into DIR under its own name. Exit status: 0 done, 1 a song\n"
      "was refused (a bad line, no chords), 2 usage error, a song that cannot be\n"
      "read or an output that cannot be written.\n";
  text += "chordpro and musicxml take --out-dir DIR the same way.\n";
  return text;
}

}  // namespace strumbly::cli

int main(int argc, char** argv) {
  using namespace strumbly::cli;
  // A closed pipe is reported as a failed write, not a silent death.
  std::signal(SIGPIPE, SIG_IGN);
  if (argc < 2) {
    std::cerr << UsageText();
    return kFailed;
  }
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << UsageText() << std::flush;
    return std::cout ? kOk : kFailed;
  }
  const Args args(argv + 2, argv + argc);
  for (const Command& c : kCommands)
    if (command == c.name) return c.run(args);
  std::cerr << "strumbly-cli: unknown command '" << command << "'\n" << UsageText();
  return kFailed;
}
