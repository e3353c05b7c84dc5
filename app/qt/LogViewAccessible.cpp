#include "app/qt/LogViewAccessible.h"

#include "app/logview/TextNavigation.h"
#include "app/qt/LogView.h"

#include <QGroupBox>

#include <algorithm>

namespace zor {

namespace {

QAccessibleInterface* logViewFactory(const QString&, QObject* object) {
  auto* view = dynamic_cast<LogView*>(object);
  return view == nullptr ? nullptr : new LogViewAccessible(view);
}

TextUnit unitOf(QAccessible::TextBoundaryType type) {
  switch (type) {
    case QAccessible::CharBoundary:
      return TextUnit::Character;
    case QAccessible::WordBoundary:
      return TextUnit::Word;
    case QAccessible::LineBoundary:
      return TextUnit::Row;
    case QAccessible::SentenceBoundary:
    case QAccessible::ParagraphBoundary:
      return TextUnit::Line;
    case QAccessible::NoBoundary:
      break;
  }
  return TextUnit::Document;
}

}  // namespace

LogViewAccessible::LogViewAccessible(LogView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

void LogViewAccessible::install() { QAccessible::installFactory(logViewFactory); }

LogView* LogViewAccessible::view() const { return static_cast<LogView*>(widget()); }

std::size_t LogViewAccessible::size() const {
  const Log* log = view()->model().log();
  return log == nullptr ? 0 : log->text().size();
}

std::size_t LogViewAccessible::clamped(int offset) const {
  return std::min(static_cast<std::size_t>(std::max(offset, 0)), size());
}

void* LogViewAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) {
    return static_cast<QAccessibleTextInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State LogViewAccessible::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  state.readOnly = true;
  state.multiLine = true;
  state.focusable = true;
  state.selectableText = true;
  return state;
}

// Named by the frame it stands in, as the stock text box was.
QString LogViewAccessible::text(QAccessible::Text type) const {
  if (type == QAccessible::Name) {
    if (const auto* frame = qobject_cast<const QGroupBox*>(view()->parentWidget())) {
      return frame->title();
    }
  }
  return QAccessibleWidget::text(type);
}

void LogViewAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  const LogSelection& selection = view()->model().selection();
  const bool there = selectionIndex == 0 && !selection.empty();
  *startOffset = there ? static_cast<int>(selection.start()) : 0;
  *endOffset = there ? static_cast<int>(selection.end()) : 0;
}

int LogViewAccessible::selectionCount() const {
  return view()->model().selection().empty() ? 0 : 1;
}

void LogViewAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void LogViewAccessible::removeSelection(int) {
  const std::size_t caret = view()->model().selection().caret();
  view()->model().select(caret, caret);
  view()->refresh();
}

void LogViewAccessible::setSelection(int, int startOffset, int endOffset) {
  view()->model().select(clamped(startOffset), clamped(endOffset));
  view()->refresh();
}

int LogViewAccessible::cursorPosition() const {
  return static_cast<int>(view()->model().selection().caret());
}

void LogViewAccessible::setCursorPosition(int position) {
  view()->model().select(clamped(position), clamped(position));
  view()->refresh();
}

QString LogViewAccessible::text(int startOffset, int endOffset) const {
  const std::size_t end = endOffset < 0 ? size() : clamped(endOffset);
  return textIn({std::min(clamped(startOffset), end), end}, nullptr, nullptr);
}

QString LogViewAccessible::textIn(TextRange range, int* startOffset, int* endOffset) const {
  if (startOffset != nullptr) {
    *startOffset = static_cast<int>(range.begin);
    *endOffset = static_cast<int>(range.end);
  }
  if (range.begin == range.end) {
    return QString();
  }
  const std::u16string& text = view()->model().log()->text();
  return QString(reinterpret_cast<const QChar*>(text.data() + range.begin),
                 static_cast<qsizetype>(range.end - range.begin));
}

QString LogViewAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
  const TextRange range = TextNavigation(view()->model()).at(clamped(offset), unitOf(boundaryType));
  return textIn(range, startOffset, endOffset);
}

QString LogViewAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
  const TextRange range =
      TextNavigation(view()->model()).before(clamped(offset), unitOf(boundaryType));
  return textIn(range, startOffset, endOffset);
}

QString LogViewAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                           int* startOffset, int* endOffset) const {
  const TextRange range =
      TextNavigation(view()->model()).after(clamped(offset), unitOf(boundaryType));
  return textIn(range, startOffset, endOffset);
}

int LogViewAccessible::characterCount() const { return static_cast<int>(size()); }

// Only the characters on screen have a place.
QRect LogViewAccessible::characterRect(int offset) const {
  const auto box = TextNavigation(view()->model()).characterBox(clamped(offset));
  if (!box) {
    return QRect();
  }
  const QPoint corner = view()->viewport()->mapToGlobal(QPoint(box->left, box->top));
  return QRect(corner.x(), corner.y(), box->width, box->height);
}

int LogViewAccessible::offsetAtPoint(const QPoint& point) const {
  const QPoint at = view()->viewport()->mapFromGlobal(point);
  return static_cast<int>(view()->model().positionAt(at.x(), at.y()));
}

void LogViewAccessible::scrollToSubstring(int startIndex, int) {
  view()->model().showPosition(clamped(startIndex));
  view()->refresh();
}

// The log is plain text: one run without attributes.
QString LogViewAccessible::attributes(int, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = static_cast<int>(size());
  return QString();
}

}  // namespace zor
