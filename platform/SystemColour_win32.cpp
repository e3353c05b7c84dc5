#include "platform/SystemColour.h"

#include <windows.h>

namespace zor {

std::uint32_t systemColour(std::uint32_t number) {
  return static_cast<std::uint32_t>(GetSysColor(static_cast<int>(number)));
}

}  // namespace zor
