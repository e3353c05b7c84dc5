#include "platform/SystemColour.h"

namespace zor {

// No system colours to ask for: the fixed dark blue.
std::uint32_t systemColour(std::uint32_t) { return 0x00A56E3A; }

}  // namespace zor
