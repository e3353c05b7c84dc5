#include "platform/SystemColour.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace zor {

std::uint32_t systemColour(std::uint32_t number) {
#ifdef _WIN32
  return static_cast<std::uint32_t>(GetSysColor(static_cast<int>(number)));
#else
  (void)number;
  return 0x00A56E3A;
#endif
}

}  // namespace zor
