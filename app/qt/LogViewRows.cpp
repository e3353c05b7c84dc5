#include "app/qt/LogViewRows.h"

#include <QFontMetrics>
#include <QTextOption>

#include <algorithm>

namespace zor {

namespace {

// How far back from a piece's nominal end a blank is looked for.
constexpr std::size_t kBlankReach = 64;
// Pieces kept laid out: a screenful and more.
constexpr std::size_t kCachedPieces = 256;

bool isHighSurrogate(char16_t c) { return c >= 0xD800 && c < 0xDC00; }
bool isLowSurrogate(char16_t c) { return c >= 0xDC00 && c < 0xE000; }

}  // namespace

void LogViewRows::setFormat(const QFont& font, QPaintDevice* device, int width) {
  font_ = font;
  device_ = device;
  width_ = std::max(width, 1);
  rowHeight_ = std::max(QFontMetrics(font, device).lineSpacing(), 1);
  cache_.clear();
}

std::size_t LogViewRows::pieceCount(std::size_t line) const {
  const std::size_t length = log_->lineEnd(line) - log_->lineStart(line);
  return length == 0 ? 1 : (length - 1) / kPieceLength + 1;
}

// A piece starts after the last blank shortly before its nominal start, or
// there if there is none, but never between the two halves of a surrogate
// pair.
std::size_t LogViewRows::adjustedBoundary(std::size_t line, std::size_t at) const {
  const std::u16string& text = log_->text();
  const std::size_t start = log_->lineStart(line);
  for (std::size_t i = at; i > at - kBlankReach && i > start; --i) {
    if (text[i - 1] == u' ') {
      return i;
    }
  }
  return isHighSurrogate(text[at - 1]) && isLowSurrogate(text[at]) ? at - 1 : at;
}

std::size_t LogViewRows::pieceBegin(std::size_t line, std::size_t piece) const {
  const std::size_t start = log_->lineStart(line);
  return piece == 0 ? start : adjustedBoundary(line, start + piece * kPieceLength);
}

std::size_t LogViewRows::pieceEnd(std::size_t line, std::size_t piece) const {
  return piece + 1 < pieceCount(line) ? pieceBegin(line, piece + 1) : log_->lineEnd(line);
}

std::size_t LogViewRows::pieceOf(std::size_t line, std::size_t position) const {
  const std::size_t count = pieceCount(line);
  const std::size_t piece = std::min((position - log_->lineStart(line)) / kPieceLength, count - 1);
  // A boundary moves back, never forward, from its nominal place.
  return piece + 1 < count && position >= pieceBegin(line, piece + 1) ? piece + 1 : piece;
}

std::shared_ptr<const LaidOutPiece> LogViewRows::piece(std::size_t line, std::size_t piece) {
  const std::size_t begin = pieceBegin(line, piece);
  const std::size_t end = pieceEnd(line, piece);
  for (const auto& cached : cache_) {
    if (cached->begin == begin && cached->end == end) {
      return cached;
    }
  }
  if (cache_.size() >= kCachedPieces) {
    cache_.erase(cache_.begin(), cache_.begin() + kCachedPieces / 2);
  }
  auto laidOut = std::make_shared<LaidOutPiece>();
  laidOut->begin = begin;
  laidOut->end = end;
  QTextLayout& layout = laidOut->layout;
  layout.setText(QString(reinterpret_cast<const QChar*>(log_->text().data() + begin),
                         static_cast<qsizetype>(end - begin)));
  layout.setFont(font_);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  layout.setCacheEnabled(true);
  layout.beginLayout();
  for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
    row.setLineWidth(width_);
    row.setPosition(QPointF(0, (layout.lineCount() - 1) * rowHeight_));
  }
  layout.endLayout();
  cache_.push_back(laidOut);
  return laidOut;
}

RowSpot LogViewRows::spotOf(std::size_t position) {
  const std::size_t line = log_->lineOf(std::min(position, log_->text().size()));
  position = std::min(position, log_->lineEnd(line));
  const std::size_t index = pieceOf(line, position);
  const auto laidOut = piece(line, index);
  const QTextLine row =
      laidOut->layout.lineForTextPosition(static_cast<int>(position - laidOut->begin));
  return RowSpot{line, index, row.isValid() ? row.lineNumber() : laidOut->rows() - 1};
}

RowSpot LogViewRows::moved(RowSpot spot, long rows) {
  spot.row = std::min(spot.row, piece(spot)->rows() - 1);
  while (rows > 0) {
    const int below = piece(spot)->rows() - 1 - spot.row;
    if (rows <= below) {
      spot.row += static_cast<int>(rows);
      return spot;
    }
    if (spot.piece + 1 < pieceCount(spot.line)) {
      ++spot.piece;
    } else if (spot.line + 1 < log_->lineCount()) {
      ++spot.line;
      spot.piece = 0;
    } else {
      spot.row += below;
      return spot;
    }
    rows -= below + 1;
    spot.row = 0;
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
    spot.row = piece(spot)->rows() - 1;
  }
  return spot;
}

RowSpot LogViewRows::lastRow() {
  const std::size_t line = log_->lineCount() - 1;
  const std::size_t last = pieceCount(line) - 1;
  return RowSpot{line, last, piece(line, last)->rows() - 1};
}

std::size_t LogViewRows::positionAt(const RowSpot& spot, qreal x) {
  const auto laidOut = piece(spot);
  const QTextLine row = laidOut->layout.lineAt(std::min(spot.row, laidOut->rows() - 1));
  int offset = row.xToCursor(x);
  // Past the end of a wrapped row is its last place, not the next row's first.
  if (row.lineNumber() + 1 < laidOut->rows() && offset >= row.textStart() + row.textLength() &&
      offset > row.textStart()) {
    offset = row.textStart() + row.textLength() - 1;
  }
  return laidOut->begin + static_cast<std::size_t>(offset);
}

qreal LogViewRows::xOf(std::size_t position) {
  const RowSpot spot = spotOf(position);
  const auto laidOut = piece(spot);
  const std::size_t clamped = std::min(position, laidOut->end);
  return laidOut->layout.lineAt(spot.row).cursorToX(static_cast<int>(clamped - laidOut->begin));
}

}  // namespace zor
