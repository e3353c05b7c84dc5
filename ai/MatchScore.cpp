#include "ai/MatchScore.h"

namespace zor {

QuestionCharacters::QuestionCharacters(std::u16string_view question) : counts_(0x10000, 0) {
  for (const char16_t c : question) {
    ++counts_[c];
  }
}

std::uint64_t QuestionCharacters::score(std::u16string_view stored) const {
  std::uint64_t total = 0;
  for (const char16_t c : stored) {
    total += counts_[c];
  }
  return total;
}

}  // namespace zor
