#include "core/sound/play_schedule.h"

namespace strumbly {

PlaySchedule::Clock::time_point PlaySchedule::Add(std::int32_t lengthMs, Clock::time_point now) {
  if (now - NextStart() > kMaxLag) {
    start_ = now;
    elapsedMs_ = 0;
  }
  if (lengthMs > 0) elapsedMs_ += lengthMs;
  return NextStart();
}

}  // namespace strumbly
