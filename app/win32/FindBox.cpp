#include "app/win32/FindBox.h"

#include "app/win32/LogView.h"
#include "app/win32/Subclass.h"
#include "app/win32/WideText.h"
#include "app/win32/WindowObject.h"
#include "app/win32/accessibility/ControlName.h"

namespace zor {

namespace {

constexpr wchar_t kClassName[] = L"ZorFindBox";
constexpr UINT_PTR kPauseTimer = 1;
constexpr UINT_PTR kCountTimer = 2;
constexpr DWORD kStyle = WS_CHILD | WS_CLIPSIBLINGS;
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;

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

// A window's rectangle in `parent`'s client area.
ViewBox boxIn(HWND parent, RECT rect, HWND from) {
  MapWindowPoints(from, parent, reinterpret_cast<POINT*>(&rect), 2);
  return ViewBox{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

void move(HWND control, const ViewBox& box) {
  MoveWindow(control, box.left, box.top, box.width, box.height, TRUE);
}

}  // namespace

FindBox::FindBox(HWND form, FindBar& bar, LogView& view, std::function<void()> focusInput)
    : view_(view), focusInput_(std::move(focusInput)), driver_(bar, view.model(), *this) {
  registerClass(objectWindowProc<FindBox, &FindBox::box_, &FindBox::onMessage>);
  CreateWindowExW(kExStyle, kClassName, L"", kStyle, 0, 0, 0, 0, form, nullptr,
                  GetModuleHandleW(nullptr), this);
  label_ =
      child(box_, L"STATIC", reinterpret_cast<const wchar_t*>(FindBar::kLabel), SS_CENTERIMAGE);
  edit_ = child(box_, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
  matchCase_ = child(box_, L"BUTTON", reinterpret_cast<const wchar_t*>(FindBar::kMatchCase),
                     WS_TABSTOP | BS_AUTOCHECKBOX);
  count_ = child(box_, L"STATIC", L"", SS_CENTERIMAGE);
  subclass(edit_, editProc, this);
}

LRESULT FindBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if ((reinterpret_cast<HWND>(lParam) == edit_ && HIWORD(wParam) == EN_CHANGE) ||
          (reinterpret_cast<HWND>(lParam) == matchCase_ && HIWORD(wParam) == BN_CLICKED)) {
        driver_.edited(windowText(edit_),
                       SendMessageW(matchCase_, BM_GETCHECK, 0, 0) == BST_CHECKED);
        return 0;
      }
      break;
    case WM_TIMER:
      if (wParam == kPauseTimer) {
        KillTimer(box_, kPauseTimer);
        driver_.pauseEnded();
      } else if (wParam == kCountTimer) {
        driver_.countSlice();
      }
      return 0;
    case WM_CTLCOLOREDIT:
      if (tints_ && reinterpret_cast<HWND>(lParam) == edit_ && tinted_) {
        if (tint_ == nullptr) {
          tint_ = CreateSolidBrush(FindBar::kNothingFoundTint);
        }
        SetBkColor(reinterpret_cast<HDC>(wParam), FindBar::kNothingFoundTint);
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
    case WM_GETOBJECT:
      if (const LRESULT named = namedObject(edit, wParam, lParam, FindBar::kLabel)) {
        return named;
      }
      break;
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
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  switch (key) {
    case VK_RETURN:
      driver_.press(FindKey::Enter, shift);
      return true;
    case VK_F3:
      driver_.press(FindKey::F3, shift);
      return true;
    case VK_ESCAPE:
      driver_.press(FindKey::Escape, shift);
      return true;
    default:
      return false;
  }
}

void FindBox::setFont(HFONT font) {
  font_ = font;
  for (HWND control : {label_, edit_, matchCase_, count_}) {
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  driver_.place();
}

// Each control as high as a line of text in an edit box, the check box's
// square as wide; the text field room for 17 characters, as Qt's line edit
// has. The room around the text grows with the font.
FindBoxMeasures FindBox::measures() const {
  const SIZE label = textSize(box_, font_, reinterpret_cast<const wchar_t*>(FindBar::kLabel));
  const SIZE check = textSize(box_, font_, reinterpret_cast<const wchar_t*>(FindBar::kMatchCase));
  const SIZE count = textSize(box_, font_, reinterpret_cast<const wchar_t*>(FindBar::kWidestCount));
  const SIZE text = textSize(box_, font_, L"xxxxxxxxxxxxxxxxx");
  const int height = label.cy + label.cy / 2;
  RECT frame{0, 0, 0, 0};
  AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  return FindBoxMeasures{
      ViewSize{label.cx, height},
      ViewSize{text.cx + label.cy / 2, height},
      ViewSize{check.cx + height, height},
      ViewSize{count.cx, height},
      2 * height,
      label.cy / 4,
      static_cast<int>(-frame.left),
  };
}

ViewBox FindBox::textArea() const {
  RECT client;
  GetClientRect(view_.handle(), &client);
  return boxIn(GetParent(box_), client, view_.handle());
}

ViewBox FindBox::scrollBar() const {
  SCROLLBARINFO bar{};
  bar.cbSize = sizeof bar;
  const bool shown = GetScrollBarInfo(view_.handle(), static_cast<LONG>(OBJID_VSCROLL), &bar) &&
                     (bar.rgstate[0] & STATE_SYSTEM_INVISIBLE) == 0;
  return shown ? boxIn(GetParent(box_), bar.rcScrollBar, nullptr) : ViewBox{};
}

void FindBox::placeBox(const FindBoxPlace& place) {
  move(label_, place.label);
  move(edit_, place.text);
  move(matchCase_, place.matchCase);
  move(count_, place.count);
  SetWindowPos(box_, nullptr, place.box.left, place.box.top, place.box.width, place.box.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void FindBox::showBox(bool shown) {
  if (shown) {
    ShowWindow(box_, SW_SHOWNA);
    SetWindowPos(box_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  } else {
    ShowWindow(box_, SW_HIDE);
  }
}

void FindBox::selectText() {
  SetFocus(edit_);
  SendMessageW(edit_, EM_SETSEL, 0, -1);
}

void FindBox::showCount(const FindBar::Count& count) {
  if (windowText(count_) != count.text) {
    SetWindowTextW(count_, wide(count.text));
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, count_, OBJID_CLIENT, CHILDID_SELF);
  }
  tinted_ = count.tinted;
  InvalidateRect(edit_, nullptr, TRUE);
}

// Timer messages come after input, so counting goes on between the keys.
void FindBox::runPause(bool on) {
  if (on) {
    SetTimer(box_, kPauseTimer, FindBar::kPauseMs, nullptr);
  } else {
    KillTimer(box_, kPauseTimer);
  }
}

void FindBox::runCounting(bool on) {
  if (on) {
    SetTimer(box_, kCountTimer, USER_TIMER_MINIMUM, nullptr);
  } else {
    KillTimer(box_, kCountTimer);
  }
}

void FindBox::tintNothingFound(bool tint) {
  if (tint != tints_) {
    tints_ = tint;
    InvalidateRect(edit_, nullptr, TRUE);
  }
}

void FindBox::refreshView() { view_.refresh(); }

}  // namespace zor
