#pragma once

#include <string>
#include <system_error>

namespace zor {

// The system's own words for an error, such as "No such file or directory".
std::u16string systemMessage(const std::error_code& error);

}  // namespace zor
