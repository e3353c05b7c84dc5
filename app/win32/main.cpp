#include "app/win32/Form1.h"
#include "platform/Clock.h"
#include "platform/CodePage.h"
#include "platform/MciMediaDevice.h"
#include "platform/ProgramDirectory.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  const zor::SystemClock clock;
  const auto codePage = zor::systemCodePage();
  zor::MciMediaDevice media(*codePage);
  zor::Form1 form(instance, zor::Services{clock, media, *codePage, zor::programDirectory()});
  ShowWindow(form.handle(), showCommand);

  // Hiding the window leaves the loop running; only closing it ends it.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageW(form.handle(), &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
