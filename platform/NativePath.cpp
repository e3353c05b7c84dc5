#include "platform/NativePath.h"

#include "platform/Utf8.h"

#include <string>

namespace zor {

std::filesystem::path nativePath(std::u16string_view text) {
#ifdef _WIN32
  return std::filesystem::path(std::wstring(text.begin(), text.end()));
#else
  return std::filesystem::path(toUtf8(text));
#endif
}

}  // namespace zor
