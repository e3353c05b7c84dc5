#pragma once

#include <windows.h>

namespace zor {

// The object a window belongs to, for a window procedure: the object is
// handed to CreateWindowExW as the creation parameter, learns its window
// through `handle` when the window is made, and is found again for every
// message after that; none before.
template <class T>
T* windowObject(HWND window, UINT message, LPARAM lParam, HWND T::*handle) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->*handle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  return reinterpret_cast<T*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

}  // namespace zor
