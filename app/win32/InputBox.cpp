#include "app/win32/InputBox.h"

#include "app/InputBoxEdit.h"
#include "app/WindowController.h"
#include "app/win32/Subclass.h"
#include "app/win32/WideText.h"

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

InputBox::InputBox(HWND frame, WindowController& controller, Apply apply)
    : box_(CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0, 0, 0, 0, frame,
                           nullptr, nullptr, nullptr)),
      controller_(controller),
      apply_(std::move(apply)) {
  subclass(box_, boxProc, this);
}

LineBox InputBox::state() const {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return LineBox{windowText(box_), start, end};
}

void InputBox::showEdit(const InputBoxEdit& edit) {
  switch (edit.text) {
    case InputBoxEdit::Text::Keep:
      break;
    case InputBoxEdit::Text::Insert:
      SendMessageW(box_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide(edit.put)));
      break;
    case InputBoxEdit::Text::Replace:
      SetWindowTextW(box_, wide(edit.put));
      break;
  }
  SendMessageW(box_, EM_SETSEL, edit.box.start, static_cast<LPARAM>(edit.box.end));
}

LRESULT InputBox::key(const InputKey& key, UINT message, WPARAM wParam, LPARAM lParam) {
  const WindowUpdate update = controller_.inputKey(state(), key);
  apply_(update);
  if (update.keyTaken) {
    return 0;
  }
  const LRESULT result = passOn(box_, message, wParam, lParam);
  apply_(controller_.inputEdited(state(), key.typing));
  return result;
}

LRESULT InputBox::onChar(UINT message, WPARAM wParam, LPARAM lParam) {
  const char16_t c = static_cast<char16_t>(wParam);
  const std::u16string_view chars(&c, 1);
  switch (wParam) {
    case VK_RETURN:
      return key(InputKey{LineKey::Enter, chars}, message, wParam, lParam);
    case VK_BACK:
      return key(InputKey{LineKey::Backspace, chars}, message, wParam, lParam);
    // Neither inserts anything in a one-line box; Ctrl+R and Ctrl+G were
    // keys of the line.
    case VK_ESCAPE:
    case kCtrlR:
    case kCtrlG:
      apply_(controller_.inputKey(state(), InputKey{std::nullopt, chars}));
      return 0;
    default:
      // Below a blank: Ctrl+C, Ctrl+V and the like.
      return key(InputKey{std::nullopt, chars, wParam >= 0x20}, message, wParam, lParam);
  }
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
    case WM_KEYDOWN:
      return input->key(InputKey{lineKey(wParam), {}}, message, wParam, lParam);
    case WM_CHAR:
      return input->onChar(message, wParam, lParam);
    case WM_KILLFOCUS: {
      // Only going to another control of the window leaves the box.
      const auto next = reinterpret_cast<HWND>(wParam);
      if (next != nullptr && GetAncestor(next, GA_ROOT) == GetAncestor(box, GA_ROOT)) {
        input->apply_(input->controller_.inputLeft(input->state()));
      }
      break;
    }
    default:
      break;
  }
  return passOn(box, message, wParam, lParam);
}

}  // namespace zor
