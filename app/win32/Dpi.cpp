#include "app/win32/Dpi.h"

namespace zor {

namespace {

// A function of user32 that this Windows may lack, or null.
template <typename Function>
Function user32Function(const char* name) {
  const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

const auto getDpiForWindow = user32Function<GetDpiForWindowFn>("GetDpiForWindow");
const auto systemParametersInfoForDpi =
    user32Function<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
const auto adjustWindowRectExForDpi =
    user32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");

}  // namespace

UINT windowDpi(HWND window) {
  if (getDpiForWindow != nullptr) {
    return getDpiForWindow(window);
  }
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<UINT>(dpi);
}

NONCLIENTMETRICSW nonClientMetrics(UINT dpi) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (systemParametersInfoForDpi != nullptr) {
    systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0, dpi);
  } else {
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
  }
  return metrics;
}

void adjustWindowRect(RECT& rect, DWORD style, DWORD exStyle, UINT dpi) {
  if (adjustWindowRectExForDpi != nullptr) {
    adjustWindowRectExForDpi(&rect, style, FALSE, exStyle, dpi);
  } else {
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  }
}

}  // namespace zor
