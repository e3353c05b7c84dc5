#include "app/InputHistory.h"

#include "interpreter/KeyPress.h"

#include <utility>

namespace zor {

void InputHistory::add(std::u16string_view line) {
  if (!isBlankLine(line) && (lines_.empty() || lines_.back() != line)) {
    if (lines_.size() == kLimit) {
      lines_.pop_front();
    }
    lines_.emplace_back(line);
  }
  reset();
}

std::optional<std::u16string> InputHistory::previous(std::u16string_view current) {
  if (shown_ == 0) {
    return std::nullopt;
  }
  if (shown_ == lines_.size()) {
    draft_ = current;
  }
  return lines_[--shown_];
}

std::optional<std::u16string> InputHistory::next() {
  if (shown_ == lines_.size()) {
    return std::nullopt;
  }
  if (++shown_ == lines_.size()) {
    return std::exchange(draft_, std::u16string());
  }
  return lines_[shown_];
}

void InputHistory::reset() {
  shown_ = lines_.size();
  draft_.clear();
}

}  // namespace zor
