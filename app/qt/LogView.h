#pragma once

#include "app/logview/CaretEvents.h"
#include "app/logview/LogViewModel.h"
#include "app/qt/LogViewMetrics.h"
#include "interpreter/Log.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <cstddef>

namespace zor {

// Text1: shows the console's log, read-only but selectable and copyable.
// What it shows and does is the log view model's; this maps Qt's events
// onto it, paints the pieces it hands out and keeps the scroll bar in step.
class LogView final : public QAbstractScrollArea {
 public:
  explicit LogView(QWidget* parent);

  // Shows `log`, which must outlive the view.
  void mirror(const Log& log);

  const LogViewModel& model() const { return model_; }
  LogViewModel& model() { return model_; }
  // Selection and caret as positions in the log's text.
  std::size_t selectionStart() const { return model_.selection().start(); }
  std::size_t selectionEnd() const { return model_.selection().end(); }
  std::size_t caretPosition() const { return model_.selection().caret(); }
  QString selectedText() const;
  // The first row on screen.
  const RowSpot& topRow() const { return model_.top(); }

  void copy() const;
  void selectAll();
  // After a change made on the model from outside (a selection, a scroll):
  // the scroll bar, the caret and the view follow.
  void refresh();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void timerEvent(QTimerEvent* event) override;

 private:
  void relayout();
  // Tells a screen reader, if one listens, what the last mirror() changed.
  void announceChange();

  LogViewMetrics metrics_;
  LogViewModel model_{metrics_};
  bool syncingScrollBar_ = false;
  QBasicTimer dragScroll_;
  CaretEvents caretEvents_;
};

}  // namespace zor
