#include "app/qt/LogViewRows.h"

#include <QFontMetrics>
#include <QTextOption>

#include <algorithm>

namespace zor {

void LogViewRows::setFormat(const QFont& font, QPaintDevice* device, int width) {
  font_ = font;
  device_ = device;
  width_ = std::max(width, 1);
  rowHeight_ = std::max(QFontMetrics(font, device).lineSpacing(), 1);
  forget();
}

std::shared_ptr<const LaidOutPiece> LogViewRows::layOut(std::size_t begin, std::size_t end) {
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
  return laidOut;
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
