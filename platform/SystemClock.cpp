#include "platform/Clock.h"

#include <ctime>

namespace zor {

TimeOfDay SystemClock::now() const {
  const std::time_t seconds = std::time(nullptr);
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &seconds);
#else
  localtime_r(&seconds, &local);
#endif
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

}  // namespace zor
