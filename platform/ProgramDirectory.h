#pragma once

#include <string>

namespace zor {

// The directory that holds the running executable, without a trailing
// separator. It does not depend on the working directory.
std::u16string programDirectory();

}  // namespace zor
