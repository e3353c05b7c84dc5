#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

namespace zor {

// A piece of a log line laid out by a front-end in its font at the view's
// width: the log's characters [begin, end), wrapped into rows of one height
// each. Offsets count from the piece's start; x from the left of its row.
class LaidOutPiece {
 public:
  LaidOutPiece(std::size_t first, std::size_t last) : begin(first), end(last) {}
  virtual ~LaidOutPiece() = default;

  // How many rows the piece wraps into, at least one.
  virtual int rows() const = 0;
  // The row that shows the caret at `offset`: a row's end is the next row's
  // start.
  virtual int rowOf(std::size_t offset) const = 0;
  // Where the caret at `offset` stands in its row.
  virtual int xOf(std::size_t offset) const = 0;
  // The caret place in `row` nearest to `x`; past the end of a wrapped row
  // is its last place, not the next row's first.
  virtual std::size_t offsetAt(int row, int x) const = 0;

  const std::size_t begin;
  const std::size_t end;
};

// What the log view needs of a front-end's font.
class TextMetrics {
 public:
  virtual ~TextMetrics() = default;

  virtual int rowHeight() const = 0;
  virtual int blankWidth() const = 0;
  // Lays out `text`, the log's characters from `begin` on, at `width`.
  virtual std::shared_ptr<const LaidOutPiece> layOut(std::size_t begin, std::u16string_view text,
                                                     int width) const = 0;
};

}  // namespace zor
