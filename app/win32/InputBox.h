#pragma once

#include <windows.h>

#include <functional>

namespace zor {

class InputLine;
struct LineBox;

// Text2: a single-line EDIT control that hands every character typed into it
// to the console before the character reaches the box. Enter inserts nothing
// in a one-line box, so it stops here, and the box does not beep. The keys of
// the history, the search and the completion go to the input line, which
// says what the box and the caption of its frame show. The native box keeps
// only the first line of a paste.
class InputBox {
 public:
  InputBox(HWND frame, InputLine& line, std::function<void(char16_t)> keyPress);
  InputBox(const InputBox&) = delete;
  InputBox& operator=(const InputBox&) = delete;

  HWND handle() const { return box_; }

 private:
  static LRESULT boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, void* self);
  LRESULT onKeyDown(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onChar(UINT message, WPARAM wParam, LPARAM lParam);
  // The box's own handling of the message, then what the line makes of it.
  LRESULT byTheBox(UINT message, WPARAM wParam, LPARAM lParam, bool typed);
  LineBox state() const;
  void showLine();

  HWND frame_;
  HWND box_;
  InputLine& line_;
  std::function<void(char16_t)> keyPress_;
};

}  // namespace zor
