#include "core/chordsheet/dictionary.h"

#include <algorithm>

#include "core/app/song_file.h"
#include "core/chordsheet/chord_line.h"
#include "core/chordsheet/text.h"

namespace strumbly {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

DictionaryEntries ParseDictionaryText(std::string_view bytes) { return SplitLines(DecodeSongText(bytes)); }

std::string FormatDictionaryText(const DictionaryEntries& entries) { return JoinCrLfLines(entries); }

bool DictionaryLess(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(Lower(x)) < static_cast<unsigned char>(Lower(y));
  });
}

void SortDictionary(DictionaryEntries& entries) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const std::string& a, const std::string& b) { return DictionaryLess(a, b); });
}

std::size_t SortedInsertIndex(const DictionaryEntries& sorted, std::string_view entry) {
  const auto at = std::upper_bound(sorted.begin(), sorted.end(), entry,
                                   [](std::string_view e, const std::string& s) { return DictionaryLess(e, s); });
  return static_cast<std::size_t>(at - sorted.begin());
}

void AddDictionaryEntry(DictionaryEntries& entries, std::string entry, bool sorted) {
  const std::size_t at = sorted ? SortedInsertIndex(entries, entry) : entries.size();
  entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at), std::move(entry));
}

DictionaryEntries DictionaryFromSong(const std::vector<std::string>& songLines, bool sorted) {
  DictionaryEntries entries;
  ChordRecord record;
  for (std::size_t i = 0; i < songLines.size(); ++i) {
    const std::string& line = songLines[i];
    if (IsCommentLine(line)) continue;
    if (!ParseChordText(line, static_cast<int>(i), record).empty()) continue;
    AddDictionaryEntry(entries, line, sorted);
  }
  return entries;
}

int DictionaryInsertLine(int currentLine, int lineCount) {
  return currentLine >= lineCount ? currentLine : currentLine + 1;
}

std::string DictionaryChordError(std::string_view parserError) {
  std::string_view reason = parserError;
  if (reason.substr(0, 5) == "Line ") {
    reason.remove_prefix(5);
    while (!reason.empty() && reason.front() >= '0' && reason.front() <= '9') reason.remove_prefix(1);
    while (!reason.empty() && reason.front() == ' ') reason.remove_prefix(1);
  }
  return std::string(kDictionaryChordError) + std::string(reason);
}

}  // namespace strumbly
