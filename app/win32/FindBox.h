#pragma once

#include "app/logview/FindBar.h"

#include <windows.h>

#include <functional>

namespace zor {

class LogView;

// The find box over the top right of the log: a label, the line to find, a
// Match case box and the "n/m" count, stock controls in a window of their
// own. It forwards its keys and its text to the shared find bar and selects
// what that hands back in the log.
class FindBox {
 public:
  FindBox(HWND form, FindBar& bar, LogView& view, std::function<void()> focusInput);
  FindBox(const FindBox&) = delete;
  FindBox& operator=(const FindBox&) = delete;

  HWND handle() const { return box_; }
  // Ctrl+F, from the log or the input box.
  void findKey();
  // After the log changed: keep the match and the count in step.
  void logChanged();
  // Over the top right of `logRect`, in the form's coordinates.
  void place(const RECT& logRect);
  void setFont(HFONT font);
  // Whether the line is tinted when nothing is found.
  void tintNothingFound(bool tint);

 private:
  static LRESULT CALLBACK boxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT editProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, void* self);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  bool key(WPARAM key);
  void apply(const FindBar::Outcome& outcome);
  void edited();
  void search();
  void showCount();
  void layOut();

  HWND box_ = nullptr;
  HWND label_ = nullptr;
  HWND edit_ = nullptr;
  HWND matchCase_ = nullptr;
  HWND count_ = nullptr;
  HFONT font_ = nullptr;
  HBRUSH tint_ = nullptr;
  FindBar& bar_;
  LogView& view_;
  std::function<void()> focusInput_;
  bool pausing_ = false;
  bool tints_ = true;
};

}  // namespace zor
