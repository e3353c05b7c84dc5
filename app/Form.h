#pragma once

#include "interpreter/Console.h"

#include <string>
#include <system_error>

namespace zor {

// Form_Load: the start-up values of the form-level variables and the
// welcome banner.
void formLoad(Console& console);

// What a front-end shows when the program directory cannot be told: the
// program then does not start, rather than put files in a guessed place.
std::u16string noProgramDirectoryMessage(const std::error_code& error);

// Form_Unload: closes the current music path. Never cancels the close.
void formUnload(Console& console);

}  // namespace zor
