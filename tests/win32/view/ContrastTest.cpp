#include "app/win32/Form1.h"
#include "tests/support/ConsoleHarness.h"

#include <gtest/gtest.h>

#include <chrono>
#include <utility>

namespace zor::test {
namespace {

// The system's colours as the window paints them, set for the test and
// given back at its end.
class SystemColours {
 public:
  SystemColours() {
    for (std::size_t i = 0; i < std::size(kNumbers); ++i) {
      saved_[i] = GetSysColor(kNumbers[i]);
    }
  }
  ~SystemColours() { SetSysColors(static_cast<int>(std::size(kNumbers)), kNumbers, saved_); }
  SystemColours(const SystemColours&) = delete;
  SystemColours& operator=(const SystemColours&) = delete;

  // Window, window text, highlight, highlight text.
  static void set(COLORREF window, COLORREF text, COLORREF highlight, COLORREF highlightText) {
    const COLORREF colours[] = {window, text, highlight, highlightText};
    SetSysColors(static_cast<int>(std::size(kNumbers)), kNumbers, colours);
  }

 private:
  static constexpr INT kNumbers[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_HIGHLIGHT,
                                     COLOR_HIGHLIGHTTEXT};
  COLORREF saved_[std::size(kNumbers)] = {};
};

// A control of `type` in a frame of the form.
HWND boxOf(HWND form, const wchar_t* type) {
  for (HWND frame = FindWindowExW(form, nullptr, L"BUTTON", nullptr); frame != nullptr;
       frame = FindWindowExW(form, frame, L"BUTTON", nullptr)) {
    if (HWND box = FindWindowExW(frame, nullptr, type, nullptr)) {
      return box;
    }
  }
  return nullptr;
}

// The background and text colours the form gives a box to paint in.
std::pair<COLORREF, COLORREF> paintedIn(HWND form, HWND box) {
  HDC dc = CreateCompatibleDC(nullptr);
  SendMessageW(form, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(box));
  const std::pair colours{GetBkColor(dc), GetTextColor(dc)};
  DeleteDC(dc);
  return colours;
}

// Handles the window's messages until `done` holds, for at most ten seconds.
template <typename Condition>
bool waitFor(Condition done) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      DispatchMessageW(&msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
  }
  return true;
}

// Wine has no contrast themes: the window is told whether one is on. The
// colours follow SetSysColors and the answer while the window is open;
// blackmode goes on switching the scheme beneath the theme.
TEST_F(ConsoleTest, AContrastThemePaintsTheBoxesInTheSystemsColours) {
  const SystemColours restore;
  bool contrast = false;
  Form1 window(GetModuleHandleW(nullptr), Services{clock, media, *codePage, directory},
               [&contrast] { return contrast; });
  HWND form = window.handle();
  HWND log = boxOf(form, L"ZorLogView");
  HWND input = boxOf(form, L"EDIT");
  ASSERT_NE(log, nullptr);
  ASSERT_NE(input, nullptr);
  using Colours = std::pair<COLORREF, COLORREF>;
  const Colours light{RGB(255, 255, 255), RGB(0, 0, 0)};
  EXPECT_EQ(paintedIn(form, log), light);
  EXPECT_EQ(paintedIn(form, input), light);

  const COLORREF ink = RGB(0xFF, 0xFF, 0x00);
  const COLORREF paper = RGB(0x10, 0x20, 0x30);
  const Colours theme{paper, ink};
  contrast = true;
  SystemColours::set(paper, ink, RGB(0x00, 0x80, 0xFF), RGB(0, 0, 0));
  ASSERT_TRUE(waitFor([&] { return paintedIn(form, log) == theme; }));
  EXPECT_EQ(paintedIn(form, input), theme);

  SendMessageW(input, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"bm"));
  SendMessageW(input, WM_CHAR, VK_RETURN, 0);
  EXPECT_EQ(paintedIn(form, log), theme);
  EXPECT_EQ(paintedIn(form, input), theme);

  // The theme goes: the dark scheme that blackmode chose shows.
  contrast = false;
  SendMessageW(form, WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  const Colours dark{GetSysColor(COLOR_DESKTOP), RGB(255, 255, 255)};
  EXPECT_EQ(paintedIn(form, log), dark);
  EXPECT_EQ(paintedIn(form, input), dark);
  DestroyWindow(form);
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

}  // namespace
}  // namespace zor::test
