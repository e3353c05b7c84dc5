#pragma once

#include "app/logview/LogViewModel.h"

#include <compare>
#include <vector>

namespace zor {

// Pixel rows [top, bottom) across the whole view.
struct RowBand {
  int top = 0;
  int bottom = 0;

  bool empty() const { return top >= bottom; }
  auto operator<=>(const RowBand&) const = default;
};

// How to bring a drawing kept between paints up to date: move it `moved`
// pixels down (up when negative), then draw `stale` again.
struct Redraw {
  int moved = 0;
  RowBand stale;

  auto operator<=>(const Redraw&) const = default;
};

// What a view that keeps its drawing between paints has drawn, so that a
// change draws only what it changed: a line added at the bottom moves the
// rows up one and draws one row. Rows are drawn in the view's text area,
// below its top margin, and only that moves. A piece counts as drawn where
// it was drawn looking the same (its selection, its matches) and is in the
// text area in both places; everything else is stale.
class DrawnScreen {
 public:
  // The drawing is lost, or the size, the font or the colours changed:
  // everything is stale.
  void forget() { known_ = false; }

  // `now` is on screen from here on, in rows `rowHeight` pixels high, in
  // the text area from `top` to `height`, the view's height. The band
  // returned is what this change made stale; the text area's drawing should
  // move at once, and what is stale may be drawn later.
  Redraw update(std::vector<PieceOnScreen> now, int rowHeight, int top, int height);
  // All that is stale since the last drawn(): draw it, then call drawn().
  const RowBand& stale() const { return stale_; }
  void drawn() { stale_ = RowBand{}; }

 private:
  std::vector<PieceOnScreen> drawn_;
  RowBand stale_;
  bool known_ = false;
};

}  // namespace zor
