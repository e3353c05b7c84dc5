#include "app/qt/LogView.h"

#include "app/logview/LogViewMenu.h"
#include "app/qt/QtColour.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <climits>

namespace zor {

namespace {

// Room between the frame and the text, in pixels.
constexpr int kMargin = 4;
// Right of every row; small enough for the layout's fixed-point arithmetic.
constexpr qreal kFarRight = 1e6;
// How often a drag past the view's edge scrolls a row.
constexpr int kDragScrollMs = 50;

}  // namespace

LogView::LogView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("Text1"));
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  viewport()->setCursor(Qt::IBeamCursor);
  relayout();
}

void LogView::mirror(const Log& log) {
  const LogSelection::Change change = selection_.mirror(log);
  if (change == LogSelection::Change::None) {
    return;
  }
  log_ = &log;
  rows_.setLog(log);
  if (change == LogSelection::Change::Replaced) {
    rows_.forget();
    top_ = RowSpot{std::min(top_.line, log.lineCount() - 1), 0, 0};
  }
  showCaret();
}

QString LogView::selectedText() const {
  return QString::fromStdU16String(selection_.selectedText());
}

void LogView::copy() const {
  if (selectionStart() < selectionEnd()) {
    QGuiApplication::clipboard()->setText(selectedText());
  }
}

void LogView::selectAll() {
  selection_.selectAll();
  viewport()->update();
}

std::size_t LogView::bottomPosition() {
  return log_ == nullptr ? 0 : positionAt(QPoint(INT_MAX / 2, viewport()->height()));
}

void LogView::selectRange(std::size_t start, std::size_t end) {
  if (log_ == nullptr) {
    return;
  }
  selection_.moveCaret(end, false);
  showCaret();
  moveCaret(start, true);
}

int LogView::rowsOnScreen() const {
  return std::max(1, (viewport()->height() - kMargin) / rows_.rowHeight());
}

void LogView::relayout() {
  rows_.setFormat(font(), viewport(), viewport()->width() - 2 * kMargin);
  if (log_ != nullptr) {
    scrollTo(rows_.moved(top_, 0));
  }
}

// Shows rows from `top` on, but no further down than needed to show the last
// row at the bottom; the scroll bar follows.
void LogView::scrollTo(RowSpot top) {
  const RowSpot end = rows_.lastTop(rowsOnScreen());
  top_ = std::min(top, end);
  syncingScrollBar_ = true;
  QScrollBar* bar = verticalScrollBar();
  const std::size_t last = LogRows::lastScrollLine(end);
  bar->setRange(0, static_cast<int>(std::min<std::size_t>(last, INT_MAX)));
  bar->setPageStep(rowsOnScreen());
  bar->setValue(static_cast<int>(std::min<std::size_t>(top_ == end ? last : top_.line, INT_MAX)));
  syncingScrollBar_ = false;
  viewport()->update();
}

void LogView::scrollRows(long rows) {
  if (log_ != nullptr) {
    scrollTo(rows_.moved(top_, rows));
  }
}

// The scroll bar was moved by the user.
void LogView::scrollContentsBy(int, int) {
  if (syncingScrollBar_ || log_ == nullptr) {
    return;
  }
  const QScrollBar* bar = verticalScrollBar();
  scrollTo(bar->value() >= bar->maximum() ? rows_.lastRow()
                                          : RowSpot{static_cast<std::size_t>(bar->value()), 0, 0});
}

void LogView::showCaret() { scrollTo(rows_.topShowing(top_, selection_.caret(), rowsOnScreen())); }

void LogView::moveCaret(std::size_t position, bool keepAnchor) {
  selection_.moveCaret(position, keepAnchor);
  showCaret();
}

std::size_t LogView::positionAt(QPoint point) {
  const int y = point.y() - kMargin;
  const long row = y < 0 ? -1 - (-y - 1) / rows_.rowHeight() : y / rows_.rowHeight();
  return rows_.positionAt(rows_.moved(top_, row), point.x() - kMargin);
}

void LogView::paintEvent(QPaintEvent* event) {
  if (log_ == nullptr) {
    return;
  }
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::Text));
  RowSpot spot = top_;
  qreal y = kMargin - static_cast<qreal>(top_.row) * rows_.rowHeight();
  while (y < viewport()->height()) {
    const auto piece = rows_.piece(spot);
    drawPiece(painter, *piece, y, event->rect());
    y += static_cast<qreal>(piece->rows()) * rows_.rowHeight();
    if (!rows_.toNextPiece(spot)) {
      break;
    }
  }
}

void LogView::drawPiece(QPainter& painter, const LaidOutPiece& piece, qreal y, const QRect& clip) {
  const QPointF origin(kMargin, y);
  const std::size_t start = selectionStart();
  const std::size_t end = selectionEnd();
  const std::size_t line = log_->lineOf(piece.begin);
  const bool endsLine = piece.end == log_->lineEnd(line);
  QList<QTextLayout::FormatRange> selection;
  if (find_ != nullptr) {
    for (const TextMatch& match : find_->highlights(*log_, piece.begin, piece.end)) {
      QTextLayout::FormatRange range;
      range.start = static_cast<int>(std::max(match.start, piece.begin) - piece.begin);
      range.length = static_cast<int>(std::min(match.end(), piece.end) - piece.begin) - range.start;
      range.format.setBackground(toQColor(FindBar::kHighlightBackground));
      range.format.setForeground(toQColor(FindBar::kHighlightText));
      selection.append(range);
    }
  }
  if (start < end && start <= piece.end && end > piece.begin) {
    QTextLayout::FormatRange range;
    range.start = static_cast<int>(std::max(start, piece.begin) - piece.begin);
    range.length = static_cast<int>(std::min(end, piece.end) - piece.begin) - range.start;
    range.format.setBackground(palette().brush(QPalette::Highlight));
    range.format.setForeground(palette().brush(QPalette::HighlightedText));
    selection.append(range);
  }
  piece.layout.draw(&painter, origin, selection, clip);
  // A selected line end shows as a selected blank after the line's text.
  if (endsLine && start <= piece.end && end > piece.end && line + 1 < log_->lineCount()) {
    const QTextLine last = piece.layout.lineAt(piece.rows() - 1);
    painter.fillRect(QRectF(origin.x() + last.naturalTextWidth(), y + last.y(),
                            fontMetrics().horizontalAdvance(QLatin1Char(' ')), last.height()),
                     palette().brush(QPalette::Highlight));
  }
  const std::size_t caret = selection_.caret();
  if (hasFocus() && caret >= piece.begin &&
      (caret < piece.end || (caret == piece.end && endsLine))) {
    piece.layout.drawCursor(&painter, origin, static_cast<int>(caret - piece.begin));
  }
}

void LogView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  relayout();
}

void LogView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    relayout();
  }
}

void LogView::keyPressEvent(QKeyEvent* event) {
  if (log_ == nullptr) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  if (event == QKeySequence::Copy) {
    copy();
    return;
  }
  if (event == QKeySequence::SelectAll) {
    selectAll();
    return;
  }
  // Each motion, as a plain key and with the selection extended.
  const auto is = [event](QKeySequence::StandardKey move, QKeySequence::StandardKey select) {
    return event == move || event == select;
  };
  const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
  // Past the first or the last row is the start or the end of the log.
  const std::size_t caret = selection_.caret();
  const auto rowsAway = [this, caret](long rows) {
    const RowSpot from = rows_.spotOf(caret);
    const RowSpot to = rows_.moved(from, rows);
    if (to == from) {
      return rows < 0 ? std::size_t{0} : log_->text().size();
    }
    return rows_.positionAt(to, rows_.xOf(caret));
  };
  if (is(QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument)) {
    moveCaret(0, extend);
  } else if (is(QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument)) {
    moveCaret(log_->text().size(), extend);
  } else if (is(QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar)) {
    moveCaret(selection_.nextPosition(caret), extend);
  } else if (is(QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar)) {
    moveCaret(selection_.previousPosition(caret), extend);
  } else if (is(QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine)) {
    moveCaret(rowsAway(1), extend);
  } else if (is(QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine)) {
    moveCaret(rowsAway(-1), extend);
  } else if (is(QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage)) {
    const long page = rowsOnScreen();
    const std::size_t position = rowsAway(page);
    scrollRows(page);
    moveCaret(position, extend);
  } else if (is(QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage)) {
    const long page = rowsOnScreen();
    const std::size_t position = rowsAway(-page);
    scrollRows(-page);
    moveCaret(position, extend);
  } else if (is(QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine)) {
    moveCaret(rows_.positionAt(rows_.spotOf(caret), 0), extend);
  } else if (is(QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine)) {
    moveCaret(rows_.positionAt(rows_.spotOf(caret), kFarRight), extend);
  } else {
    QAbstractScrollArea::keyPressEvent(event);
  }
}

void LogView::mousePressEvent(QMouseEvent* event) {
  if (log_ == nullptr || event->button() != Qt::LeftButton) {
    return;
  }
  dragging_ = true;
  moveCaret(positionAt(event->position().toPoint()),
            event->modifiers().testFlag(Qt::ShiftModifier));
}

// Dragging past the top or the bottom scrolls a row at a time, and goes on
// scrolling while the mouse stays there.
void LogView::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !event->buttons().testFlag(Qt::LeftButton)) {
    return;
  }
  dragPoint_ = event->position().toPoint();
  dragOn();
  if (dragPoint_.y() < 0 || dragPoint_.y() >= viewport()->height()) {
    dragScroll_.start(kDragScrollMs, this);
  } else {
    dragScroll_.stop();
  }
}

void LogView::timerEvent(QTimerEvent* event) {
  if (event->timerId() == dragScroll_.timerId()) {
    dragOn();
  } else {
    QAbstractScrollArea::timerEvent(event);
  }
}

void LogView::dragOn() {
  if (dragPoint_.y() < 0) {
    scrollRows(-1);
  } else if (dragPoint_.y() >= viewport()->height()) {
    scrollRows(1);
  }
  selection_.moveCaret(
      positionAt(QPoint(dragPoint_.x(), std::clamp(dragPoint_.y(), 0, viewport()->height() - 1))),
      true);
  viewport()->update();
}

void LogView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !dragging_) {
    return;
  }
  dragging_ = false;
  dragScroll_.stop();
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->supportsSelection() && selectionStart() < selectionEnd()) {
    clipboard->setText(selectedText(), QClipboard::Selection);
  }
}

void LogView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (log_ == nullptr || event->button() != Qt::LeftButton) {
    return;
  }
  selection_.selectWordAt(positionAt(event->position().toPoint()));
  dragging_ = false;
  viewport()->update();
}

// A notch of 120 scrolls the system's number of rows; finer wheels add up.
void LogView::wheelEvent(QWheelEvent* event) {
  wheelAngle_ += static_cast<long>(event->angleDelta().y()) * QApplication::wheelScrollLines();
  const long rows = wheelAngle_ / 120;
  wheelAngle_ -= rows * 120;
  scrollRows(-rows);
  event->accept();
}

void LogView::contextMenuEvent(QContextMenuEvent* event) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* copyAction = menu->addAction(QString::fromUtf16(kCopyEntry), this, &LogView::copy);
  copyAction->setEnabled(selectionStart() < selectionEnd());
  menu->addSeparator();
  QAction* all = menu->addAction(QString::fromUtf16(kSelectAllEntry), this, &LogView::selectAll);
  all->setEnabled(log_ != nullptr && !log_->text().empty());
  menu->popup(event->globalPos());
}

void LogView::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();
}

void LogView::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

}  // namespace zor
