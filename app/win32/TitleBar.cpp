#include "app/win32/TitleBar.h"

namespace zor {

namespace {

using DwmSetWindowAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, const void*, DWORD);

// dwmapi is loaded when first needed, and kept: the window asks again at
// every switch.
DwmSetWindowAttributeFn dwmSetWindowAttribute() {
  static const auto function = [] {
    HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    const FARPROC found = dwm == nullptr ? nullptr : GetProcAddress(dwm, "DwmSetWindowAttribute");
    return reinterpret_cast<DwmSetWindowAttributeFn>(reinterpret_cast<void (*)()>(found));
  }();
  return function;
}

// DWMWA_USE_IMMERSIVE_DARK_MODE, and the number Windows 10 before its
// 20H1 update took for it.
constexpr DWORD kDarkMode = 20;
constexpr DWORD kDarkModeBefore20H1 = 19;

}  // namespace

void useDarkTitleBar(HWND window, bool dark) {
  const DwmSetWindowAttributeFn set = dwmSetWindowAttribute();
  if (set == nullptr) {
    return;
  }
  const BOOL value = dark ? TRUE : FALSE;
  if (FAILED(set(window, kDarkMode, &value, sizeof value))) {
    set(window, kDarkModeBefore20H1, &value, sizeof value);
  }
}

}  // namespace zor
