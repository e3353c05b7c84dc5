#pragma once

#include "interpreter/Log.h"

#include <compare>
#include <cstddef>

namespace zor {

// A row of the log view: the row-th wrapped row of a piece of a line. A line
// is laid out in pieces of a bounded length, so that no line, however long,
// is ever laid out whole; a piece ends after a blank where one is near.
struct RowSpot {
  std::size_t line = 0;
  std::size_t piece = 0;
  int row = 0;

  auto operator<=>(const RowSpot&) const = default;
};

// Cuts the log's lines into pieces and walks the rows they wrap into. How a
// piece wraps is the front-end's to say: it lays the piece out in its font
// at the view's width.
class LogRows {
 public:
  // Longest piece laid out at once, in characters.
  static constexpr std::size_t kPieceLength = 1024;

  virtual ~LogRows() = default;

  void setLog(const Log& log) { log_ = &log; }

  std::size_t pieceCount(std::size_t line) const;
  std::size_t pieceBegin(std::size_t line, std::size_t piece) const;
  std::size_t pieceEnd(std::size_t line, std::size_t piece) const;
  std::size_t pieceOf(std::size_t line, std::size_t position) const;

  // Moves to the first row of the next piece, the next line's first one
  // after a line's last; false, and the spot left as it is, at the end.
  bool toNextPiece(RowSpot& spot) const;

  // The row that shows the caret at `position`.
  RowSpot spotOf(std::size_t position);
  // `rows` rows further down (or up when negative), stopping at the first
  // and the last row.
  RowSpot moved(RowSpot spot, long rows);
  RowSpot lastRow();
  // The first row on screen when the last row is at the bottom: as far down
  // as a view of `rowsOnScreen` rows goes.
  RowSpot lastTop(int rowsOnScreen);
  // The scroll bar counts lines; a last screen that starts inside a line is
  // one step further than the line's start.
  static std::size_t lastScrollLine(const RowSpot& lastTop) {
    return lastTop.line + (lastTop.piece != 0 || lastTop.row != 0 ? 1 : 0);
  }

 protected:
  // How many rows the piece wraps into, at least one.
  virtual int rowsIn(std::size_t line, std::size_t piece) = 0;
  // The row of the piece that shows the caret at `position`, inside it.
  virtual int rowOf(std::size_t line, std::size_t piece, std::size_t position) = 0;

  const Log* log_ = nullptr;

 private:
  std::size_t adjustedBoundary(std::size_t line, std::size_t at) const;
};

}  // namespace zor
