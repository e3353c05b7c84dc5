#pragma once

#include <cstdint>

namespace zor {

// The colour, as 0x00BBGGRR, that the system shows for one of its colour
// numbers (1 is the desktop). Without system colours to ask for, a fixed
// dark blue on which white text has a contrast ratio of about 5.3:1.
std::uint32_t systemColour(std::uint32_t number);

}  // namespace zor
