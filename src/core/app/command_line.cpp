#include "core/app/command_line.h"

namespace strumbly {

std::string JoinSongArguments(const std::vector<std::string>& arguments) {
  std::string joined;
  for (std::size_t i = 0; i < 5; ++i) {
    if (i > 0) joined += ' ';
    if (i < arguments.size()) joined += arguments[i];
  }
  // Only blanks are trimmed here, as the shell split at blanks.
  std::size_t b = joined.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  std::size_t e = joined.find_last_not_of(' ');
  return joined.substr(b, e - b + 1);
}

}  // namespace strumbly
