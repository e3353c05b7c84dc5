#include "platform/LargePages.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace zor {

void adviseLargePages(void* data, std::size_t bytes) noexcept {
#ifdef __linux__
  // Only the whole large pages inside the buffer can be advised: a buffer
  // of less than a few of them is not worth splitting its mapping for.
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  constexpr std::size_t kSmallest = 8 * kLargePage;
  const auto start = reinterpret_cast<std::uintptr_t>(data);
  const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t end = (start + bytes) & ~(kLargePage - 1);
  if (bytes >= kSmallest && end > first) {
    // A kernel without transparent huge pages refuses; the buffer stays as it was.
    (void)madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
  }
#else
  (void)data;
  (void)bytes;
#endif
}

}  // namespace zor
