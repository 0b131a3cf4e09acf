#include "core/app/song_state.h"

#include <algorithm>

namespace strumbly {

int InstrumentMenuIndex(int patch) {
  return patch >= 24 && patch <= 31 ? patch - 24 : kUserInstrumentMenuIndex;
}

std::uint8_t PatchFromInfo(std::int32_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

int TempoFromInfo(std::int32_t value) { return std::clamp<std::int32_t>(value, kMinTempo, kMaxTempo); }

}  // namespace strumbly
