#pragma once
#include <string>
#include <vector>

namespace strumbly {

// A song path given on the command line may have been split by the shell at
// blanks: the first five arguments are joined with single blanks (missing
// ones count as empty) and the result trimmed.
std::string JoinSongArguments(const std::vector<std::string>& arguments);

}  // namespace strumbly
