#include "app/win32/InputBox.h"

#include <commctrl.h>

namespace zor {

InputBox::InputBox(HWND frame, std::function<void(char16_t)> keyPress)
    : box_(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, frame,
                           nullptr, nullptr, nullptr)),
      keyPress_(std::move(keyPress)) {
  SetWindowSubclass(box_, boxProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK InputBox::boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR self) {
  switch (message) {
    case WM_GETDLGCODE: {
      // The window's dialog navigation would take Enter and Escape for
      // itself; every key but Tab belongs to the box.
      const LRESULT code = DefSubclassProc(box, message, wParam, lParam);
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam != VK_TAB) {
        return code | DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_CHAR:
      reinterpret_cast<InputBox*>(self)->keyPress_(static_cast<char16_t>(wParam));
      if (wParam == VK_RETURN) {
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, boxProc, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace zor
