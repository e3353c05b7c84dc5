#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace zor {

class InputHistory;

// Text2: a single-line EDIT control that hands every character typed into it
// to the console before the character reaches the box. Enter inserts nothing
// in a one-line box, so it stops here, and the box does not beep. Up and Down
// call back earlier lines from the history, Esc empties the box.
class InputBox {
 public:
  InputBox(HWND frame, InputHistory& history, std::function<void(char16_t)> keyPress);
  InputBox(const InputBox&) = delete;
  InputBox& operator=(const InputBox&) = delete;

  HWND handle() const { return box_; }

 private:
  static LRESULT CALLBACK boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self);
  // True when the key was one of the history's.
  bool historyKey(WPARAM key);
  void show(const std::u16string& text);

  HWND box_;
  InputHistory& history_;
  std::function<void(char16_t)> keyPress_;
};

}  // namespace zor
