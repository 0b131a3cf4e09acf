#pragma once
// The General MIDI instruments by program number.
#include <string>

namespace strumbly {

// "  1 Acoustic Grand" for program 0 ... "128 Gunshot" for program 127:
// the 1-based number right-aligned in three characters, a blank, the name.
// Empty for a program outside 0..127.
std::string PatchName(int program);

}  // namespace strumbly
