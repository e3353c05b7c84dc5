// Drives the running zor.exe window through its own input box, the way the
// user would, and times it. SendMessage returns only once the window has
// handled the message, so each line is timed from the text put into the box
// to the log and the view brought up to date.
// Usage: say_cost.exe load <file name without .txt>   clears the log, loads the file
//        say_cost.exe say <count>                     enters <count> "say" lines
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND findInputBox() {
  for (int attempt = 0; attempt < 300; ++attempt) {
    if (HWND form = FindWindowW(L"ZorForm1", nullptr)) {
      HWND frame = FindWindowExW(form, nullptr, L"BUTTON", L"输入Input");
      if (HWND box = FindWindowExW(frame, nullptr, L"EDIT", nullptr)) {
        return box;
      }
    }
    Sleep(100);
  }
  return nullptr;
}

void enter(HWND box, const std::wstring& line) {
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(line.c_str()));
  SendMessageW(box, WM_CHAR, VK_RETURN, 0);
}

double milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) * 1e3 /
         static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  HWND box = findInputBox();
  if (box == nullptr || argc != 3) {
    std::fputs("usage: say_cost.exe load <file> | say <count>, with zor.exe running\n", stderr);
    return 1;
  }
  const std::wstring command = argv[1];
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  if (command == L"load") {
    enter(box, L"clear");
    QueryPerformanceCounter(&start);
    enter(box, std::wstring(L"load ") + argv[2]);
    QueryPerformanceCounter(&end);
    enter(box, L"say warm-up");
    std::wprintf(L"load %ls: %.1f ms\n", argv[2], milliseconds(start, end));
    return 0;
  }
  const int count = std::max(1, _wtoi(argv[2]));
  QueryPerformanceCounter(&start);
  for (int line = 0; line < count; ++line) {
    enter(box, L"say The quick brown fox 跳过了懒狗");
  }
  QueryPerformanceCounter(&end);
  std::wprintf(L"one say line: %.3f ms (mean of %d)\n", milliseconds(start, end) / count, count);
  return 0;
}
