#include "app/win32/InputBox.h"

#include "app/InputLine.h"
#include "app/win32/Subclass.h"
#include "app/win32/WideText.h"
#include "app/win32/accessibility/ControlName.h"

#include <optional>

namespace zor {

namespace {

constexpr WPARAM kCtrlG = 0x07;
constexpr WPARAM kCtrlR = 0x12;

bool held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Backspace and Enter come as characters.
std::optional<LineKey> lineKey(WPARAM key) {
  if (held(VK_CONTROL)) {
    if (held(VK_SHIFT) || held(VK_MENU)) {
      return std::nullopt;
    }
    switch (key) {
      case 'R':
        return LineKey::Search;
      case 'G':
        return LineKey::Cancel;
      default:
        return std::nullopt;
    }
  }
  if (held(VK_SHIFT) || held(VK_MENU)) {
    return std::nullopt;
  }
  switch (key) {
    case VK_UP:
      return LineKey::Up;
    case VK_DOWN:
      return LineKey::Down;
    case VK_LEFT:
      return LineKey::Left;
    case VK_RIGHT:
      return LineKey::Right;
    case VK_HOME:
      return LineKey::Home;
    case VK_END:
      return LineKey::End;
    case VK_DELETE:
      return LineKey::Delete;
    case VK_ESCAPE:
      return LineKey::Escape;
    default:
      return std::nullopt;
  }
}

}  // namespace

InputBox::InputBox(HWND frame, InputLine& line, std::function<void(char16_t)> keyPress)
    : frame_(frame),
      box_(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, frame,
                           nullptr, nullptr, nullptr)),
      line_(line),
      keyPress_(std::move(keyPress)) {
  subclass(box_, boxProc, this);
}

LineBox InputBox::state() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return LineBox{windowText(box_), start, end};
}

void InputBox::showLine() {
  const LineBox& box = line_.box();
  const LineBox now = state();
  if (now.text != box.text) {
    // What is only added at the caret is put in there, so undo can take it back.
    if (now.start == now.text.size() && now.end == now.start && box.text.starts_with(now.text)) {
      const std::u16string added = box.text.substr(now.text.size());
      SendMessageW(box_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide(added)));
    } else {
      SetWindowTextW(box_, wide(box.text));
    }
  }
  if (state() != box) {
    SendMessageW(box_, EM_SETSEL, box.start, static_cast<LPARAM>(box.end));
  }
  const std::u16string caption = line_.caption();
  if (windowText(frame_) != caption) {
    SetWindowTextW(frame_, wide(caption));
    // A group box draws its new caption over the old one.
    InvalidateRect(frame_, nullptr, TRUE);
  }
}

LRESULT InputBox::byTheBox(UINT message, WPARAM wParam, LPARAM lParam, bool typed) {
  const LRESULT result = passOn(box_, message, wParam, lParam);
  if (typed) {
    line_.typed(state());
  } else {
    line_.edited(state());
  }
  showLine();
  return result;
}

LRESULT InputBox::onKeyDown(UINT message, WPARAM wParam, LPARAM lParam) {
  if (const std::optional<LineKey> key = lineKey(wParam)) {
    const bool taken = line_.press(state(), *key);
    showLine();
    if (taken) {
      return 0;
    }
  }
  return byTheBox(message, wParam, lParam, false);
}

LRESULT InputBox::onChar(UINT message, WPARAM wParam, LPARAM lParam) {
  if (wParam == VK_RETURN) {
    line_.press(state(), LineKey::Enter);
    showLine();
  }
  keyPress_(static_cast<char16_t>(wParam));
  switch (wParam) {
    // Neither inserts anything in a one-line box; Ctrl+R and Ctrl+G were
    // keys of the line.
    case VK_RETURN:
    case VK_ESCAPE:
    case kCtrlR:
    case kCtrlG:
      return 0;
    case VK_BACK: {
      const bool taken = line_.press(state(), LineKey::Backspace);
      showLine();
      return taken ? 0 : byTheBox(message, wParam, lParam, false);
    }
    default:
      break;
  }
  if (wParam < 0x20) {  // Ctrl+C, Ctrl+V and the like
    return byTheBox(message, wParam, lParam, false);
  }
  if (line_.type(state(), static_cast<char16_t>(wParam))) {
    showLine();
    return 0;
  }
  return byTheBox(message, wParam, lParam, true);
}

LRESULT InputBox::boxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, void* self) {
  auto* input = static_cast<InputBox*>(self);
  switch (message) {
    case WM_GETDLGCODE: {
      // The window's dialog navigation would take Enter and Escape for
      // itself; every key but Tab belongs to the box.
      const LRESULT code = passOn(box, message, wParam, lParam);
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg != nullptr && msg->message == WM_KEYDOWN && msg->wParam != VK_TAB) {
        return code | DLGC_WANTMESSAGE;
      }
      return code;
    }
    case WM_GETOBJECT:
      // Named by its frame's caption.
      if (const LRESULT named = namedObject(box, wParam, lParam, windowText(input->frame_))) {
        return named;
      }
      break;
    case WM_KEYDOWN:
      return input->onKeyDown(message, wParam, lParam);
    case WM_CHAR:
      return input->onChar(message, wParam, lParam);
    case WM_KILLFOCUS: {
      // Only going to another control of the window leaves the box.
      const auto next = reinterpret_cast<HWND>(wParam);
      if (next != nullptr && GetAncestor(next, GA_ROOT) == GetAncestor(box, GA_ROOT)) {
        input->line_.leave(input->state());
        input->showLine();
      }
      break;
    }
    default:
      break;
  }
  return passOn(box, message, wParam, lParam);
}

}  // namespace zor
