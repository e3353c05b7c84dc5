#include "app/win32/Frame.h"

#include "app/win32/Subclass.h"

namespace zor {

namespace {

LRESULT frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam, void*) {
  switch (message) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return SendMessageW(GetParent(frame), message, wParam, lParam);
    case WM_ERASEBKGND: {
      // A group box paints only its border and caption; the window clips its
      // children, so the inside is filled here.
      RECT inside;
      GetClientRect(frame, &inside);
      FillRect(reinterpret_cast<HDC>(wParam), &inside, GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    default:
      break;
  }
  return passOn(frame, message, wParam, lParam);
}

}  // namespace

HWND createFrame(HWND form, const wchar_t* caption) {
  HWND frame =
      CreateWindowExW(WS_EX_CONTROLPARENT, L"BUTTON", caption,
                      WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | BS_GROUPBOX, 0, 0,
                      0, 0, form, nullptr, nullptr, nullptr);
  subclass(frame, frameProc, nullptr);
  return frame;
}

}  // namespace zor
