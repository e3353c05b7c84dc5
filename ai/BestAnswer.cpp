#include "ai/BestAnswer.h"

namespace zor {

void BestAnswer::add(std::u16string_view piece) {
  while (!piece.empty() && field_ < 2) {
    const std::size_t mark = piece.find(u'#');
    if (mark != 0) {
      take(std::u16string_view(u"##").substr(0, marks_));
      marks_ = 0;
      take(piece.substr(0, mark));
      if (mark == std::u16string_view::npos) {
        return;
      }
    }
    piece.remove_prefix(mark + 1);
    if (++marks_ == 3) {
      marks_ = 0;
      ++field_;
    }
  }
}

// The question's score is whole once the answer starts, so an answer that
// cannot win is not kept.
void BestAnswer::take(std::u16string_view text) {
  if (field_ == 0) {
    score_ += question_.score(text);
  } else if (field_ == 1 && score_ > bestScore_) {
    answer_.append(text);
  }
}

void BestAnswer::endLine() {
  if (field_ == 2 && score_ > bestScore_) {
    bestScore_ = score_;
    bestAnswer_.swap(answer_);
  }
  field_ = 0;
  marks_ = 0;
  score_ = 0;
  answer_.clear();
}

}  // namespace zor
