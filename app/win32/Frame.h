#pragma once

#include <windows.h>

namespace zor {

// A captioned group box that holds one text box. The box's colour requests
// go on to the window, which decides the colours; tabbing enters the frame.
HWND createFrame(HWND form, const wchar_t* caption);

}  // namespace zor
