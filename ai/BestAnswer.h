#pragma once

#include "ai/MatchScore.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zor {

// The answer of the entry that matches the question best, found while the
// question-and-answer file is read, a piece of a line at a time. A line is
// stored question###answer###number, split at every "###" from the left
// with empty fields kept; fields after the third are ignored and the number
// is never read. A line with fewer than three fields (a blank line among
// them) is no entry. Among entries with the best score the first one
// answers; an entry that scores 0 never does. No line is held whole: an
// answer is kept only while its entry is ahead.
class BestAnswer {
 public:
  explicit BestAnswer(std::u16string_view question) : question_(question) {}

  // The next piece of the current line.
  void add(std::u16string_view piece);
  void endLine();

  std::uint64_t score() const { return bestScore_; }
  std::u16string takeAnswer() { return std::move(bestAnswer_); }

 private:
  void take(std::u16string_view text);

  QuestionCharacters question_;
  std::uint64_t bestScore_ = 0;
  std::u16string bestAnswer_;
  // The current line.
  int field_ = 0;          // 0 question, 1 answer, 2 the number and after
  std::size_t marks_ = 0;  // "#" seen at the end so far, not yet part of a field
  std::uint64_t score_ = 0;
  std::u16string answer_;
};

}  // namespace zor
