#include "core/sound/timing.h"

namespace strumbly {

std::int32_t WholeNoteMs(int tempo) {
  if (tempo < kMinTempo) tempo = kMinTempo;
  return ((60000000 / tempo) / 1000) * 4;
}

}  // namespace strumbly
