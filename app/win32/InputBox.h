#pragma once

#include <windows.h>

#include <functional>

namespace zor {

class WindowController;
struct InputBoxEdit;
struct InputKey;
struct LineBox;
struct WindowUpdate;

// Text2: a single-line EDIT control that hands every key to the window
// controller before the box handles it, and what the box then did after.
// Enter inserts nothing in a one-line box, so it stops here, and the box
// does not beep. The native box keeps only the first line of a paste.
class InputBox {
 public:
  using Apply = std::function<void(const WindowUpdate&)>;

  InputBox(HWND frame, WindowController& controller, Apply apply);
  InputBox(const InputBox&) = delete;
  InputBox& operator=(const InputBox&) = delete;

  HWND handle() const { return box_; }
  void showEdit(const InputBoxEdit& edit);

 private:
  static LRESULT boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, void* self);
  LRESULT onChar(UINT message, WPARAM wParam, LPARAM lParam);
  // The controller's part of a key, then, unless it took the key, the box's
  // own handling of the message and what the controller makes of that.
  LRESULT key(const InputKey& key, UINT message, WPARAM wParam, LPARAM lParam);
  LineBox state() const;

  HWND box_;
  WindowController& controller_;
  Apply apply_;
};

}  // namespace zor
