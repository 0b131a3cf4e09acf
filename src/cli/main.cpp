// strumbly-cli: works on song files from a terminal.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "core/app/song_file.h"
#include "core/chordsheet/chord_line.h"

namespace {

constexpr const char* kUsage =
    "Usage: strumbly-cli COMMAND [ARGUMENTS]\n"
    "\n"
    "Commands:\n"
    "  check SONG...   Parse every chord line of each song file (.sly) and print\n"
    "                  each bad line as 'SONG: Line N    reason'.\n"
    "                  Exit status: 0 all lines good, 1 a bad line was found,\n"
    "                  2 usage error or a file that cannot be read.\n"
    "  --help          Show this text.\n";

bool ReadFile(const char* path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

int Check(const std::vector<const char*>& songs) {
  if (songs.empty()) {
    std::cerr << "strumbly-cli check: no song file given\n" << kUsage;
    return 2;
  }
  bool bad = false;
  std::string bytes;
  strumbly::ChordRecord record;
  for (const char* song : songs) {
    if (!ReadFile(song, bytes)) {
      std::cerr << "strumbly-cli: Cannot open file " << song << ": " << std::strerror(errno) << "\n";
      return 2;
    }
    const auto text = strumbly::ReadSongText(bytes);
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
      const auto error = strumbly::ParseChordText(text.lines[i], static_cast<int>(i), record);
      if (!error.empty()) {
        std::cout << song << ": " << error << "\n";
        bad = true;
      }
    }
  }
  std::cout.flush();
  return bad ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << kUsage;
    return 2;
  }
  const std::string command = argv[1];
  if (command == "--help" || command == "-h" || command == "help") {
    std::cout << kUsage;
    return 0;
  }
  if (command == "check") return Check(std::vector<const char*>(argv + 2, argv + argc));
  std::cerr << "strumbly-cli: unknown command '" << command << "'\n" << kUsage;
  return 2;
}
