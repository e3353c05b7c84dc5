#pragma once

#include <windows.h>

namespace zor {

// A procedure put in front of a control's own: it gets every message with
// the object it was given, and hands what it does not take on with
// passOn().
using SubclassProc = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 void* self);

// Puts `proc` in front of the control's window procedure until the control
// is destroyed. The control's own user data holds the link: comctl32's
// SetWindowSubclass looks its link up in a window property for every
// message, and under Wine every such lookup is a round trip to the server.
void subclass(HWND control, SubclassProc proc, void* self);
LRESULT passOn(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace zor
