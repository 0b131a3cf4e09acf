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

// True when the bytes are UTF-8 (no overlong forms, surrogates or values
// past U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// A file's text as UTF-8, decided line by line: a line that is UTF-8 stays
// as it is, any other line is read as Latin-1. One stray byte so spoils only
// its own line, and text that is UTF-8 throughout, or Latin-1 throughout,
// reads as it always did. Line breaks (CR, LF) are kept as they are.
std::string DecodeTextLines(std::string_view bytes);
// The text of a file in the program's line format: head as it is, then
// every line followed by CR LF.
std::string JoinCrLfLines(const std::vector<std::string>& lines, std::string_view head = {});

}  // namespace strumbly
