#include "platform/Descriptors.h"

#include <cerrno>

namespace zor {

std::error_code lastError() { return {errno, std::generic_category()}; }

bool holdsNul(const std::filesystem::path& path) {
  return path.native().find(std::filesystem::path::value_type{}) !=
         std::filesystem::path::string_type::npos;
}

std::error_code writeAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const long long put = writeNative(descriptor, bytes.data(), bytes.size());
    if (put < 0) {
      if (errno == EINTR) {
        continue;
      }
      return lastError();
    }
    bytes.remove_prefix(static_cast<std::size_t>(put));
  }
  return {};
}

}  // namespace zor
