#include "core/chordsheet/text.h"

namespace strumbly {

std::string_view Trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && static_cast<unsigned char>(s[b]) <= 32) ++b;
  while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32) --e;
  return s.substr(b, e - b);
}

std::string UpperAscii(std::string_view s) {
  std::string out(s);
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

namespace {
// Length of the UTF-8 sequence starting at s[i], or 1 when it is not valid.
std::size_t SequenceLength(std::string_view s, std::size_t i) {
  const auto c = static_cast<unsigned char>(s[i]);
  std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
  if (len == 1 || i + len > s.size()) return 1;
  for (std::size_t k = 1; k < len; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 1;
  return len;
}
}  // namespace

std::string_view PrefixChars(std::string_view s, std::size_t n) {
  if (s.size() <= n) return s;  // fewer bytes than n means fewer characters too
  std::size_t i = 0;
  for (std::size_t count = 0; count < n && i < s.size(); ++count) i += SequenceLength(s, i);
  return s.substr(0, i);
}

std::string JoinCrLfLines(const std::vector<std::string>& lines, std::string_view head) {
  std::size_t size = head.size();
  for (const auto& l : lines) size += l.size() + 2;
  std::string out;
  out.reserve(size);
  out += head;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

}  // namespace strumbly
