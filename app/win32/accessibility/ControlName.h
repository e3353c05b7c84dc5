#pragma once

#include <windows.h>

#include <string>

namespace zor {

// Names a standard control for screen readers where the system gives it no
// name of its own, as an edit box in a frame: the answer to the control's
// WM_GETOBJECT for its client object is the system's own object for it,
// named `name`; 0, the system's answer, for any other object. UI
// Automation takes the name from that object too.
LRESULT namedObject(HWND control, WPARAM flags, LPARAM objectId, const std::u16string& name);

}  // namespace zor
