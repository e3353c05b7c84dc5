// Measures what one "say" line costs in the running zor.exe window: finds the
// window, loads a file of filler lines into its log through its own input
// box, then enters "say" lines one after another. SendMessage returns only
// once the window has handled the message, so each line is timed from the
// text put into the box to the log and the view brought up to date.
// Usage: say_cost.exe <file name without .txt>...
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr int kLines = 200;

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

double seconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency) {
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  HWND box = findInputBox();
  if (box == nullptr) {
    std::fputs("no zor window\n", stderr);
    return 1;
  }
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  for (int i = 1; i < argc; ++i) {
    enter(box, L"clear");
    LARGE_INTEGER start;
    LARGE_INTEGER end;
    QueryPerformanceCounter(&start);
    enter(box, std::wstring(L"load ") + argv[i]);
    QueryPerformanceCounter(&end);
    const double load = seconds(start, end, frequency);
    enter(box, L"say warm-up");
    QueryPerformanceCounter(&start);
    for (int line = 0; line < kLines; ++line) {
      enter(box, L"say The quick brown fox 跳过了懒狗");
    }
    QueryPerformanceCounter(&end);
    std::wprintf(L"%ls: load %.1f ms, one say line %.3f ms (mean of %d)\n", argv[i], load * 1e3,
                 seconds(start, end, frequency) * 1e3 / kLines, kLines);
  }
  return 0;
}
