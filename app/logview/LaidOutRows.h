#pragma once

#include "app/logview/LogRows.h"
#include "app/logview/TextMetrics.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace zor {

// Log rows over pieces laid out by the front-end's metrics at a width,
// keeping the last few hundred laid out.
class LaidOutRows final : public LogRows {
 public:
  explicit LaidOutRows(const TextMetrics& metrics) : metrics_(&metrics) {}

  // The log was replaced or cut back, or the font or the width changed:
  // pieces laid out before may be stale.
  void setWidth(int width);
  void forget();

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
  using Pieces = std::vector<std::shared_ptr<const LaidOutPiece>>;

  // Pieces kept laid out in each of two generations, a screenful and more:
  // when the newer is full it becomes the older and the older is dropped.
  static constexpr std::size_t kPiecesPerGeneration = 128;

  // The piece [begin, end) in pieces sorted by their begin and end.
  static Pieces::const_iterator find(const Pieces& pieces, std::size_t begin, std::size_t end);

  const TextMetrics* metrics_;
  int width_ = 1;
  Pieces newer_;
  Pieces older_;
  std::shared_ptr<const LaidOutPiece> last_;  // the piece asked for last, asked again most
};

}  // namespace zor
