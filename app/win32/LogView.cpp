#include "app/win32/LogView.h"

#include "app/win32/WideText.h"

#include <commctrl.h>

#include <string>

namespace zor {

namespace {

// The log's text from `from` on, as the box takes it: a NUL would end the
// text early, so it shows as a blank, which keeps positions in step.
std::u16string shownText(const std::u16string& text, std::size_t from) {
  std::u16string out(text, from);
  for (char16_t& c : out) {
    if (c == u'\0') {
      c = u' ';
    }
  }
  return out;
}

// A multi-line box keeps Tab for itself; this one is read-only, so Tab moves
// on to the next control instead of leaving the focus caught here.
LRESULT CALLBACK boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                         DWORD_PTR) {
  if (message == WM_GETDLGCODE) {
    const LRESULT code = DefSubclassProc(box, message, wParam, lParam);
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam == VK_TAB) {
      return code & ~(DLGC_WANTTAB | DLGC_WANTALLKEYS);
    }
    return code;
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(box, boxProc, 0);
  }
  return DefSubclassProc(box, message, wParam, lParam);
}

}  // namespace

LogView::LogView(HWND frame)
    : box_(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                               ES_READONLY | ES_NOHIDESEL,
                           0, 0, 0, 0, frame, nullptr, nullptr, nullptr)) {
  // Without this the box stops taking text at 32K characters; zero lifts the
  // limit altogether.
  SendMessageW(box_, EM_SETLIMITTEXT, 0, 0);
  SetWindowSubclass(box_, boxProc, 0, 0);
}

void LogView::mirror(const Log& log) {
  const std::u16string& text = log.text();
  if (log.generation() == generation_ && text.size() == shown_ && log.caret() == caret_) {
    return;
  }
  if (log.generation() != generation_ || text.size() < shown_) {
    SetWindowTextW(box_, wide(shownText(text, 0)));
    generation_ = log.generation();
  } else if (text.size() > shown_) {
    SendMessageW(box_, EM_SETSEL, shown_, static_cast<LPARAM>(shown_));
    const std::u16string tail = shownText(text, shown_);
    SendMessageW(box_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide(tail)));
  }
  shown_ = text.size();
  caret_ = log.caret();
  SendMessageW(box_, EM_SETSEL, caret_, static_cast<LPARAM>(caret_));
  SendMessageW(box_, EM_SCROLLCARET, 0, 0);
}

}  // namespace zor
