#include "app/qt/LogViewMetrics.h"

#include <QFontMetrics>
#include <QTextOption>

#include <algorithm>
#include <cmath>

namespace zor {

QtLaidOutPiece::QtLaidOutPiece(std::size_t first, const QString& text, const QFont& font, int width,
                               int rowHeight)
    : LaidOutPiece(first, first + static_cast<std::size_t>(text.size())) {
  layout_.setText(text);
  layout_.setFont(font);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout_.setTextOption(option);
  layout_.setCacheEnabled(true);
  layout_.beginLayout();
  for (QTextLine row = layout_.createLine(); row.isValid(); row = layout_.createLine()) {
    row.setLineWidth(width);
    row.setPosition(QPointF(0, (layout_.lineCount() - 1) * rowHeight));
  }
  layout_.endLayout();
}

int QtLaidOutPiece::rowOf(std::size_t offset) const {
  const QTextLine row = layout_.lineForTextPosition(static_cast<int>(offset));
  return row.isValid() ? row.lineNumber() : rows() - 1;
}

int QtLaidOutPiece::xOf(std::size_t offset) const {
  const int position = static_cast<int>(offset);
  return static_cast<int>(std::lround(layout_.lineAt(rowOf(offset)).cursorToX(position)));
}

std::size_t QtLaidOutPiece::offsetAt(int row, int x) const {
  const QTextLine line = layout_.lineAt(std::clamp(row, 0, rows() - 1));
  int offset = line.xToCursor(x);
  // Past the end of a wrapped row is its last place, not the next row's first.
  if (line.lineNumber() + 1 < rows() && offset >= line.textStart() + line.textLength() &&
      offset > line.textStart()) {
    offset = line.textStart() + line.textLength() - 1;
  }
  return static_cast<std::size_t>(offset);
}

void LogViewMetrics::setFont(const QFont& font, QPaintDevice* device) {
  font_ = font;
  const QFontMetrics metrics(font, device);
  rowHeight_ = std::max(metrics.lineSpacing(), 1);
  blankWidth_ = std::max(metrics.horizontalAdvance(QLatin1Char(' ')), 1);
}

std::shared_ptr<const LaidOutPiece> LogViewMetrics::layOut(std::size_t begin,
                                                           std::u16string_view text,
                                                           int width) const {
  return std::make_shared<QtLaidOutPiece>(
      begin,
      QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size())),
      font_, width, rowHeight_);
}

}  // namespace zor
