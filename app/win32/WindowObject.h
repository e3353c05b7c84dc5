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

// The window procedure of a class whose windows belong to objects of T:
// each message goes to the object's `onMessage`, or to the default
// procedure while the window has no object yet.
template <class T, HWND T::*handle, LRESULT (T::*onMessage)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK objectWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  T* self = windowObject(window, message, lParam, handle);
  return self == nullptr ? DefWindowProcW(window, message, wParam, lParam)
                         : (self->*onMessage)(message, wParam, lParam);
}

}  // namespace zor
