#pragma once

#include "app/logview/FindBar.h"
#include "app/logview/LogSelection.h"
#include "app/qt/LogViewRows.h"
#include "interpreter/Log.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>

#include <cstddef>

namespace zor {

// Text1: shows the console's log, read-only but selectable and copyable.
// It draws only the rows on screen, straight from the log's text, so it
// costs what the screen shows, not what the log holds. CR LF line ends show
// as line breaks; copied text keeps them. The caret is moved only when the
// log changed, so reading or selecting in the view is left alone while the
// user types. The scroll bar counts lines; wheel and keys scroll by rows.
class LogView final : public QAbstractScrollArea {
 public:
  explicit LogView(QWidget* parent);

  // Shows `log`, which must outlive the view.
  void mirror(const Log& log);
  const Log* log() const { return log_; }
  // Highlights the matches of `find` on screen; it must outlive the view.
  void highlight(const FindBar& find) { find_ = &find; }

  // Selection and caret as positions in the log's text.
  std::size_t selectionStart() const { return selection_.start(); }
  std::size_t selectionEnd() const { return selection_.end(); }
  std::size_t caretPosition() const { return selection_.caret(); }
  QString selectedText() const;
  // The first row on screen.
  const RowSpot& topRow() const { return top_; }

  // Where the text below the view starts.
  std::size_t bottomPosition();
  // Selects [start, end) and scrolls it into view.
  void selectRange(std::size_t start, std::size_t end);

  void copy() const;
  void selectAll();

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
  int rowsOnScreen() const;
  void relayout();
  void scrollTo(RowSpot top);
  void scrollRows(long rows);
  void showCaret();
  void moveCaret(std::size_t position, bool keepAnchor);
  void dragOn();
  std::size_t positionAt(QPoint point);
  void drawPiece(QPainter& painter, const LaidOutPiece& piece, qreal y, const QRect& clip);

  const Log* log_ = nullptr;
  const FindBar* find_ = nullptr;
  LogViewRows rows_;
  LogSelection selection_;
  RowSpot top_;
  bool syncingScrollBar_ = false;
  bool dragging_ = false;
  QPoint dragPoint_;
  QBasicTimer dragScroll_;
  long wheelAngle_ = 0;  // wheel turn not yet scrolled, times rows a notch
};

}  // namespace zor
