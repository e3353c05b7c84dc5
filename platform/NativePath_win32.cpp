#include "platform/NativePath.h"

#include <string>

namespace zor {

std::filesystem::path nativePath(std::u16string_view text) {
  return std::filesystem::path(std::wstring(text.begin(), text.end()));
}

}  // namespace zor
