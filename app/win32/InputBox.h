#pragma once

#include <windows.h>

#include <functional>

namespace zor {

// Text2: a single-line EDIT control that hands every character typed into it
// to the console before the character reaches the box. Enter inserts nothing
// in a one-line box, so it stops here, and the box does not beep.
class InputBox {
 public:
  InputBox(HWND frame, std::function<void(char16_t)> keyPress);
  InputBox(const InputBox&) = delete;
  InputBox& operator=(const InputBox&) = delete;

  HWND handle() const { return box_; }

 private:
  static LRESULT CALLBACK boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                  DWORD_PTR self);

  HWND box_;
  std::function<void(char16_t)> keyPress_;
};

}  // namespace zor
