#pragma once

#include "app/logview/LogRows.h"

#include <cstddef>
#include <memory>
#include <vector>

namespace zor {

// Log rows over pieces that a front-end lays out in its own font and
// width, keeping the last few laid out. A Piece holds the log's characters
// [begin, end), says how many rows it wraps into, rows(), and in which row
// the caret at an offset into it stands, rowOf().
template <class Piece>
class LaidOutRows : public LogRows {
 public:
  // The log was replaced or cut back, or the font or the width changed:
  // pieces laid out before may be stale.
  void forget() { cache_.clear(); }

  int rowHeight() const { return rowHeight_; }

  std::shared_ptr<const Piece> piece(std::size_t line, std::size_t index) {
    const std::size_t begin = pieceBegin(line, index);
    const std::size_t end = pieceEnd(line, index);
    for (const auto& cached : cache_) {
      if (cached->begin == begin && cached->end == end) {
        return cached;
      }
    }
    if (cache_.size() >= kCachedPieces) {
      cache_.erase(cache_.begin(), cache_.begin() + kCachedPieces / 2);
    }
    cache_.push_back(layOut(begin, end));
    return cache_.back();
  }
  std::shared_ptr<const Piece> piece(const RowSpot& spot) { return piece(spot.line, spot.piece); }

 protected:
  virtual std::shared_ptr<const Piece> layOut(std::size_t begin, std::size_t end) = 0;

  int rowsIn(std::size_t line, std::size_t index) override { return piece(line, index)->rows(); }
  int rowOf(std::size_t line, std::size_t index, std::size_t position) override {
    const auto laidOut = piece(line, index);
    return laidOut->rowOf(position - laidOut->begin);
  }

  int rowHeight_ = 1;

 private:
  // Pieces kept laid out: a screenful and more.
  static constexpr std::size_t kCachedPieces = 256;

  std::vector<std::shared_ptr<const Piece>> cache_;
};

}  // namespace zor
