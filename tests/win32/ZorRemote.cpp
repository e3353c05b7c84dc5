// Drives the running zor.exe window from outside, through its own controls,
// the way the user would. SendMessage returns only once the window has
// handled the message, so a line entered here has been run, and the log box
// brought up to date, when enter() returns.
// Usage: zor_remote.exe log                 writes the log box's text, UTF-8
//        zor_remote.exe desktop-colour      writes the system's desktop colour, RRGGBB
//        zor_remote.exe geometry [<w> <h>]  resizes the window to an outer size of w x h
//                                           pixels if asked, then writes where the
//                                           window and its controls are
//        zor_remote.exe clipboard           writes the clipboard's Unicode text, UTF-8
//        zor_remote.exe log-origin          writes where the log's text area starts on the
//                                           screen, x y in pixels
//        zor_remote.exe menu                succeeds while a popup menu is on the screen
//        zor_remote.exe drawn               has the window paint what waits to be painted,
//                                           then succeeds if no part of it still waits
//        zor_remote.exe input               writes the input box's frame caption, then its
//                                           text with the selection in brackets, UTF-8
//        zor_remote.exe load <file>         clears the log and loads <file>.txt, timed
//        zor_remote.exe say <count>         enters <count> "say" lines, timed
//        zor_remote.exe zoom-steps <count>  zooms in and out in turn <count> times, a
//                                           wheel notch with Ctrl each, and draws the
//                                           log each time, timed; then back to 100%
//        zor_remote.exe type <count>        puts the same line in the input box <count>
//                                           times without entering it, timed, then
//                                           empties the box
//        zor_remote.exe find                writes the find box's state: "shown" or
//                                           "hidden", then its count
//        zor_remote.exe find-geometry       writes where the log's text area, its scroll bar,
//                                           the find box, the box's inside and its four
//                                           controls are in the window, and the top left
//                                           corner of the log's selection
//        zor_remote.exe readers             writes what screen readers get of the log view
//                                           through MSAA and UI Automation, UTF-8
//        zor_remote.exe names              writes what screen readers call the input box
//                                           and the find box's field, check box and count
//                                           through MSAA, UTF-8
//        zor_remote.exe redraw              tells the window the system's colours changed,
//                                           so that it draws everything again
//        zor_remote.exe zoom                writes the log frame's caption, UTF-8, then
//                                           where the log's caret is, x y height in
//                                           pixels, or "none" when it is elsewhere
//        zor_remote.exe picture <light|dark> <file.rgb> [<match>]
//                                           checks the picture of the window in file.rgb
//                                           (see WindowPicture.h)
#include "tests/win32/WindowPicture.h"

#include <windows.h>

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND findForm() {
  for (int attempt = 0; attempt < 300; ++attempt) {
    if (HWND form = FindWindowW(L"ZorForm1", nullptr)) {
      return form;
    }
    Sleep(100);
  }
  return nullptr;
}

// The log view and the input box, each inside its frame.
constexpr wchar_t kLogClass[] = L"ZorLogView";
constexpr wchar_t kInputClass[] = L"EDIT";

// The frame that holds a box of the class, whatever its caption says.
HWND frameOf(HWND form, const wchar_t* className) {
  for (HWND frame = FindWindowExW(form, nullptr, L"BUTTON", nullptr); frame != nullptr;
       frame = FindWindowExW(form, frame, L"BUTTON", nullptr)) {
    if (FindWindowExW(frame, nullptr, className, nullptr) != nullptr) {
      return frame;
    }
  }
  return nullptr;
}

HWND findBox(const wchar_t* className) {
  return FindWindowExW(frameOf(findForm(), className), nullptr, className, nullptr);
}

// A control's name, position in its parent's client area, and size, in pixels.
void writePlace(const char* name, HWND control) {
  RECT r;
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  std::printf("%s %ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

int writeGeometry(HWND form, int argc, wchar_t* argv[]) {
  if (argc == 4) {
    SetWindowPos(form, nullptr, 0, 0, _wtoi(argv[2]), _wtoi(argv[3]),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RECT outer;
  GetWindowRect(form, &outer);
  RECT client;
  GetClientRect(form, &client);
  std::printf("Form1 %ld %ld %ld %ld client %ld %ld\n", outer.left, outer.top,
              outer.right - outer.left, outer.bottom - outer.top, client.right, client.bottom);
  HWND frame1 = frameOf(form, kLogClass);
  HWND frame2 = frameOf(form, kInputClass);
  writePlace("Frame1", frame1);
  writePlace("Text1", FindWindowExW(frame1, nullptr, kLogClass, nullptr));
  writePlace("Frame2", frame2);
  writePlace("Text2", FindWindowExW(frame2, nullptr, kInputClass, nullptr));
  return 0;
}

void writeRect(const char* name, RECT r, HWND from, HWND form) {
  MapWindowPoints(from, form, reinterpret_cast<POINT*>(&r), 2);
  std::printf("%s %ld %ld %ld %ld\n", name, r.left, r.top, r.right - r.left, r.bottom - r.top);
}

// In the window's client area, in physical pixels.
int writeFindGeometry(HWND form) {
  HWND log = findBox(kLogClass);
  HWND box = FindWindowExW(form, nullptr, L"ZorFindBox", nullptr);
  if (log == nullptr || box == nullptr) {
    return 1;
  }
  RECT r;
  GetClientRect(log, &r);
  writeRect("area", r, log, form);
  // The scroll bar: the log's window right of its client area.
  RECT outer;
  GetWindowRect(log, &outer);
  MapWindowPoints(log, nullptr, reinterpret_cast<POINT*>(&r), 2);
  writeRect("scrollbar", RECT{r.right, r.top, outer.right, r.bottom}, nullptr, form);
  GetWindowRect(box, &r);
  writeRect("box", r, nullptr, form);
  GetClientRect(box, &r);
  writeRect("inside", r, box, form);
  HWND control = nullptr;
  for (const char* name : {"label", "text", "matchcase", "count"}) {
    control = FindWindowExW(box, control, nullptr, nullptr);
    GetWindowRect(control, &r);
    writeRect(name, r, nullptr, form);
  }
  const WORD start = LOWORD(static_cast<DWORD>(SendMessageW(log, EM_GETSEL, 0, 0)));
  const LRESULT at = SendMessageW(log, EM_POSFROMCHAR, start, 0);
  if (at == -1) {
    std::printf("match hidden\n");
    return 0;
  }
  POINT corner{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
  MapWindowPoints(log, form, &corner, 1);
  std::printf("match %ld %ld\n", corner.x, corner.y);
  return 0;
}

void put(HWND box, const std::wstring& line) {
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void enter(HWND box, const std::wstring& line) {
  put(box, line);
  SendMessageW(box, WM_CHAR, VK_RETURN, 0);
}

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1e3 /
         static_cast<double>(frequency.QuadPart);
}

// Writes the text to standard output in UTF-8, line ends as they are.
int writeUtf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  DWORD written = 0;
  WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
            &written, nullptr);
  return written == bytes.size() ? 0 : 1;
}

// GetWindowText would read another process's window caption, not the control's text.
std::wstring controlText(HWND control) {
  std::wstring text(static_cast<std::size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<std::size_t>(
      SendMessageW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

int writeLog(HWND log) { return writeUtf8(controlText(log)); }

int writeInput(HWND form) {
  if (HWND frame = frameOf(form, kInputClass)) {
    if (HWND box = FindWindowExW(frame, nullptr, kInputClass, nullptr)) {
      std::wstring text = controlText(box);
      // The positions come back in the result: the box's own pointers would
      // point into this process.
      const auto selection = static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0));
      const std::size_t start = LOWORD(selection);
      const std::size_t end = HIWORD(selection);
      if (start != end && end <= text.size()) {
        text.insert(end, L"]");
        text.insert(start, L"[");
      }
      return writeUtf8(controlText(frame) + L"\n" + text + L"\n");
    }
  }
  return 1;
}

// The clipboard's Unicode text as the system holds it: Wine's X clipboard
// turns CR LF into LF on the way out.
int writeClipboard() {
  if (!OpenClipboard(nullptr)) {
    return 1;
  }
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = locked;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return writeUtf8(text);
}

std::wstring utf16Of(BSTR text) {
  return text == nullptr ? L"" : std::wstring(text, SysStringLen(text));
}

// The log view's MSAA object, as a screen reader in another process gets
// it: role, whether it is read-only and focusable, name and value.
std::wstring msaaView(HWND log) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(log, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return L"msaa none\n";
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role{};
  VARIANT state{};
  BSTR name = nullptr;
  BSTR value = nullptr;
  object->get_accRole(self, &role);
  object->get_accState(self, &state);
  object->get_accName(self, &name);
  object->get_accValue(self, &value);
  object->Release();
  const long flags = state.vt == VT_I4 ? state.lVal : 0;
  std::wstring text = L"msaa role=" + std::to_wstring(role.vt == VT_I4 ? role.lVal : -1) +
                      L" readonly=" + std::to_wstring((flags & STATE_SYSTEM_READONLY) != 0) +
                      L" focusable=" + std::to_wstring((flags & STATE_SYSTEM_FOCUSABLE) != 0) +
                      L" name=" + utf16Of(name) + L"\nvalue:\n" + utf16Of(value) + L"\n";
  SysFreeString(name);
  SysFreeString(value);
  return text;
}

// The log view's UI Automation element, as a client in another process gets
// it: control type, whether it is focusable, name.
std::wstring uiaView(HWND log) {
  using NodeFromHandle = HRESULT(WINAPI*)(HWND, void**);
  using GetPropertyValue = HRESULT(WINAPI*)(void*, int, VARIANT*);
  using NodeRelease = BOOL(WINAPI*)(void*);
  HMODULE core = LoadLibraryW(L"uiautomationcore.dll");
  const auto function = [core](const char* name) {
    return reinterpret_cast<void (*)()>(core == nullptr ? nullptr : GetProcAddress(core, name));
  };
  const auto fromHandle = reinterpret_cast<NodeFromHandle>(function("UiaNodeFromHandle"));
  const auto property = reinterpret_cast<GetPropertyValue>(function("UiaGetPropertyValue"));
  const auto release = reinterpret_cast<NodeRelease>(function("UiaNodeRelease"));
  void* node = nullptr;
  if (fromHandle == nullptr || property == nullptr || release == nullptr ||
      FAILED(fromHandle(log, &node))) {
    return L"uia none\n";
  }
  VARIANT type{};
  VARIANT focusable{};
  VARIANT name{};
  property(node, 30003, &type);       // UIA_ControlTypePropertyId
  property(node, 30009, &focusable);  // UIA_IsKeyboardFocusablePropertyId
  property(node, 30005, &name);       // UIA_NamePropertyId
  release(node);
  std::wstring text =
      L"uia type=" + std::to_wstring(type.vt == VT_I4 ? type.lVal : -1) + L" focusable=" +
      std::to_wstring(focusable.vt == VT_BOOL && focusable.boolVal != VARIANT_FALSE) + L" name=" +
      (name.vt == VT_BSTR ? utf16Of(name.bstrVal) : L"") + L"\n";
  VariantClear(&name);
  return text;
}

// What screen readers call a control through MSAA.
std::wstring nameOf(HWND control) {
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                        __uuidof(IAccessible),
                                        reinterpret_cast<void**>(&object)))) {
    return L"none\n";
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  object->get_accName(self, &name);
  object->Release();
  const std::wstring text = utf16Of(name) + L"\n";
  SysFreeString(name);
  return text;
}

// The input box, then the find box's field, check box and count.
int writeNames() {
  HWND box = FindWindowExW(findForm(), nullptr, L"ZorFindBox", nullptr);
  HWND input = findBox(kInputClass);
  if (box == nullptr || input == nullptr) {
    return 1;
  }
  HWND label = FindWindowExW(box, nullptr, L"STATIC", nullptr);
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring text = nameOf(input) + nameOf(FindWindowExW(box, nullptr, L"EDIT", nullptr)) +
                            nameOf(FindWindowExW(box, nullptr, L"BUTTON", nullptr)) +
                            nameOf(FindWindowExW(box, label, L"STATIC", nullptr));
  CoUninitialize();
  return writeUtf8(text);
}

int writeReaders(HWND log) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring text = msaaView(log) + uiaView(log);
  CoUninitialize();
  return writeUtf8(text);
}

// The caret as the system holds it for the window's thread.
int writeZoom(HWND log) {
  std::wstring text = controlText(GetParent(log)) + L"\n";
  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  if (GetGUIThreadInfo(GetWindowThreadProcessId(log, nullptr), &thread) &&
      thread.hwndCaret == log) {
    const RECT& caret = thread.rcCaret;
    text += std::to_wstring(caret.left) + L" " + std::to_wstring(caret.top) + L" " +
            std::to_wstring(caret.bottom - caret.top) + L"\n";
  } else {
    text += L"none\n";
  }
  return writeUtf8(text);
}

// Popup menus are top-level windows of the system's menu class.
BOOL CALLBACK findShownMenu(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (std::wcscmp(name, L"#32768") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

// A part of the window or of a control inside it waits to be painted.
BOOL CALLBACK findUnpainted(HWND window, LPARAM found) {
  if (GetUpdateRect(window, nullptr, FALSE)) {
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  const std::wstring command = argc > 1 ? argv[1] : L"";
  if (command == L"desktop-colour" && argc == 2) {
    const COLORREF colour = GetSysColor(COLOR_DESKTOP);
    std::printf("%02x%02x%02x\n", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return 0;
  }
  if (command == L"menu" && argc == 2) {
    bool found = false;
    EnumWindows(findShownMenu, reinterpret_cast<LPARAM>(&found));
    return found ? 0 : 1;
  }
  if (command == L"drawn" && argc == 2) {
    HWND form = findForm();
    if (form == nullptr) {
      return 1;
    }
    RedrawWindow(form, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    bool found = GetUpdateRect(form, nullptr, FALSE) != FALSE;
    if (!found) {
      EnumChildWindows(form, findUnpainted, reinterpret_cast<LPARAM>(&found));
    }
    return found ? 1 : 0;
  }
  if (command == L"geometry" && (argc == 2 || argc == 4)) {
    HWND form = findForm();
    return form == nullptr ? 1 : writeGeometry(form, argc, argv);
  }
  if (command == L"log" && argc == 2) {
    HWND log = findBox(kLogClass);
    return log == nullptr ? 1 : writeLog(log);
  }
  if (command == L"readers" && argc == 2) {
    HWND log = findBox(kLogClass);
    return log == nullptr ? 1 : writeReaders(log);
  }
  if (command == L"names" && argc == 2) {
    return writeNames();
  }
  if (command == L"find" && argc == 2) {
    HWND box = FindWindowExW(findForm(), nullptr, L"ZorFindBox", nullptr);
    if (box == nullptr) {
      return 1;
    }
    wchar_t count[64] = L"";
    HWND label =
        FindWindowExW(box, FindWindowExW(box, nullptr, L"STATIC", nullptr), L"STATIC", nullptr);
    GetWindowTextW(label, count, 64);
    std::wprintf(L"%ls %ls\n", IsWindowVisible(box) ? L"shown" : L"hidden", count);
    return 0;
  }
  if (command == L"find-geometry" && argc == 2) {
    SetProcessDPIAware();  // the window's own pixels, at any scale
    HWND form = findForm();
    return form == nullptr ? 1 : writeFindGeometry(form);
  }
  if (command == L"picture" && (argc == 4 || argc == 5)) {
    SetProcessDPIAware();  // the window's own pixels, at any scale
    HWND form = findForm();
    return form == nullptr ? 1
                           : zor::remote::checkPicture(form, std::wstring(argv[2]) == L"dark",
                                                       argv[3], argc == 5 ? argv[4] : L"");
  }
  if (command == L"zoom" && argc == 2) {
    HWND log = findBox(kLogClass);
    return log == nullptr ? 1 : writeZoom(log);
  }
  if (command == L"redraw" && argc == 2) {
    HWND form = findForm();
    return form == nullptr ? 1 : (SendMessageW(form, WM_SYSCOLORCHANGE, 0, 0), 0);
  }
  if (command == L"input" && argc == 2) {
    HWND form = findForm();
    return form == nullptr ? 1 : writeInput(form);
  }
  if (command == L"clipboard" && argc == 2) {
    return writeClipboard();
  }
  if (command == L"log-origin" && argc == 2) {
    HWND log = findBox(kLogClass);
    POINT origin{0, 0};
    if (log == nullptr || !ClientToScreen(log, &origin)) {
      return 1;
    }
    std::printf("%ld %ld\n", origin.x, origin.y);
    return 0;
  }
  HWND input = findBox(kInputClass);
  if (input == nullptr || argc != 3 ||
      (command != L"load" && command != L"say" && command != L"type" && command != L"zoom-steps")) {
    std::fputs(
        "usage: zor_remote.exe log | input | clipboard | log-origin | desktop-colour |\n"
        "                      geometry [w h] | menu | find |\n"
        "                      find-geometry | readers | zoom |\n"
        "                      redraw | drawn | picture light|dark <file.rgb> [match] |\n"
        "                      load <file> | say <count> | type <count> |\n"
        "                      zoom-steps <count>\n",
        stderr);
    return 1;
  }
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  if (command == L"load") {
    enter(input, L"clear");
    QueryPerformanceCounter(&start);
    enter(input, std::wstring(L"load ") + argv[2]);
    QueryPerformanceCounter(&end);
    enter(input, L"say warm-up");
    std::wprintf(L"load %ls: %.1f ms\n", argv[2], milliseconds(start, end));
    return 0;
  }
  const int count = std::max(1, _wtoi(argv[2]));
  if (command == L"zoom-steps") {
    HWND form = findForm();
    HWND log = findBox(kLogClass);
    const auto notch = [form](int delta) {
      SendMessageW(form, WM_MOUSEWHEEL, MAKEWPARAM(MK_CONTROL, delta), 0);
    };
    QueryPerformanceCounter(&start);
    for (int done = 0; done < count; ++done) {
      notch(done % 2 == 0 ? WHEEL_DELTA : -WHEEL_DELTA);
      RedrawWindow(log, nullptr, nullptr, RDW_UPDATENOW);
    }
    QueryPerformanceCounter(&end);
    if (count % 2 != 0) {
      notch(-WHEEL_DELTA);
    }
    std::wprintf(L"one zoom step: %.3f ms (mean of %d)\n", milliseconds(start, end) / count, count);
    return 0;
  }
  const std::wstring line = L"say The quick brown fox 跳过了懒狗";
  const bool typeOnly = command == L"type";
  QueryPerformanceCounter(&start);
  for (int done = 0; done < count; ++done) {
    if (typeOnly) {
      put(input, line);
    } else {
      enter(input, line);
    }
  }
  QueryPerformanceCounter(&end);
  if (typeOnly) {
    put(input, L"");
  }
  std::wprintf(L"one %ls line: %.3f ms (mean of %d)\n", typeOnly ? L"typed" : L"say",
               milliseconds(start, end) / count, count);
  return 0;
}
