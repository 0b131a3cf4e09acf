#pragma once
// Note lengths of playback in milliseconds.
#include <cstdint>

namespace strumbly {

// The fixed length of a chord preview, whatever the duration and tempo.
inline constexpr std::int32_t PreviewMs = 250;
inline constexpr int kMinTempo = 1;
inline constexpr int kMaxTempo = 500;

// The length of a whole note at the given tempo (quarter notes per minute):
// ((60000000 div tempo) div 1000) * 4, both divisions truncating. A tempo
// below 1 counts as 1, so a damaged song file cannot divide by zero.
std::int32_t WholeNoteMs(int tempo);

}  // namespace strumbly
