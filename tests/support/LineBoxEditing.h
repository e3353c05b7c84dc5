#pragma once

#include "app/InputLine.h"

#include <algorithm>

namespace zor::test {

// The plain editing of a one-line box, for the keys the line leaves to it.
inline LineBox edit(LineBox box, LineKey key) {
  const std::size_t caret = box.end;
  const bool selected = box.start != box.end;
  switch (key) {
    case LineKey::Left:
      box.end = selected ? box.start : (caret > 0 ? caret - 1 : 0);
      break;
    case LineKey::Right:
      box.end = selected ? box.end : std::min(caret + 1, box.text.size());
      break;
    case LineKey::Home:
      box.end = 0;
      break;
    case LineKey::End:
      box.end = box.text.size();
      break;
    case LineKey::Backspace:
    case LineKey::Delete:
      if (selected) {
        box.text.erase(box.start, box.end - box.start);
        box.end = box.start;
      } else if (key == LineKey::Backspace && caret > 0) {
        box.text.erase(--box.end, 1);
      } else if (key == LineKey::Delete && caret < box.text.size()) {
        box.text.erase(caret, 1);
      }
      break;
    default:
      break;
  }
  box.start = box.end;
  return box;
}

// A character typed into the box in place of the selection.
inline LineBox typeInto(LineBox box, char16_t c) {
  box.text.replace(box.start, box.end - box.start, 1, c);
  box.start = box.end = box.start + 1;
  return box;
}

}  // namespace zor::test
