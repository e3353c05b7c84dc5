#pragma once

#include "app/logview/LogRows.h"
#include "app/logview/TextMetrics.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace zor {

// Log rows over pieces laid out by the front-end's metrics at a width,
// keeping the last few laid out.
class LaidOutRows final : public LogRows {
 public:
  explicit LaidOutRows(const TextMetrics& metrics) : metrics_(&metrics) {}

  // The log was replaced or cut back, or the font or the width changed:
  // pieces laid out before may be stale.
  void setWidth(int width);
  void forget() { cache_.clear(); }

  int rowHeight() const;
  const TextMetrics& metrics() const { return *metrics_; }

  std::shared_ptr<const LaidOutPiece> piece(std::size_t line, std::size_t index);
  std::shared_ptr<const LaidOutPiece> piece(const RowSpot& spot) {
    return piece(spot.line, spot.piece);
  }

  // The caret position nearest to `x` in the row, and where the caret at
  // `position` stands in its row.
  std::size_t positionAt(const RowSpot& spot, int x);
  int xOf(std::size_t position);

 protected:
  int rowsIn(std::size_t line, std::size_t index) override { return piece(line, index)->rows(); }
  int rowOf(std::size_t line, std::size_t index, std::size_t position) override;

 private:
  // Pieces kept laid out: a screenful and more.
  static constexpr std::size_t kCachedPieces = 256;

  const TextMetrics* metrics_;
  int width_ = 1;
  std::vector<std::shared_ptr<const LaidOutPiece>> cache_;
};

}  // namespace zor
