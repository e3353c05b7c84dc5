#pragma once

#include "app/Colours.h"
#include "app/logview/DrawnScreen.h"
#include "app/logview/LogViewModel.h"
#include "app/win32/BackBuffer.h"
#include "app/win32/LogViewMetrics.h"
#include "app/win32/accessibility/ScreenReaders.h"
#include "interpreter/Log.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace zor {

// Text1: shows the console's log, read-only but selectable and copyable. A
// window of its own; what it shows and does is the log view model's, and
// this maps the window's messages onto it, paints the pieces it hands out
// with GDI and keeps the scroll bar and the system caret in step. Its
// colours are asked of the parent, as an edit box asks for them. It draws
// into a bitmap kept between paints, moves what is drawn there when the
// rows move, and draws only the rows that changed.
class LogView {
 public:
  explicit LogView(HWND frame);
  LogView(const LogView&) = delete;
  LogView& operator=(const LogView&) = delete;

  HWND handle() const { return window_; }
  void mirror(const Log& log);
  LogViewModel& model() { return model_; }
  // After a change made on the model from outside (a selection, a scroll):
  // the scroll bar, the caret and the view follow.
  void refresh();
  // The colours changed: everything is drawn again.
  void redrawAll();
  // The selection's and the find box's matches' colours, as references
  // resolved when drawing.
  void setMarks(const BoxColours& selection, const BoxColours& found);
  // The frame's caption changed: screen readers hear the new name.
  void renamed() { readers_.renamed(); }

  // For screen readers: the frame's caption, the log's text, and the part
  // of it on screen.
  std::u16string name() const;
  const std::u16string& logText() const;
  std::u16string textOnScreen();

 private:
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  HGDIOBJ viewFont() const { return font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT); }
  void showScrollBar();
  void redraw();
  Redraw showNow(int height);
  void paint();
  void drawStale(const RECT& client);
  void drawPiece(HDC dc, const PieceOnScreen& onScreen, const RECT& band);
  void relayout();
  void fontChanged();
  void showCaretOfRows();
  void scrollBarMoved(int code);
  void placeCaret();
  bool keyDown(WPARAM key);
  void copy() const;
  void contextMenu(LPARAM where);
  void wheel(short delta);
  std::size_t textInto(wchar_t* buffer, std::size_t room) const;

  HWND window_ = nullptr;
  HFONT font_ = nullptr;
  LogViewMetrics metrics_;
  LogViewModel model_{metrics_};
  bool focused_ = false;
  BoxColours selection_{kHighlightColour, kHighlightTextColour};
  BoxColours found_{FindBar::kHighlightBackground, FindBar::kHighlightText};
  BackBuffer buffer_;
  DrawnScreen drawn_;
  ScreenReaders readers_{*this};
};

}  // namespace zor
