#include "app/logview/WrappedPiece.h"

#include "platform/Surrogates.h"

#include <algorithm>

namespace zor {

WrappedPiece::WrappedPiece(std::size_t first, std::u16string text, std::vector<int> edges,
                           int width)
    : LaidOutPiece(first, first + text.size()), text_(std::move(text)), edges_(std::move(edges)) {
  edges_.resize(text_.size(), edges_.empty() ? 0 : edges_.back());
  const std::size_t size = text_.size();
  for (std::size_t i = 0; i < size; ++i) {
    if (startsSurrogatePair(text_, i)) {
      edges_[i] = edges_[i + 1];
    }
    edges_[i] = std::max(edges_[i], i == 0 ? 0 : edges_[i - 1]);
  }
  std::size_t rowStart = 0;
  while (true) {
    rowStarts_.push_back(rowStart);
    const int limit = left(rowStart) + std::max(width, 1);
    std::size_t fit = static_cast<std::size_t>(
        std::upper_bound(edges_.begin() + static_cast<std::ptrdiff_t>(rowStart), edges_.end(),
                         limit) -
        edges_.begin());
    while (fit < size && text_[fit] == u' ') {
      ++fit;
    }
    if (fit >= size) {
      return;
    }
    std::size_t cut = fit;
    while (cut > rowStart && text_[cut - 1] != u' ') {
      --cut;
    }
    if (cut == rowStart) {
      cut = std::max(fit, rowStart + 1);
      if (startsSurrogatePair(text_, cut - 1)) {
        cut = cut - 1 > rowStart ? cut - 1 : cut + 1;
      }
    }
    if (cut >= size) {
      return;
    }
    rowStart = cut;
  }
}

std::u16string WrappedPiece::drawnText(std::u16string_view text) {
  std::u16string drawn(text);
  for (char16_t& c : drawn) {
    if (c < u' ' || c == u'\x7F') {
      c = u' ';
    }
  }
  return drawn;
}

std::size_t WrappedPiece::rowEnd(int row) const {
  return row + 1 < rows() ? rowBegin(row + 1) : text_.size();
}

int WrappedPiece::rowOf(std::size_t offset) const {
  return static_cast<int>(std::upper_bound(rowStarts_.begin(), rowStarts_.end(), offset) -
                          rowStarts_.begin()) -
         1;
}

int WrappedPiece::xOf(std::size_t offset) const {
  offset = std::min(offset, text_.size());
  return left(offset) - left(rowBegin(rowOf(offset)));
}

std::size_t WrappedPiece::offsetAt(int row, int x) const {
  row = std::clamp(row, 0, rows() - 1);
  const std::size_t first = rowBegin(row);
  const std::size_t last = rowEnd(row);
  const int base = left(first);
  std::size_t offset = first;
  // Past a character's middle is after it; a point far right, such as the
  // end of a row asked for at INT_MAX / 2, doubles without overflow.
  const long long doubled = 2 * (static_cast<long long>(x) + base);
  while (offset < last && doubled >= static_cast<long long>(left(offset)) + edges_[offset]) {
    ++offset;
  }
  if (row + 1 < rows() && offset == last && offset > first) {
    --offset;
  }
  if (offset > first && startsSurrogatePair(text_, offset - 1)) {
    --offset;
  }
  return offset;
}

}  // namespace zor
