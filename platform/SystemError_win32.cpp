#include "platform/SystemError.h"

#include "platform/CodePage.h"

namespace zor {

// The messages come in the ANSI code page.
std::u16string systemMessage(const std::error_code& error) {
  return systemCodePage()->decode(error.message());
}

}  // namespace zor
