#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace strumbly {

// Reads the integer syntax of chord lines: optional leading spaces, then an
// optional sign and decimal digits (value at most 2147483647), or '$' and
// hexadecimal digits that fit in 32 bits (taken as a signed value, so
// $FFFFFFFF is -1). Nothing may follow. Returns nullopt for anything else.
std::optional<std::int32_t> ReadInteger(std::string_view text);

// The chord line parser's view: 2147483647 doubles as its not-a-number mark.
inline constexpr std::int32_t kNotANumber = 2147483647;
inline std::optional<std::int32_t> ReadChordInteger(std::string_view text) {
  auto v = ReadInteger(text);
  if (v && *v == kNotANumber) return std::nullopt;
  return v;
}

}  // namespace strumbly
