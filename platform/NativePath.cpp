#include "platform/NativePath.h"

#include "platform/Utf8.h"

namespace zor {

std::filesystem::path nativePath(std::u16string_view text) {
  return std::filesystem::path(toUtf8(text));
}

}  // namespace zor
