#include "app/qt/LogViewMetrics.h"

#include <QFontMetrics>
#include <QGlyphRun>
#include <QPainter>
#include <QTextOption>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zor {

namespace {

// Wider than any piece, which is of bounded length.
constexpr qreal kUnbroken = 1e7;

std::unique_ptr<QTextLayout> unbrokenRow(std::u16string_view text, const QFont& font) {
  auto layout = std::make_unique<QTextLayout>(
      QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size())),
      font);
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  option.setTextDirection(Qt::LeftToRight);
  layout->setTextOption(option);
  layout->setCacheEnabled(true);
  layout->beginLayout();
  QTextLine row = layout->createLine();
  row.setLineWidth(kUnbroken);
  row.setPosition(QPointF(0, 0));
  layout->endLayout();
  return layout;
}

// The right edge of each character in the unbroken row.
std::vector<int> edgesOf(const QTextLayout& layout) {
  const QTextLine row = layout.lineAt(0);
  std::vector<int> edges(static_cast<std::size_t>(layout.text().size()));
  for (std::size_t i = 0; i < edges.size(); ++i) {
    edges[i] = static_cast<int>(std::lround(row.cursorToX(static_cast<int>(i + 1))));
  }
  return edges;
}

}  // namespace

QtLaidOutPiece::QtLaidOutPiece(std::size_t first, std::u16string_view text, const QFont& font,
                               int width)
    : QtLaidOutPiece(first, text, unbrokenRow(text, font), width) {}

QtLaidOutPiece::QtLaidOutPiece(std::size_t first, std::u16string_view text,
                               std::unique_ptr<QTextLayout> layout, int width)
    : WrappedPiece(first, drawnText(text), edgesOf(*layout), width), layout_(std::move(layout)) {}

void QtLaidOutPiece::draw(QPainter& painter, QPointF at, int row, std::size_t from,
                          std::size_t to) const {
  const QPointF origin(at.x() - left(rowBegin(row)), at.y());
  for (const QGlyphRun& run :
       layout_->glyphRuns(static_cast<int>(from), static_cast<int>(to - from))) {
    painter.drawGlyphRun(origin, run);
  }
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
  return std::make_shared<const QtLaidOutPiece>(begin, text, font_, width);
}

}  // namespace zor
