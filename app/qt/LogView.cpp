#include "app/qt/LogView.h"

#include "app/logview/CaretKey.h"
#include "app/logview/LogViewMenu.h"
#include "app/qt/LogViewAccessible.h"
#include "app/qt/QtColour.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <optional>
#include <utility>

namespace zor {

namespace {

QRect rectOf(const ViewBox& box) { return QRect(box.left, box.top, box.width, box.height); }

std::optional<CaretKey> caretKey(int key) {
  switch (key) {
    case Qt::Key_Left:
      return CaretKey::Left;
    case Qt::Key_Right:
      return CaretKey::Right;
    case Qt::Key_Up:
      return CaretKey::Up;
    case Qt::Key_Down:
      return CaretKey::Down;
    case Qt::Key_PageUp:
      return CaretKey::PageUp;
    case Qt::Key_PageDown:
      return CaretKey::PageDown;
    case Qt::Key_Home:
      return CaretKey::Home;
    case Qt::Key_End:
      return CaretKey::End;
    default:
      return std::nullopt;
  }
}

// Ctrl with Up, Down and the page keys is left to the scroll area: it
// scrolls the view by a row with Up and Down, and leaves the caret.
bool scrollAreaKey(CaretKey key) {
  return key != CaretKey::Left && key != CaretKey::Right && key != CaretKey::Home &&
         key != CaretKey::End;
}

}  // namespace

LogView::LogView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("Text1"));
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  viewport()->setCursor(Qt::IBeamCursor);
  static const bool accessible = (LogViewAccessible::install(), true);
  (void)accessible;
  relayout();
}

void LogView::mirror(const Log& log) {
  if (model_.mirror(log) != LogSelection::Change::None) {
    announceChange();
    refresh();
  }
}

// Nothing is made for a screen reader unless one listens.
void LogView::announceChange() {
  const TextChange& change = model_.lastChange();
  if (!QAccessible::isActive() || change.kind == TextChange::Kind::None) {
    return;
  }
  const std::u16string_view text =
      std::u16string_view(model_.log()->text())
          .substr(change.range.begin, change.range.end - change.range.begin);
  const QString announced(reinterpret_cast<const QChar*>(text.data()),
                          static_cast<qsizetype>(text.size()));
  const int position = static_cast<int>(change.range.begin);
  if (change.kind == TextChange::Kind::Inserted) {
    QAccessibleTextInsertEvent event(this, position, announced);
    QAccessible::updateAccessibility(&event);
  } else {
    QAccessibleTextUpdateEvent event(this, position, QString(), announced);
    QAccessible::updateAccessibility(&event);
  }
}

QString LogView::selectedText() const {
  return QString::fromStdU16String(model_.selection().selectedText());
}

void LogView::copy() const {
  if (model_.canCopy()) {
    QGuiApplication::clipboard()->setText(selectedText());
  }
}

void LogView::selectAll() {
  model_.selectAll();
  refresh();
}

void LogView::relayout() {
  metrics_.setFont(font(), viewport());
  model_.resize(viewport()->width(), viewport()->height());
  refresh();
}

void LogView::refresh() {
  const ScrollBarState& state = model_.scrollBar();
  syncingScrollBar_ = true;
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, state.last);
  bar->setPageStep(state.page);
  bar->setValue(state.value);
  syncingScrollBar_ = false;
  viewport()->update();
  if (!QAccessible::isActive()) {
    return;
  }
  const CaretNews news = caretEvents_.update(model_.selection(), hasFocus());
  if (news.caret) {
    QAccessibleTextCursorEvent event(this, static_cast<int>(*news.caret));
    QAccessible::updateAccessibility(&event);
  }
  if (news.selection) {
    QAccessibleTextSelectionEvent event(this, static_cast<int>(news.selection->begin),
                                        static_cast<int>(news.selection->end));
    QAccessible::updateAccessibility(&event);
  }
}

// The scroll bar was moved by the user.
void LogView::scrollContentsBy(int, int) {
  if (!syncingScrollBar_) {
    model_.scrollToLine(verticalScrollBar()->value());
    refresh();
  }
}

void LogView::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  const QRect clip = event->rect();
  const int rowHeight = model_.rowHeight();
  for (const PieceOnScreen& onScreen : model_.piecesIn(clip.top(), clip.bottom() + 1)) {
    const auto& piece = static_cast<const QtLaidOutPiece&>(*onScreen.piece);
    int y = onScreen.y;
    for (int row = 0; row < piece.rows(); ++row, y += rowHeight) {
      if (y + rowHeight <= clip.top() || y > clip.bottom()) {
        continue;
      }
      const std::size_t begin = piece.rowBegin(row);
      const std::size_t end = piece.rowEnd(row);
      const QPointF at(onScreen.x, y);
      painter.setPen(palette().color(QPalette::Text));
      piece.draw(painter, at, row, begin, end);
      // A marked part is drawn again over the row in its own colours.
      const auto mark = [&](std::size_t markFrom, std::size_t markTo, const QBrush& ink,
                            const QBrush& paper) {
        const std::size_t from = std::max(markFrom, begin);
        const std::size_t to = std::min(markTo, end);
        if (from >= to) {
          return;
        }
        const int left = onScreen.x + piece.left(from) - piece.left(begin);
        painter.fillRect(QRect(left, y, piece.left(to) - piece.left(from), rowHeight), paper);
        painter.setPen(QPen(ink, 1));
        piece.draw(painter, at, row, from, to);
      };
      for (const auto& [from, to] : onScreen.found) {
        mark(from, to, toQColor(FindBar::kHighlightText), toQColor(FindBar::kHighlightBackground));
      }
      mark(onScreen.selectedFrom, onScreen.selectedTo, palette().brush(QPalette::HighlightedText),
           palette().brush(QPalette::Highlight));
    }
    if (onScreen.selectedLineEnd) {
      painter.fillRect(rectOf(*onScreen.selectedLineEnd), palette().brush(QPalette::Highlight));
    }
  }
  if (hasFocus()) {
    if (const auto caret = model_.caretBox()) {
      painter.fillRect(rectOf(*caret), palette().brush(QPalette::Text));
    }
  }
}

void LogView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  relayout();
}

void LogView::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    metrics_.setFont(font(), viewport());
    model_.fontChanged();
    refresh();
  }
}

void LogView::keyPressEvent(QKeyEvent* event) {
  if (model_.log() == nullptr) {
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
  const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
  const bool control = modifiers.testFlag(Qt::ControlModifier);
  const std::optional<CaretKey> key = caretKey(event->key());
  if (key && !(modifiers & ~(Qt::ControlModifier | Qt::ShiftModifier)) &&
      !(control && scrollAreaKey(*key))) {
    model_.move(caretMotion(*key, control), modifiers.testFlag(Qt::ShiftModifier));
    refresh();
    return;
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void LogView::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  if (event->button() == Qt::LeftButton &&
      model_.press(at.x(), at.y(), event->modifiers().testFlag(Qt::ShiftModifier))) {
    refresh();
  }
}

void LogView::mouseMoveEvent(QMouseEvent* event) {
  if (!event->buttons().testFlag(Qt::LeftButton) || !model_.dragging()) {
    return;
  }
  const QPoint at = event->position().toPoint();
  if (model_.dragTo(at.x(), at.y())) {
    dragScroll_.start(LogViewModel::kDragScrollMs, this);
  } else {
    dragScroll_.stop();
  }
  refresh();
}

void LogView::timerEvent(QTimerEvent* event) {
  if (event->timerId() == dragScroll_.timerId()) {
    model_.dragOn();
    refresh();
  } else {
    QAbstractScrollArea::timerEvent(event);
  }
}

void LogView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !model_.endDrag()) {
    return;
  }
  dragScroll_.stop();
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (clipboard->supportsSelection() && model_.canCopy()) {
    clipboard->setText(selectedText(), QClipboard::Selection);
  }
}

void LogView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    const QPoint at = event->position().toPoint();
    model_.selectWordAt(at.x(), at.y());
    refresh();
  }
}

void LogView::wheelEvent(QWheelEvent* event) {
  model_.wheel(event->angleDelta().y(), QApplication::wheelScrollLines());
  refresh();
  event->accept();
}

void LogView::contextMenuEvent(QContextMenuEvent* event) {
  auto* menu = new QMenu(this);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* copyAction = menu->addAction(QString::fromUtf16(kCopyEntry), this, &LogView::copy);
  copyAction->setEnabled(model_.canCopy());
  menu->addSeparator();
  QAction* all = menu->addAction(QString::fromUtf16(kSelectAllEntry), this, &LogView::selectAll);
  all->setEnabled(model_.canSelectAll());
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
