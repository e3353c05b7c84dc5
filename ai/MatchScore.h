#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace zor {

// The match score of a stored question against the typed one: the number of
// pairs (i, j) with question[i] == stored[j], over 16-bit characters. The
// question's characters are counted once, so each stored question costs time
// in proportion to its own length. Scores are 64-bit: no length or score in
// reach of memory can overflow them.
class QuestionCharacters {
 public:
  explicit QuestionCharacters(std::u16string_view question);

  std::uint64_t score(std::u16string_view stored) const;

 private:
  std::vector<std::uint64_t> counts_;
};

}  // namespace zor
