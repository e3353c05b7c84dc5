#pragma once

#include "app/logview/TextMetrics.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zor {

// One piece of a log line wrapped into rows at a width: the one row rule of
// every window. A front-end measures the piece in its font and gives the
// right edge of every character as laid out in one unbroken row; this cuts
// the rows from those edges. A row ends after a blank where one fits, else
// after as many characters as fit (at least one), never inside a surrogate
// pair; blanks at a row's end may reach past the width. The piece holds the
// log's characters from `first` on. A front-end's piece derives from this
// to keep what it draws with.
class WrappedPiece : public LaidOutPiece {
 public:
  // Edges that step back (right-to-left text in a left-to-right row) count
  // as the furthest one before them, and a pair's whole width is on its
  // first half, however the toolkit splits it.
  WrappedPiece(std::size_t first, std::u16string text, std::vector<int> edges, int width);

  // The piece as it is drawn: tabs, NUL and other control characters are
  // blanks, so that every character keeps its place.
  static std::u16string drawnText(std::u16string_view text);

  const std::u16string& text() const { return text_; }
  int rows() const override { return static_cast<int>(rowStarts_.size()); }
  std::size_t rowBegin(int row) const { return rowStarts_[static_cast<std::size_t>(row)]; }
  std::size_t rowEnd(int row) const;
  // Left edge of the character at `offset`, counted from the piece's start.
  int left(std::size_t offset) const { return offset == 0 ? 0 : edges_[offset - 1]; }
  // The row that shows the caret at `offset`: a row's end is the next row's
  // start.
  int rowOf(std::size_t offset) const override;
  // Where the caret at `offset` stands in its row.
  int xOf(std::size_t offset) const override;
  // The caret place in `row` nearest to `x`; past the end of a wrapped row
  // is its last place, not the next row's first.
  std::size_t offsetAt(int row, int x) const override;

 private:
  std::u16string text_;
  std::vector<int> edges_;
  std::vector<std::size_t> rowStarts_;
};

}  // namespace zor
