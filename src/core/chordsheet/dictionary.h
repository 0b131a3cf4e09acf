#pragma once
// The chord dictionary: ready-made chord lines kept in CHORDS.DCT, one entry
// per line (blank lines included), every line ended by CR LF.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace strumbly {

using DictionaryEntries = std::vector<std::string>;

inline constexpr const char* kDictionaryChordError = "Error in dictionary chord: ";

// The entries of a dictionary file's bytes. Lines may end in CR LF, LF or a
// lone CR; a final line break starts no further entry. Text that is not
// UTF-8 is read as Latin-1.
DictionaryEntries ParseDictionaryText(std::string_view bytes);

// The file's text: every entry followed by CR LF.
std::string FormatDictionaryText(const DictionaryEntries& entries);

// Alphabetical order without regard to letter case (ASCII letters).
bool DictionaryLess(std::string_view a, std::string_view b);
// Sorts in that order; entries equal but for letter case keep their order.
void SortDictionary(DictionaryEntries& entries);
// Where a new entry goes in a sorted list: after every entry that is not
// greater, so equal entries stay in the order they were added.
std::size_t SortedInsertIndex(const DictionaryEntries& sorted, std::string_view entry);
// Adds the entry at the end, or at its sorted place when sorted is set.
void AddDictionaryEntry(DictionaryEntries& entries, std::string entry, bool sorted);

// The dictionary made from a song's lines: every line that is no comment
// and parses without error, unchanged (a blank line gives an empty entry).
DictionaryEntries DictionaryFromSong(const std::vector<std::string>& songLines, bool sorted);

// The editor line a picked chord goes to: below the current line, or at the
// current line when that is the position after the last line.
int DictionaryInsertLine(int currentLine, int lineCount);

// "Error in dictionary chord: Not enough commas." from the parser's text
// "Line 4    Not enough commas.": the reason without the line number.
std::string DictionaryChordError(std::string_view parserError);

}  // namespace strumbly
