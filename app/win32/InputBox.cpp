#include "app/win32/InputBox.h"

#include "app/InputHistory.h"
#include "app/win32/WideText.h"

#include <commctrl.h>

#include <optional>

namespace zor {

InputBox::InputBox(HWND frame, InputHistory& history, std::function<void(char16_t)> keyPress)
    : box_(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, frame,
                           nullptr, nullptr, nullptr)),
      history_(history),
      keyPress_(std::move(keyPress)) {
  SetWindowSubclass(box_, boxProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

bool InputBox::historyKey(WPARAM key) {
  std::optional<std::u16string> recalled;
  switch (key) {
    case VK_UP:
      recalled = history_.previous(windowText(box_));
      break;
    case VK_DOWN:
      recalled = history_.next();
      break;
    case VK_ESCAPE:
      history_.reset();
      recalled = std::u16string();
      break;
    default:
      return false;
  }
  if (recalled) {
    show(*recalled);
  }
  return true;
}

// The caret goes to the end of the text, where typing goes on.
void InputBox::show(const std::u16string& text) {
  SetWindowTextW(box_, wide(text));
  const auto end = static_cast<WPARAM>(text.size());
  SendMessageW(box_, EM_SETSEL, end, static_cast<LPARAM>(end));
}

LRESULT CALLBACK InputBox::boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                   DWORD_PTR self) {
  auto* input = reinterpret_cast<InputBox*>(self);
  switch (message) {
    case WM_GETDLGCODE: {
      // The window's dialog navigation would take Enter and Escape for
      // itself; every key but Tab belongs to the box.
      const LRESULT code = DefSubclassProc(box, message, wParam, lParam);
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam != VK_TAB) {
        return code | DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_KEYDOWN:
      if (input->historyKey(wParam)) {
        return 0;
      }
      break;
    case WM_CHAR:
      input->keyPress_(static_cast<char16_t>(wParam));
      // Neither inserts anything in a one-line box.
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        return 0;
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(box, boxProc, 0);
      break;
    default:
      break;
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace zor
