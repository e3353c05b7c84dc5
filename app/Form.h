#pragma once

#include "interpreter/Console.h"

namespace zor {

// Form_Load: the start-up values of the form-level variables and the
// welcome banner.
void formLoad(Console& console);

// Form_Unload: closes the current music path. Never cancels the close.
void formUnload(Console& console);

}  // namespace zor
