#pragma once

#include "interpreter/Console.h"

namespace zor {

// Resolves a stored colour reference to the plain 0x00BBGGRR colour painted
// now: a plain value as it is, a system colour as the system shows it.
ColourRef paintedColour(ColourRef reference);

}  // namespace zor
