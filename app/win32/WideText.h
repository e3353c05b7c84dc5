#pragma once

#include <windows.h>

#include <string>

namespace zor {

// UTF-16 text as the W API takes it: wchar_t is 16 bits wide on Windows.
inline const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }

// The whole text of a window: a control's text or a window's caption.
inline std::u16string windowText(HWND window) {
  std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(window)), u'\0');
  const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()),
                                    static_cast<int>(text.size() + 1));
  text.resize(static_cast<std::size_t>(copied));
  return text;
}

}  // namespace zor
