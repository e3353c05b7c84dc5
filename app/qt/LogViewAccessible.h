#pragma once

#include "app/logview/LogViewModel.h"

#include <QAccessibleWidget>

namespace zor {

class LogView;

// What a screen reader reads of the log view: read-only, multi-line text
// named by its frame, answered from the log view model, so that no request
// costs more than the text it asks for.
class LogViewAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit LogViewAccessible(LogView* view);

  // Makes Qt ask for this interface for every log view.
  static void install();

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text type) const override;

  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                           int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                          int* endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  LogView* view() const;
  std::size_t size() const;
  std::size_t clamped(int offset) const;
  QString textIn(TextRange range, int* startOffset, int* endOffset) const;
};

}  // namespace zor
