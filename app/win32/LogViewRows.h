#pragma once

#include "app/LogRows.h"
#include "app/WrappedPiece.h"

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

namespace zor {

// One laid-out piece: the log's characters [begin, end) as drawn, wrapped
// into rows of one height each.
struct LaidOutPiece {
  std::size_t begin = 0;
  std::size_t end = 0;
  WrappedPiece wrapped;
};

// Wraps the log's lines at a width in a GDI font, measuring only the pieces
// asked for and keeping the last few of them.
class LogViewRows final : public LogRows {
 public:
  LogViewRows();
  ~LogViewRows() override;
  LogViewRows(const LogViewRows&) = delete;
  LogViewRows& operator=(const LogViewRows&) = delete;

  void setFormat(HFONT font, int width);
  // The log was replaced or cut back: pieces laid out before may be stale.
  void forget() { cache_.clear(); }

  int rowHeight() const { return rowHeight_; }

  std::shared_ptr<const LaidOutPiece> piece(std::size_t line, std::size_t piece);
  std::shared_ptr<const LaidOutPiece> piece(const RowSpot& spot) {
    return piece(spot.line, spot.piece);
  }

  // The caret position nearest to `x` in the row.
  std::size_t positionAt(const RowSpot& spot, int x);
  int xOf(std::size_t position);

 protected:
  int rowsIn(std::size_t line, std::size_t piece) override;
  int rowOf(std::size_t line, std::size_t piece, std::size_t position) override;

 private:
  HDC measure_;
  HGDIOBJ plainFont_;
  int width_ = 1;
  int rowHeight_ = 1;
  std::vector<std::shared_ptr<LaidOutPiece>> cache_;
};

}  // namespace zor
