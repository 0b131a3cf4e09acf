#pragma once
// Small text helpers shared by the chord line parser and the file formats.
// Texts are UTF-8; "characters" are code points, and a byte that is not part
// of a valid UTF-8 sequence counts as one character of its own.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace strumbly {

// Removes every character with a code from 0 to 32 from both ends.
std::string_view Trim(std::string_view s);
inline bool IsBlank(std::string_view s) { return Trim(s).empty(); }

// Upper-cases the letters a to z only.
std::string UpperAscii(std::string_view s);

// The first n characters of s (whole UTF-8 sequences are kept together).
std::string_view PrefixChars(std::string_view s, std::size_t n);

// The text of a file in the program's line format: head as it is, then
// every line followed by CR LF.
std::string JoinCrLfLines(const std::vector<std::string>& lines, std::string_view head = {});

}  // namespace strumbly
