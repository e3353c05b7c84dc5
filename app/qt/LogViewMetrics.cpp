#include "app/qt/LogViewMetrics.h"

#include "platform/Surrogates.h"

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

// Characters whose glyphs may not stand one for one and in order: marks,
// right-to-left text and the controls of direction.
bool mayReorder(char32_t c) {
  switch (QChar::direction(c)) {
    case QChar::DirR:
    case QChar::DirAL:
    case QChar::DirAN:
    case QChar::DirLRE:
    case QChar::DirLRO:
    case QChar::DirRLE:
    case QChar::DirRLO:
    case QChar::DirPDF:
    case QChar::DirLRI:
    case QChar::DirRLI:
    case QChar::DirFSI:
    case QChar::DirPDI:
      return true;
    default:
      return QChar::isMark(c);
  }
}

// The left of each glyph of the unbroken row, left to right, when they
// stand one for one for its characters (a pair is one); empty otherwise.
std::vector<qreal> glyphLefts(const QTextLayout& layout, std::u16string_view text) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool pair = startsSurrogatePair(text, i);
    if (mayReorder(pair ? pairAt(text, i) : text[i])) {
      return {};
    }
    i += pair ? 1 : 0;
    ++characters;
  }
  std::vector<qreal> lefts;
  for (const QGlyphRun& run : layout.lineAt(0).glyphRuns()) {
    for (const QPointF& at : run.positions()) {
      lefts.push_back(at.x());
    }
  }
  if (lefts.size() != characters) {
    return {};
  }
  std::sort(lefts.begin(), lefts.end());
  return lefts;
}

// The right edge of each character in the unbroken row: where the next
// glyph stands, or where the caret after it would.
std::vector<int> edgesOf(const QTextLayout& layout, std::u16string_view text) {
  const QTextLine row = layout.lineAt(0);
  std::vector<int> edges(text.size());
  const std::vector<qreal> lefts = glyphLefts(layout, text);
  if (lefts.empty()) {
    for (std::size_t i = 0; i < edges.size(); ++i) {
      edges[i] = static_cast<int>(std::lround(row.cursorToX(static_cast<int>(i + 1))));
    }
    return edges;
  }
  const qreal end = row.cursorToX(static_cast<int>(text.size()));
  std::size_t glyph = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == 0 || !startsSurrogatePair(text, i - 1)) {
      ++glyph;
    }
    edges[i] = static_cast<int>(std::lround(glyph < lefts.size() ? lefts[glyph] : end));
  }
  return edges;
}

}  // namespace

QtLaidOutPiece::QtLaidOutPiece(std::size_t first, std::u16string_view text, const QFont& font,
                               int width)
    : QtLaidOutPiece(first, text, unbrokenRow(text, font), width) {}

QtLaidOutPiece::QtLaidOutPiece(std::size_t first, std::u16string_view text,
                               std::unique_ptr<QTextLayout> layout, int width)
    : WrappedPiece(first, drawnText(text), edgesOf(*layout, text), width),
      layout_(std::move(layout)) {}

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
