#include "platform/FileCalls.h"

#include "platform/Descriptors.h"

namespace zor {

std::error_code openFailure(const std::filesystem::path&) { return lastError(); }

std::error_code replaceNative(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::error_code error;
  std::filesystem::rename(from, to, error);
  return error;
}

}  // namespace zor
