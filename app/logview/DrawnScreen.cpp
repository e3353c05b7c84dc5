#include "app/logview/DrawnScreen.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

namespace zor {

namespace {

RowBand within(RowBand band, const RowBand& area) {
  const RowBand inside{std::max(band.top, area.top), std::min(band.bottom, area.bottom)};
  return inside.empty() ? RowBand{} : inside;
}

// The smallest band that holds both.
RowBand joined(const RowBand& one, const RowBand& other) {
  if (one.empty()) {
    return other;
  }
  if (other.empty()) {
    return one;
  }
  return RowBand{std::min(one.top, other.top), std::max(one.bottom, other.bottom)};
}

bool selectionsMatch(const PieceOnScreen& now, const PieceOnScreen& before) {
  const bool none = now.selectedFrom == now.selectedTo;
  if (none != (before.selectedFrom == before.selectedTo)) {
    return false;
  }
  return none || (now.selectedFrom == before.selectedFrom && now.selectedTo == before.selectedTo);
}

// Whether `now` looks as `before` did, `moved` pixels lower.
bool looksTheSame(const PieceOnScreen& now, const PieceOnScreen& before, int moved) {
  if (now.piece != before.piece || now.x != before.x || now.y != before.y + moved ||
      now.found != before.found || !selectionsMatch(now, before) ||
      now.selectedLineEnd.has_value() != before.selectedLineEnd.has_value()) {
    return false;
  }
  if (!now.selectedLineEnd) {
    return true;
  }
  ViewBox shifted = *before.selectedLineEnd;
  shifted.top += moved;
  return *now.selectedLineEnd == shifted;
}

constexpr int kBlank = -1;  // no piece shows there
constexpr int kNone = -2;   // no piece looked so before

// For each pixel row of a view `height` pixels high, the piece that shows
// there, or kBlank.
std::vector<int> owners(const std::vector<PieceOnScreen>& pieces, int rowHeight, int height) {
  std::vector<int> owner(static_cast<std::size_t>(std::max(height, 0)), kBlank);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    const int bottom = std::min(pieces[i].y + pieces[i].piece->rows() * rowHeight, height);
    for (int y = std::max(pieces[i].y, 0); y < bottom; ++y) {
      owner[static_cast<std::size_t>(y)] = static_cast<int>(i);
    }
  }
  return owner;
}

// How far the drawing moved: where the first piece still on screen went.
std::optional<int> movement(const std::vector<PieceOnScreen>& now,
                            const std::vector<PieceOnScreen>& before) {
  for (const PieceOnScreen& piece : now) {
    for (const PieceOnScreen& earlier : before) {
      if (earlier.piece == piece.piece) {
        return piece.y - earlier.y;
      }
    }
  }
  return std::nullopt;
}

}  // namespace

Redraw DrawnScreen::update(std::vector<PieceOnScreen> now, int rowHeight, int top, int height) {
  const RowBand area{top, height};
  // With no piece in both, nothing moved: what shows now is all new.
  const int moved = movement(now, drawn_).value_or(0);
  const std::vector<PieceOnScreen> before = std::exchange(drawn_, std::move(now));
  if (!known_ || std::abs(moved) >= height - top) {
    known_ = true;
    stale_ = RowBand{0, height};
    return Redraw{0, stale_};
  }
  // A pixel row is still drawn right after the move where it shows what
  // it showed before: blank then and now, or a piece that looks the same.
  std::vector<int> matches(drawn_.size(), kBlank);
  for (std::size_t i = 0; i < drawn_.size(); ++i) {
    const auto same = std::find_if(before.begin(), before.end(), [&](const PieceOnScreen& earlier) {
      return looksTheSame(drawn_[i], earlier, moved);
    });
    matches[i] = same == before.end() ? kNone : static_cast<int>(same - before.begin());
  }
  const std::vector<int> shownBefore = owners(before, rowHeight, height);
  const std::vector<int> shownNow = owners(drawn_, rowHeight, height);
  RowBand fresh;
  for (int y = top; y < height; ++y) {
    const int from = y - moved;
    const int owner = shownNow[static_cast<std::size_t>(y)];
    const bool kept = from >= top && from < height &&
                      shownBefore[static_cast<std::size_t>(from)] ==
                          (owner == kBlank ? kBlank : matches[static_cast<std::size_t>(owner)]);
    if (!kept) {
      fresh = joined(fresh, RowBand{y, y + 1});
    }
  }
  // What was stale before and not drawn yet moved along, but for the top
  // margin, which stays where it is.
  if (!stale_.empty()) {
    stale_ = joined(within(stale_, RowBand{0, top}),
                    within(RowBand{stale_.top + moved, stale_.bottom + moved}, area));
  }
  stale_ = joined(stale_, fresh);
  return Redraw{moved, fresh};
}

}  // namespace zor
