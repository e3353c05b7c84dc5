#pragma once

#include "app/logview/LogSelection.h"
#include "app/win32/LogViewRows.h"
#include "interpreter/Log.h"

#include <windows.h>

#include <cstddef>

namespace zor {

// Text1: shows the console's log, read-only but selectable and copyable. A
// window of its own that draws only the rows on screen, straight from the
// log's text, so it costs what the screen shows, not what the log holds.
// CR LF, a lone CR and a lone LF each end a line; copied text keeps the
// log's own line ends. The caret is moved only when the log changed, so
// reading or selecting in the view is left alone while the user types. The
// scroll bar counts lines; wheel and keys scroll by rows. Its colours are
// asked of the parent, as an edit box asks for them.
class LogView {
 public:
  explicit LogView(HWND frame);
  LogView(const LogView&) = delete;
  LogView& operator=(const LogView&) = delete;

  HWND handle() const { return window_; }
  void mirror(const Log& log);
  const Log* log() const { return selection_.log(); }
  // Where the text below the view starts.
  std::size_t bottomPosition();
  // Selects [start, end) and scrolls it into view.
  void selectRange(std::size_t start, std::size_t end);

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();
  void drawPiece(HDC dc, const LaidOutPiece& piece, int y, int height);
  int rowsOnScreen() const;
  void relayout();
  void scrollTo(RowSpot top);
  void scrollRows(long rows);
  void scrollBarMoved(int code);
  void showCaret();
  void placeCaret();
  void moveCaret(std::size_t position, bool keepAnchor);
  bool keyDown(WPARAM key);
  void dragOn();
  std::size_t positionAt(POINT point);
  void copy() const;
  void selectAll();
  void contextMenu(LPARAM where);
  void wheel(short delta);
  std::size_t textInto(wchar_t* buffer, std::size_t room) const;

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  LogViewRows rows_;
  LogSelection selection_;
  RowSpot top_;
  bool dragging_ = false;
  POINT dragPoint_{};
  long wheelTurn_ = 0;  // wheel turn not yet scrolled, times rows a notch
};

}  // namespace zor
