#include "app/logview/CaretEvents.h"

namespace zor {

CaretNews CaretEvents::update(const LogSelection& selection, bool focused) {
  CaretNews news;
  if (selection.caret() != caret_ && focused) {
    news.caret = selection.caret();
  }
  caret_ = selection.caret();
  const TextRange now{selection.start(), selection.end()};
  const bool bothEmpty = now.begin == now.end && selection_.begin == selection_.end;
  if (now != selection_ && !bothEmpty) {
    news.selection = now;
  }
  selection_ = now;
  return news;
}

}  // namespace zor
