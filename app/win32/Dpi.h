#pragma once

#include <windows.h>

namespace zor {

// Dots per inch of a window, and the system's metrics at a given DPI. The
// per-monitor calls exist from Windows 10 on; before that the system's DPI
// serves for every window, so the program still starts there.
UINT windowDpi(HWND window);
NONCLIENTMETRICSW nonClientMetrics(UINT dpi);
void adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, UINT dpi);

}  // namespace zor
