#include "app/logview/LaidOutRows.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace zor {

void LaidOutRows::setWidth(int width) {
  width_ = std::max(width, 1);
  forget();
}

int LaidOutRows::rowHeight() const { return std::max(metrics_->rowHeight(), 1); }

void LaidOutRows::forget() {
  newer_.clear();
  older_.clear();
  last_.reset();
}

LaidOutRows::Pieces::const_iterator LaidOutRows::find(const Pieces& pieces, std::size_t begin,
                                                      std::size_t end) {
  return std::lower_bound(pieces.begin(), pieces.end(), std::pair(begin, end),
                          [](const auto& piece, const std::pair<std::size_t, std::size_t>& key) {
                            return std::pair(piece->begin, piece->end) < key;
                          });
}

std::shared_ptr<const LaidOutPiece> LaidOutRows::piece(std::size_t line, std::size_t index) {
  const std::size_t begin = pieceBegin(line, index);
  const std::size_t end = pieceEnd(line, index);
  if (last_ && last_->begin == begin && last_->end == end) {
    return last_;
  }
  for (const Pieces* pieces : {&newer_, &older_}) {
    const auto found = find(*pieces, begin, end);
    if (found != pieces->end() && (*found)->begin == begin && (*found)->end == end) {
      last_ = *found;
      return last_;
    }
  }
  if (newer_.size() >= kPiecesPerGeneration) {
    older_ = std::move(newer_);
    newer_.clear();
  }
  auto laidOut =
      metrics_->layOut(begin, std::u16string_view(log_->text()).substr(begin, end - begin), width_);
  newer_.insert(find(newer_, begin, end), laidOut);
  last_ = laidOut;
  return last_;
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
