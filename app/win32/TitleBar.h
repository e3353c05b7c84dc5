#pragma once

#include <windows.h>

namespace zor {

// Asks the desktop window manager for a dark or a light title bar. Windows
// before 10 (and Wine) have no such setting; the bar stays as it is there.
void useDarkTitleBar(HWND window, bool dark);

}  // namespace zor
