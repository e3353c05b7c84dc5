#include "platform/SystemError.h"

#include "platform/Utf8.h"

namespace zor {

// The messages come in UTF-8.
std::u16string systemMessage(const std::error_code& error) { return fromUtf8(error.message()); }

}  // namespace zor
