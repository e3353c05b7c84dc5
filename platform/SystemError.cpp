#include "platform/SystemError.h"

#ifdef _WIN32
#include "platform/CodePage.h"
#else
#include "platform/Utf8.h"
#endif

namespace zor {

// The messages come in the system's narrow encoding: the ANSI code page on
// Windows, UTF-8 elsewhere.
std::u16string systemMessage(const std::error_code& error) {
#ifdef _WIN32
  return systemCodePage()->decode(error.message());
#else
  return fromUtf8(error.message());
#endif
}

}  // namespace zor
