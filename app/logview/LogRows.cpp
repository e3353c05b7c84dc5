#include "app/logview/LogRows.h"

#include "platform/Surrogates.h"

#include <algorithm>

namespace zor {

namespace {

// How far back from a piece's nominal end a blank is looked for.
constexpr std::size_t kBlankReach = 64;

}  // namespace

std::size_t LogRows::pieceCount(std::size_t line) const {
  const std::size_t length = log_->lineEnd(line) - log_->lineStart(line);
  return length == 0 ? 1 : (length - 1) / kPieceLength + 1;
}

// A piece starts after the last blank shortly before its nominal start, or
// there if there is none, but never between the two halves of a surrogate
// pair.
std::size_t LogRows::adjustedBoundary(std::size_t line, std::size_t at) const {
  const std::u16string& text = log_->text();
  const std::size_t start = log_->lineStart(line);
  for (std::size_t i = at; i > at - kBlankReach && i > start; --i) {
    if (text[i - 1] == u' ') {
      return i;
    }
  }
  return startsSurrogatePair(text, at - 1) ? at - 1 : at;
}

std::size_t LogRows::pieceBegin(std::size_t line, std::size_t piece) const {
  const std::size_t start = log_->lineStart(line);
  return piece == 0 ? start : adjustedBoundary(line, start + piece * kPieceLength);
}

std::size_t LogRows::pieceEnd(std::size_t line, std::size_t piece) const {
  return piece + 1 < pieceCount(line) ? pieceBegin(line, piece + 1) : log_->lineEnd(line);
}

std::size_t LogRows::pieceOf(std::size_t line, std::size_t position) const {
  const std::size_t count = pieceCount(line);
  const std::size_t piece = std::min((position - log_->lineStart(line)) / kPieceLength, count - 1);
  // A boundary moves back, never forward, from its nominal place.
  return piece + 1 < count && position >= pieceBegin(line, piece + 1) ? piece + 1 : piece;
}

bool LogRows::toNextPiece(RowSpot& spot) const {
  if (spot.piece + 1 < pieceCount(spot.line)) {
    spot = RowSpot{spot.line, spot.piece + 1, 0};
  } else if (spot.line + 1 < log_->lineCount()) {
    spot = RowSpot{spot.line + 1, 0, 0};
  } else {
    return false;
  }
  return true;
}

RowSpot LogRows::spotOf(std::size_t position) {
  const std::size_t line = log_->lineOf(std::min(position, log_->text().size()));
  position = std::min(position, log_->lineEnd(line));
  const std::size_t piece = pieceOf(line, position);
  return RowSpot{line, piece, rowOf(line, piece, position)};
}

RowSpot LogRows::moved(RowSpot spot, long rows) {
  // A spot taken before the log was rewritten may lie past its new end.
  if (spot.line >= log_->lineCount()) {
    spot = RowSpot{log_->lineCount() - 1, 0, 0};
  }
  spot.piece = std::min(spot.piece, pieceCount(spot.line) - 1);
  spot.row = std::min(spot.row, rowsIn(spot.line, spot.piece) - 1);
  while (rows > 0) {
    const int below = rowsIn(spot.line, spot.piece) - 1 - spot.row;
    if (rows <= below) {
      spot.row += static_cast<int>(rows);
      return spot;
    }
    if (!toNextPiece(spot)) {
      spot.row += below;
      return spot;
    }
    rows -= below + 1;
  }
  while (rows < 0) {
    if (-rows <= spot.row) {
      spot.row += static_cast<int>(rows);
      return spot;
    }
    if (spot.piece > 0) {
      --spot.piece;
    } else if (spot.line > 0) {
      --spot.line;
      spot.piece = pieceCount(spot.line) - 1;
    } else {
      spot.row = 0;
      return spot;
    }
    rows += spot.row + 1;
    spot.row = rowsIn(spot.line, spot.piece) - 1;
  }
  return spot;
}

RowSpot LogRows::lastRow() {
  const std::size_t line = log_->lineCount() - 1;
  const std::size_t last = pieceCount(line) - 1;
  return RowSpot{line, last, rowsIn(line, last) - 1};
}

RowSpot LogRows::lastTop(int rowsOnScreen) { return moved(lastRow(), -(rowsOnScreen - 1)); }

}  // namespace zor
