#pragma once

#include "app/logview/LogViewModel.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace zor {

// How a screen reader moves through the log, whatever window shows it: the
// unit at, before and after an offset, steps and moves by units, the unit
// that encloses an offset, and where a range stands on screen. Every
// boundary it gives is a caret place: never between the halves of a
// surrogate pair nor inside a line end; an offset given inside one counts
// as the place before it. Offsets past the end count as the end. Each call
// costs what the units it visits hold, whatever the log's size.
class TextNavigation {
 public:
  explicit TextNavigation(LogViewModel& model) : model_(model) {}

  // The caret place at or just before `offset`.
  std::size_t placeAt(std::size_t offset) const;

  // The unit holding `offset`; empty at the end of the log, but the whole
  // log for Document wherever it is asked.
  TextRange at(std::size_t offset, TextUnit unit);
  // The unit that ends where the one at `offset` starts; empty at the start.
  TextRange before(std::size_t offset, TextUnit unit);
  // The unit that starts where the one at `offset` ends; empty at the end.
  TextRange after(std::size_t offset, TextUnit unit);
  // The unit holding `offset`, the last one at the end of the log.
  TextRange enclosing(std::size_t offset, TextUnit unit);

  // Where the next unit after `offset` starts (the end of the log after
  // the last), or where the unit before it starts; `offset` itself when
  // there is none.
  std::size_t step(std::size_t offset, TextUnit unit, bool forward);
  // Moves `offset` by up to `count` units, back when negative; gives how
  // many it moved.
  int moveBy(std::size_t& offset, TextUnit unit, int count);
  // Moves a range by `count` units: an empty range as a place, any other
  // as the unit at its start, moved whole and never onto the empty end of
  // the log. Gives how many units it moved.
  int move(TextRange& range, TextUnit unit, int count);

  // The box of the character at `offset` when its row is on screen: as
  // wide as the character, a line end as wide as a blank; at the end of the
  // log, the caret's.
  std::optional<ViewBox> characterBox(std::size_t offset);
  // One box for the part of each row on screen that `range` covers, in
  // order; an empty range on screen gives the caret's.
  std::vector<ViewBox> boxes(TextRange range);

 private:
  std::size_t size() const;
  int widthOf(TextRange character) const;

  LogViewModel& model_;
};

}  // namespace zor
