#include "app/logview/CaretEvents.h"

namespace zor {

CaretNews CaretEvents::update(const LogSelection& selection) {
  CaretNews news;
  if (selection.caret() != caret_) {
    caret_ = selection.caret();
    news.caret = caret_;
  }
  const TextRange now{selection.start(), selection.end()};
  const bool bothEmpty = now.begin == now.end && selection_.begin == selection_.end;
  if (now != selection_ && !bothEmpty) {
    news.selection = now;
  }
  selection_ = now;
  return news;
}

}  // namespace zor
