#include "app/win32/Subclass.h"

namespace zor {

namespace {

struct Link {
  WNDPROC original;
  SubclassProc proc;
  void* self;
};

Link* linkOf(HWND control) {
  return reinterpret_cast<Link*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

LRESULT CALLBACK inFront(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  Link* link = linkOf(control);
  if (message != WM_NCDESTROY) {
    return link->proc(control, message, wParam, lParam, link->self);
  }
  const WNDPROC original = link->original;
  SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
  SetWindowLongPtrW(control, GWLP_USERDATA, 0);
  delete link;
  return CallWindowProcW(original, control, message, wParam, lParam);
}

}  // namespace

void subclass(HWND control, SubclassProc proc, void* self) {
  auto* link = new Link{nullptr, proc, self};
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(link));
  link->original = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(inFront)));
}

LRESULT passOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcW(linkOf(control)->original, control, message, wParam, lParam);
}

}  // namespace zor
