#include "app/logview/LaidOutRows.h"

#include <algorithm>
#include <string_view>

namespace zor {

void LaidOutRows::setWidth(int width) {
  width_ = std::max(width, 1);
  forget();
}

int LaidOutRows::rowHeight() const { return std::max(metrics_->rowHeight(), 1); }

std::shared_ptr<const LaidOutPiece> LaidOutRows::piece(std::size_t line, std::size_t index) {
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
  cache_.push_back(metrics_->layOut(
      begin, std::u16string_view(log_->text()).substr(begin, end - begin), width_));
  return cache_.back();
}

int LaidOutRows::rowOf(std::size_t line, std::size_t index, std::size_t position) {
  const auto laidOut = piece(line, index);
  return laidOut->rowOf(position - laidOut->begin);
}

std::size_t LaidOutRows::positionAt(const RowSpot& spot, int x) {
  const auto laidOut = piece(spot);
  return laidOut->begin + laidOut->offsetAt(std::min(spot.row, laidOut->rows() - 1), x);
}

int LaidOutRows::xOf(std::size_t position) {
  const auto laidOut = piece(spotOf(position));
  return laidOut->xOf(std::min(position, laidOut->end) - laidOut->begin);
}

}  // namespace zor
