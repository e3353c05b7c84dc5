#pragma once

#include "interpreter/Log.h"

#include <QFont>
#include <QTextLayout>

#include <compare>
#include <cstddef>
#include <memory>
#include <vector>

class QPaintDevice;

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

// One laid-out piece: the log's characters [begin, end), wrapped into rows
// of one height each.
struct LaidOutPiece {
  std::size_t begin = 0;
  std::size_t end = 0;
  QTextLayout layout;

  int rows() const { return layout.lineCount(); }
};

// Wraps the log's lines at a width, laying out only the pieces asked for
// and keeping the last few of them.
class LogViewRows {
 public:
  // Longest piece laid out at once, in characters.
  static constexpr std::size_t kPieceLength = 1024;

  void setLog(const Log& log) { log_ = &log; }
  void setFormat(const QFont& font, QPaintDevice* device, int width);
  // The log was replaced or cut back: pieces laid out before may be stale.
  void forget() { cache_.clear(); }

  int rowHeight() const { return rowHeight_; }

  std::size_t pieceCount(std::size_t line) const;
  std::size_t pieceBegin(std::size_t line, std::size_t piece) const;
  std::size_t pieceEnd(std::size_t line, std::size_t piece) const;
  std::shared_ptr<const LaidOutPiece> piece(std::size_t line, std::size_t piece);
  std::shared_ptr<const LaidOutPiece> piece(const RowSpot& spot) {
    return piece(spot.line, spot.piece);
  }

  // The row that shows the caret at `position`.
  RowSpot spotOf(std::size_t position);
  // `rows` rows further down (or up when negative), stopping at the first
  // and the last row.
  RowSpot moved(RowSpot spot, long rows);
  RowSpot lastRow();
  // The caret position nearest to `x` in the row.
  std::size_t positionAt(const RowSpot& spot, qreal x);
  qreal xOf(std::size_t position);

 private:
  std::size_t pieceOf(std::size_t line, std::size_t position) const;
  std::size_t adjustedBoundary(std::size_t line, std::size_t at) const;

  const Log* log_ = nullptr;
  QFont font_;
  QPaintDevice* device_ = nullptr;
  int width_ = 1;
  int rowHeight_ = 1;
  std::vector<std::shared_ptr<LaidOutPiece>> cache_;
};

}  // namespace zor
