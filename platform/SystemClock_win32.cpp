#include "platform/Clock.h"

#include <ctime>

namespace zor {

TimeOfDay SystemClock::now() const {
  const std::time_t seconds = std::time(nullptr);
  std::tm local{};
  localtime_s(&local, &seconds);
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace zor
