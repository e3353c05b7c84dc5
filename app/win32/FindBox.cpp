#include "app/win32/FindBox.h"

#include "app/win32/LogView.h"
#include "app/win32/Subclass.h"
#include "app/win32/WideText.h"
#include "app/win32/WindowObject.h"

#include <algorithm>

namespace zor {

namespace {

constexpr wchar_t kClassName[] = L"ZorFindBox";
// Typing searches once it pauses this long; counting goes on in slices
// between the window's messages, as timer messages come after input.
constexpr UINT_PTR kPauseTimer = 1;
constexpr UINT kPauseMs = 150;
constexpr UINT_PTR kCountTimer = 2;
constexpr COLORREF kTint = RGB(0xFF, 0x66, 0x66);
constexpr int kGap = 4;

void registerClass(WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);
}

HWND child(HWND parent, const wchar_t* type, const wchar_t* text, DWORD style, DWORD exStyle = 0) {
  return CreateWindowExW(exStyle, type, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

SIZE textSize(HWND window, HFONT font, const wchar_t* text) {
  HDC dc = GetDC(window);
  const HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return size;
}

bool pressed(int key) { return GetKeyState(key) < 0; }

}  // namespace

FindBox::FindBox(HWND form, FindBar& bar, LogView& view, std::function<void()> focusInput)
    : bar_(bar), view_(view), focusInput_(std::move(focusInput)) {
  registerClass(boxProc);
  CreateWindowExW(WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, kClassName, L"",
                  WS_CHILD | WS_CLIPSIBLINGS, 0, 0, 0, 0, form, nullptr, GetModuleHandleW(nullptr),
                  this);
  label_ =
      child(box_, L"STATIC", reinterpret_cast<const wchar_t*>(FindBar::kLabel), SS_CENTERIMAGE);
  edit_ = child(box_, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  matchCase_ = child(box_, L"BUTTON", reinterpret_cast<const wchar_t*>(FindBar::kMatchCase),
                     WS_TABSTOP | BS_AUTOCHECKBOX);
  count_ = child(box_, L"STATIC", L"", SS_CENTERIMAGE);
  subclass(edit_, editProc, this);
}

LRESULT CALLBACK FindBox::boxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  FindBox* self = windowObject(window, message, lParam, &FindBox::box_);
  return self == nullptr ? DefWindowProcW(window, message, wParam, lParam)
                         : self->onMessage(message, wParam, lParam);
}

LRESULT FindBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if ((reinterpret_cast<HWND>(lParam) == edit_ && HIWORD(wParam) == EN_CHANGE) ||
          (reinterpret_cast<HWND>(lParam) == matchCase_ && HIWORD(wParam) == BN_CLICKED)) {
        edited();
        return 0;
      }
      break;
    case WM_TIMER:
      if (wParam == kPauseTimer) {
        search();
      } else if (wParam == kCountTimer) {
        bar_.countStep(*view_.model().log());
        showCount();
      }
      return 0;
    case WM_CTLCOLOREDIT:
      if (tints_ && reinterpret_cast<HWND>(lParam) == edit_ &&
          bar_.nothingFound(*view_.model().log())) {
        if (tint_ == nullptr) {
          tint_ = CreateSolidBrush(kTint);
        }
        SetBkColor(reinterpret_cast<HDC>(wParam), kTint);
        return reinterpret_cast<LRESULT>(tint_);
      }
      break;
    case WM_DESTROY:
      if (tint_ != nullptr) {
        DeleteObject(tint_);
      }
      break;
    default:
      break;
  }
  return DefWindowProcW(box_, message, wParam, lParam);
}

LRESULT FindBox::editProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, void* self) {
  auto* box = static_cast<FindBox*>(self);
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter and Escape are the find box's own; Tab moves on.
      const LRESULT code = passOn(edit, message, wParam, lParam);
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam != VK_TAB) {
        return code | DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_KEYDOWN:
      if (box->key(wParam)) {
        return 0;
      }
      break;
    case WM_CHAR:
      // Neither inserts anything in a one-line box, nor beeps.
      if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
        return 0;
      }
      break;
    default:
      break;
  }
  return passOn(edit, message, wParam, lParam);
}

bool FindBox::key(WPARAM key) {
  FindKey findKey;
  switch (key) {
    case VK_RETURN:
      findKey = FindKey::Enter;
      break;
    case VK_F3:
      findKey = FindKey::F3;
      break;
    case VK_ESCAPE:
      findKey = FindKey::Escape;
      break;
    default:
      return false;
  }
  if (pausing_ && findKey != FindKey::Escape) {
    // A key right after typing finds what was typed, without the pause.
    search();
  } else {
    apply(bar_.press(findKey, pressed(VK_SHIFT), *view_.model().log()));
    showCount();
  }
  return true;
}

void FindBox::findKey() { apply(bar_.press(FindKey::CtrlF, false, *view_.model().log())); }

void FindBox::logChanged() {
  if (bar_.isOpen()) {
    bar_.follow(*view_.model().log());
    showCount();
    view_.refresh();  // matches in the new lines
  }
}

void FindBox::edited() {
  const bool matchCase = SendMessageW(matchCase_, BM_GETCHECK, 0, 0) == BST_CHECKED;
  bar_.edit(windowText(edit_), matchCase);
  pausing_ = true;
  SetTimer(box_, kPauseTimer, kPauseMs, nullptr);
}

void FindBox::search() {
  pausing_ = false;
  KillTimer(box_, kPauseTimer);
  apply(bar_.search(*view_.model().log(), view_.model().bottomPosition()));
  showCount();
}

void FindBox::apply(const FindBar::Outcome& outcome) {
  if (outcome.openBox) {
    ShowWindow(box_, SW_SHOWNA);
    SetWindowPos(box_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    showCount();
  }
  if (outcome.openBox || outcome.selectTyped) {
    SetFocus(edit_);
    SendMessageW(edit_, EM_SETSEL, 0, -1);
  }
  if (outcome.select) {
    view_.model().select(outcome.select->start, outcome.select->end());
  }
  view_.refresh();  // the matches marked, or no longer
  if (outcome.closeBox) {
    pausing_ = false;
    KillTimer(box_, kPauseTimer);
    KillTimer(box_, kCountTimer);
    ShowWindow(box_, SW_HIDE);
    focusInput_();
  }
}

void FindBox::showCount() {
  const Log& log = *view_.model().log();
  if (bar_.counting(log)) {
    SetTimer(box_, kCountTimer, USER_TIMER_MINIMUM, nullptr);
  } else {
    KillTimer(box_, kCountTimer);
  }
  const std::u16string text = bar_.countText(log);
  if (windowText(count_) != text) {
    SetWindowTextW(count_, wide(text));
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, count_, OBJID_CLIENT, CHILDID_SELF);
  }
  InvalidateRect(edit_, nullptr, TRUE);
}

void FindBox::setFont(HFONT font) {
  font_ = font;
  for (HWND control : {label_, edit_, matchCase_, count_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  layOut();
}

void FindBox::tintNothingFound(bool tint) {
  if (tint != tints_) {
    tints_ = tint;
    InvalidateRect(edit_, nullptr, TRUE);
  }
}

// Label, line, Match case and count side by side, as wide as their texts.
void FindBox::layOut() {
  const SIZE label = textSize(box_, font_, reinterpret_cast<const wchar_t*>(FindBar::kLabel));
  const SIZE box = textSize(box_, font_, reinterpret_cast<const wchar_t*>(FindBar::kMatchCase));
  const SIZE count = textSize(box_, font_, L"0000000/0000000");
  const int height = label.cy + 8;
  const int editWidth = label.cy * 10;
  int x = kGap;
  MoveWindow(label_, x, kGap, label.cx, height, TRUE);
  x += label.cx + kGap;
  MoveWindow(edit_, x, kGap, editWidth, height, TRUE);
  x += editWidth + kGap;
  MoveWindow(matchCase_, x, kGap, box.cx + height, height, TRUE);
  x += box.cx + height + kGap;
  MoveWindow(count_, x, kGap, count.cx, height, TRUE);
  x += count.cx + kGap;
  RECT outer{0, 0, x, height + 2 * kGap};
  AdjustWindowRectEx(&outer, WS_CHILD, FALSE, WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME);
  SetWindowPos(box_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FindBox::place(const RECT& logRect) {
  RECT own;
  GetWindowRect(box_, &own);
  const int width = std::min<int>(own.right - own.left, logRect.right - logRect.left);
  const int height = own.bottom - own.top;
  SetWindowPos(box_, nullptr, logRect.right - width, logRect.top, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace zor
