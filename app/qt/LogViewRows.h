#pragma once

#include "app/LogRows.h"

#include <QFont>
#include <QTextLayout>

#include <cstddef>
#include <memory>
#include <vector>

class QPaintDevice;

namespace zor {

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
class LogViewRows final : public LogRows {
 public:
  void setFormat(const QFont& font, QPaintDevice* device, int width);
  // The log was replaced or cut back: pieces laid out before may be stale.
  void forget() { cache_.clear(); }

  int rowHeight() const { return rowHeight_; }

  std::shared_ptr<const LaidOutPiece> piece(std::size_t line, std::size_t piece);
  std::shared_ptr<const LaidOutPiece> piece(const RowSpot& spot) {
    return piece(spot.line, spot.piece);
  }

  // The caret position nearest to `x` in the row.
  std::size_t positionAt(const RowSpot& spot, qreal x);
  qreal xOf(std::size_t position);

 protected:
  int rowsIn(std::size_t line, std::size_t piece) override;
  int rowOf(std::size_t line, std::size_t piece, std::size_t position) override;

 private:
  QFont font_;
  QPaintDevice* device_ = nullptr;
  int width_ = 1;
  int rowHeight_ = 1;
  std::vector<std::shared_ptr<LaidOutPiece>> cache_;
};

}  // namespace zor
