#include "core/app/recovery.h"

#include <charconv>

#include "core/app/ini_file.h"
#include "core/app/song_names.h"

namespace strumbly {

namespace {

constexpr std::string_view kMagic = "Strumbly recovery 1";

template <typename T>
void ReadNumber(std::string_view text, T& value) {
  T parsed{};
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
  if (error == std::errc() && end == text.data() + text.size()) value = parsed;
}

// The next line, without its '\n'; a song line may hold '\r' and other
// characters, so nothing else separates lines.
std::string_view NextLine(std::string_view& text) {
  const std::size_t end = text.find('\n');
  const std::string_view line = text.substr(0, end);
  text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
  return line;
}

}  // namespace

std::string FormatRecovery(const RecoveredSong& song) {
  std::string out(kMagic);
  out += "\nFile=" + EscapeIniValue(song.fileName);
  out += "\nPatch=" + std::to_string(song.patch);
  out += "\nTuning=" + std::to_string(song.tuning);
  out += "\nTempo=" + std::to_string(song.tempo);
  out += "\nDuration=" + EscapeIniValue(song.duration);
  out += "\nLine=" + std::to_string(song.currentLine);
  out += "\nLines=" + std::to_string(song.lines.size()) + "\n";
  for (const std::string& line : song.lines) {
    // An editor line holds no line break; one that did would split here.
    for (char c : line) out += c == '\n' ? ' ' : c;
    out += '\n';
  }
  return out;
}

std::optional<RecoveredSong> ParseRecovery(std::string_view text) {
  if (NextLine(text) != kMagic) return std::nullopt;
  RecoveredSong song;
  std::size_t count = 0;
  while (!text.empty()) {
    const std::string_view line = NextLine(text);
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
    if (key == "File")
      song.fileName = UnescapeIniValue(value).value_or(song.fileName);
    else if (key == "Patch")
      ReadNumber(value, song.patch);
    else if (key == "Tuning")
      ReadNumber(value, song.tuning);
    else if (key == "Tempo")
      ReadNumber(value, song.tempo);
    else if (key == "Duration")
      song.duration = UnescapeIniValue(value).value_or(song.duration);
    else if (key == "Line")
      ReadNumber(value, song.currentLine);
    else if (key == "Lines") {
      ReadNumber(value, count);
      break;
    }
  }
  for (std::size_t i = 0; i < count && !text.empty(); ++i) song.lines.emplace_back(NextLine(text));
  return song;
}

std::string RecoverQuestion(std::string_view fileName) {
  return "Strumbly closed without saving the changes to " + FileNameOf(fileName) + ". Recover them?";
}

}  // namespace strumbly
